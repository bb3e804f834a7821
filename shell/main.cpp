#include "Startup.h"
#include "platform/Fonts.h"
#include "platform/RowHeights.h"
#include "platform/Translations.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const char* platformName = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((!platformName || !*platformName) && (!display || !*display) && (!wayland || !*wayland)) {
        std::fprintf(stderr,
                     "Halvern needs a graphical desktop, and none is available here (DISPLAY is not set).\n"
                     "Start it from a desktop session, or on a machine without one run:\n"
                     "  xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    // A file that grows past the user's file-size limit is a failed write we report, not the end of the program.
    std::signal(SIGXFSZ, SIG_IGN);
    platform::UseChineseSystemLocale();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Halvern"));
    platform::RegisterFontSubstitutions();
    platform::InstallReadableRows();
    platform::LoadQtTranslations();
    if (!halvern::Main()) return 1;
    return app.exec();
}
