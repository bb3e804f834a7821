// Qt's own dialogs (file, print, page set-up) and standard buttons speak the
// program's language whatever the desktop's locale: Debian's Qt translations
// in Chinese are loaded at start, with our own for the few texts they lack,
// and the dates and sizes Qt takes from the system's locale are Chinese too.
#pragma once

#include <QProcessEnvironment>

namespace platform {

// Before the QApplication is created: the locale Qt reads from the
// environment writes its dates and words in Chinese (LC_TIME, LC_MESSAGES),
// while the C library's character set and every other category keep the
// desktop's locale (input, file names, sorting, numbers).
void UseChineseSystemLocale();

// The environment as the desktop gave it, for the programs we start: the
// desktop's spreadsheet program speaks the desktop's language, not ours.
QProcessEnvironment DesktopEnvironment();

// Makes Chinese the default locale and installs the Chinese translation of
// Qt's own texts; false when Debian's translation is not installed, in which
// case Qt's dialogs keep their English texts but for our own few.
bool LoadQtTranslations();

}  // namespace platform
