#include "platform/Fonts.h"
#include "platform/RowHeights.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Tests never need a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A test decides itself when "the program" ends (ProgramTest::programEnded).
    QApplication::setQuitOnLastWindowClosed(false);
    platform::RegisterFontSubstitutions();
    platform::InstallReadableRows();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
