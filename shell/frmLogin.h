#pragma once

#include "frmLoginUi.h"
#include "platform/WindowHost.h"

namespace halvern {

// The sign-in window: a name and password checked against table cuser of cuser.mdb.
class frmLogin : public platform::Form {
public:
    frmLogin();
    QString FormName() const override { return QStringLiteral("frmLogin"); }
    frmLoginUi ui;
    bool LoginSucceeded = false;

    void cmdOK_Click();
    void cmdCancel_Click();
};

}  // namespace halvern
