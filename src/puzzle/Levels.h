#pragma once

#include <QString>

// The five levels of the bank and the level of a puzzle of unknown origin.
namespace levels {

inline constexpr int kCount = 5;       // 0 Very Easy .. 4 Diabolical
inline constexpr int kUnknown = 5;     // imported puzzles
inline constexpr const char *kNames[] = {"Very Easy", "Gentle", "Moderate", "Tough", "Diabolical", "Unknown"};

// "  Level:" and the name, as the tool bar shows it; empty outside 0..5.
inline QString caption(int level)
{
    if (level < 0 || level > kUnknown)
        return QString();
    return QStringLiteral("  Level:") + QString::fromLatin1(kNames[level]);
}

} // namespace levels
