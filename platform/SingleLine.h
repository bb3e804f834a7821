// Single-line boxes hold one line: a line break or tab that reaches one by
// pasting, dropping or an input method becomes a blank, so no stored value and
// no file name built from a box ever spans lines.
#pragma once

#include <QString>

namespace platform {

// The text with each line break (CR LF, CR or LF) and each tab made one blank.
QString OneLine(const QString& text);
// Watches every single-line box of the program from now on; once is enough.
void KeepBoxesToOneLine();

}  // namespace platform
