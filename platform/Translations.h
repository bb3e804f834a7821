// Qt's own dialogs (file, print, page set-up) and standard buttons speak the
// program's language: Debian's Qt translations in Chinese are loaded at start.
#pragma once

namespace platform {

// Makes Chinese the default locale and installs the Chinese translation of
// Qt's own texts; false when that translation is not installed, in which
// case Qt's dialogs keep their English texts.
bool LoadQtTranslations();

}  // namespace platform
