#include "frmSplash.h"

#include "frmLogin.h"
#include "platform/Pictures.h"
#include "platform/ProgramDir.h"

namespace halvern {

using namespace platform;

frmSplash::frmSplash() {
    ui.setupUi(this);
    connect(ui.Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

void frmSplash::Form_Load() {
    ticks_ = 0;
    // A missing picture shows an empty splash.
    ui.Image1->setPixmap(LoadPicture(ProgramPath(QStringLiteral("varno.jpg"))));
    ui.Timer1->start();
}

void frmSplash::Timer1_Timer() {
    ++ticks_;
    if (ticks_ != 13) return;
    ui.Timer1->stop();
    Unload();
    WindowHost::Show(WindowHost::Default<frmLogin>(), ShowMode::Modeless);
}

}  // namespace halvern
