#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>
#include <cstring>

#include <langinfo.h>

namespace platform {

namespace {

// Texts of Qt's dialogs that Debian's qt_zh_CN lacks: Qt 6 moved the file
// dialog's type names ("Folder" in its type column) to a context of their own,
// and the catalogue still has them only under the old one.
class MissingQtTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        struct Text {
            const char* context;
            const char* source;
            const char16_t* chinese;
        };
        static constexpr Text texts[] = {
            {"QAbstractFileIconProvider", "Folder", u"文件夹"},
            {"QAbstractFileIconProvider", "File Folder", u"文件夹"},
            {"QAbstractFileIconProvider", "Directory", u"目录"},
            {"QAbstractFileIconProvider", "Drive", u"驱动器"},
            {"QAbstractFileIconProvider", "Unknown", u"未知"},
        };
        if (!context || !source) return {};
        for (const Text& t : texts)
            if (std::strcmp(context, t.context) == 0 && std::strcmp(source, t.source) == 0)
                return QString::fromUtf16(t.chinese);
        return {};
    }
    bool isEmpty() const override { return false; }
};

// The categories LC_ALL stands for, but for LC_TIME and LC_MESSAGES.
constexpr const char* kDesktopCategories[] = {"LC_CTYPE",     "LC_NUMERIC",     "LC_COLLATE",       "LC_MONETARY",
                                              "LC_PAPER",     "LC_NAME",        "LC_ADDRESS",       "LC_TELEPHONE",
                                              "LC_MEASUREMENT", "LC_IDENTIFICATION"};

QProcessEnvironment& desktopEnvironment() {
    static QProcessEnvironment env;
    return env;
}

}  // namespace

void UseChineseSystemLocale() {
    desktopEnvironment() = QProcessEnvironment::systemEnvironment();
    // The C library takes the desktop's locale while the environment still
    // names it. QApplication asks again once the variables name Chinese, and
    // where zh_CN is not installed that request fails whole and changes
    // nothing, so input and file names keep the desktop's character set.
    std::setlocale(LC_ALL, "");
    // A desktop locale that is no UTF-8 one, or one the system lacks (the C
    // library then falls back to ASCII), cannot name our files, which are
    // UTF-8: the programs we start get the same locale with UTF-8 characters.
    const char* ctype = std::setlocale(LC_CTYPE, "");
    if (!ctype || std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0)
        desktopEnvironment().insert(desktopEnvironment().contains(QStringLiteral("LC_ALL")) ? QStringLiteral("LC_ALL")
                                                                                            : QStringLiteral("LC_CTYPE"),
                                    QStringLiteral("C.UTF-8"));
    // LC_ALL would hide ours: each other category keeps its value instead.
    const QByteArray all = qgetenv("LC_ALL");
    if (!all.isEmpty()) {
        for (const char* category : kDesktopCategories) qputenv(category, all);
        qunsetenv("LC_ALL");
    }
    // Qt's file dialog writes its dates in QLocale::system()'s format (LC_TIME)
    // and its sizes with the units of QLocale::system()'s language, which
    // LC_MESSAGES names unless LANGUAGE names another first.
    qputenv("LC_TIME", "zh_CN.UTF-8");
    qputenv("LC_MESSAGES", "zh_CN.UTF-8");
    qunsetenv("LANGUAGE");
}

QProcessEnvironment DesktopEnvironment() {
    // Not set up (the tests): the environment as it is.
    if (desktopEnvironment().isEmpty()) return QProcessEnvironment::systemEnvironment();
    return desktopEnvironment();
}

bool LoadQtTranslations() {
    static QTranslator* qt = nullptr;
    static QTranslator* ours = nullptr;
    if (qt) return true;
    // Dates and names in Qt's dialogs and calendars follow the program's language too.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    // Installed first, so Debian's catalogue, installed after it, is asked first.
    if (!ours) {
        ours = new MissingQtTexts(QCoreApplication::instance());
        QCoreApplication::installTranslator(ours);
    }
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
