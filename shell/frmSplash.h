#pragma once

#include "frmSplashUi.h"
#include "platform/WindowHost.h"

namespace halvern {

// The splash window: its picture for 13 ticks of 200 ms, then the sign-in.
class frmSplash : public platform::Form {
public:
    frmSplash();
    QString FormName() const override { return QStringLiteral("frmSplash"); }
    frmSplashUi ui;

    void Timer1_Timer();
    int Ticks() const { return ticks_; }

protected:
    void Form_Load() override;

private:
    short ticks_ = 0;
};

}  // namespace halvern
