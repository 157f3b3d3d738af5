#pragma once

#include <QChar>
#include <QString>

#include <stdexcept>

// A failed conversion of text to a number. It escapes the handler that
// converted and ends up in the standard error box. Control characters in
// the text are written escaped ("\x00"), so what() holds all of it.
class ConvertError : public std::runtime_error {
public:
    explicit ConvertError(const QString &text);
};

// The numeric value of one digit character '0'..'9'; throws ConvertError
// for anything else.
int digitValue(QChar c);

