#pragma once

#include <QString>

// The text of the How to Play window, as HTML. Its list of techniques per
// level comes from the grader's ladder table, so the two never differ.
namespace howtoplay {

// The techniques a level of the bank may need beyond those of the levels
// below it, comma-separated, as the ladder names them.
QString techniquesOf(int level);

QString html();

} // namespace howtoplay
