#pragma once

#include <cstdint>

// A colour as the game's files store it: 0x00BBGGRR, red in the low byte.
using TColor = std::int32_t;

namespace clr {
constexpr TColor Black = 0;
constexpr TColor White = 0xFFFFFF;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Maroon = 0x000080;
constexpr TColor Red = 0x0000FF;
constexpr TColor Lime = 0x00FF00;
constexpr TColor Yellow = 0x00FFFF;
// The system's button face, resolved where the colour is drawn.
constexpr TColor BtnFace = static_cast<TColor>(0xFF00000F);

constexpr TColor rgb(int r, int g, int b) { return (b << 16) | (g << 8) | r; }
constexpr int red(TColor c) { return c & 0xFF; }
constexpr int green(TColor c) { return (c >> 8) & 0xFF; }
constexpr int blue(TColor c) { return (c >> 16) & 0xFF; }

// The game's own colours.
constexpr TColor HintCell = Yellow;  // a cell filled by a hint
constexpr TColor WrongDigit = rgb(174, 0, 0); // a digit against the solution
constexpr TColor HelpBar = rgb(255, 188, 121); // the status bar showing help

// Settings may hold values that are no RGB colour (-1, say); a board role
// holding one is drawn in its built-in colour instead.
constexpr bool isRgb(TColor c) { return c >= 0 && c <= 0xFFFFFF; }
constexpr TColor rgbOr(TColor c, TColor builtIn) { return isRgb(c) ? c : builtIn; }
} // namespace clr

// The built-in colour of each board role.
namespace builtin {
constexpr TColor Box1 = clr::White;     // boxes 1, 3, 5, 7, 9
constexpr TColor Box2 = 16759739;       // boxes 2, 4, 6, 8
constexpr TColor Fixed = clr::Black;
constexpr TColor BigNumber = clr::Blue;
constexpr TColor Candidate = clr::Maroon;
constexpr TColor Highlight = 9813909;
// The colours both boards of the game are designed with beside the roles.
constexpr TColor Focus1 = 12043517;
constexpr TColor Focus2 = 14538713;
constexpr TColor Error = 254;
} // namespace builtin
