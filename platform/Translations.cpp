#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

bool LoadQtTranslations() {
    static QTranslator* qt = nullptr;
    if (qt) return true;
    // Dates and names in Qt's dialogs and calendars follow the program's language too.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    auto* translator = new QTranslator(QCoreApplication::instance());
    // "qt_zh_CN" gathers the catalogues of every Qt module (qtbase and the rest).
    const QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                              QStringLiteral("/usr/share/qt6/translations")};
    for (const QString& folder : folders) {
        if (translator->load(QStringLiteral("qt_zh_CN"), folder) && QCoreApplication::installTranslator(translator)) {
            qt = translator;
            return true;
        }
    }
    delete translator;
    return false;
}

}  // namespace platform
