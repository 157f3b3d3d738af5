#pragma once

#include <QByteArray>

namespace fixture {

// "vorel.ini" as the game writes it for defaults, byte for byte.
inline const QByteArray kDefaultFile = "[Board background]\r\n"
                                       "default color=1\r\n"
                                       "Board color1=16777215\r\n"
                                       "Board color2=13948116\r\n"
                                       "[Font color]\r\n"
                                       "default font=1\r\n"
                                       "Fixed Number color=6250335\r\n"
                                       "Big Number color=-1\r\n"
                                       "Candidate color=-1\r\n"
                                       "[High Light color]\r\n"
                                       "default highlight color=1\r\n"
                                       "highlight_color=9938691\r\n"
                                       "[Auto Check New version]\r\n"
                                       "Auto_check=1\r\n";

} // namespace fixture
