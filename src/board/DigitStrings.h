#pragma once

#include <QString>

// String routines on candidate lists.

// The digits 1..9, ascending, that occur in a or in b.
QString AddDigits(const QString &a, const QString &b);
// s without the first occurrence of t; s itself when t does not occur.
QString RemoveDigit(const QString &s, const QString &t);
// s without one occurrence of each character of t, taken from t's last
// character to its first.
QString DeleteDigits(const QString &s, const QString &t);
