// A test of how a window reads: the window is opened as the program opens
// it and then measured (WindowLook.h).
#pragma once

#include "TestProgram.h"
#include "WindowLook.h"

#include "platform/WindowHost.h"

namespace halvern::test {

class WindowLookTest : public ProgramTest {
protected:
    // Opens the default instance of W the program's way and measures it.
    template <class W>
    void expectReadable() {
        W* w = platform::WindowHost::Default<W>();
        platform::WindowHost::Show(w, platform::ShowMode::Modal);
        expectReadable(w);
    }
    static void expectReadable(QWidget* w) {
        ASSERT_TRUE(w);
        const QStringList cramped = CrampedParts(w);
        EXPECT_TRUE(cramped.isEmpty()) << cramped.join(QLatin1Char('\n')).toStdString();
    }
};

}  // namespace halvern::test
