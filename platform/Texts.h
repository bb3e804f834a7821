// Texts as the platform's string functions treat them.
#pragma once

#include <QString>

namespace platform {

// The text without the blanks (U+0020) at its ends, as the platform's Trim
// gives it: line breaks, tabs and every other character stay, also at the ends.
QString TrimBlanks(const QString& text);

}  // namespace platform
