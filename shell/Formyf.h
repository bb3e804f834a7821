#pragma once

#include "FormyfUi.h"
#include "platform/WindowHost.h"

namespace halvern {

// Account management: the signed-in user replaces the name and password of the
// account used to sign in (table cuser of cuser.mdb).
class Formyf : public platform::Form {
public:
    Formyf();
    QString FormName() const override { return QStringLiteral("Formyf"); }
    FormyfUi ui;

    void Command1_Click();
};

}  // namespace halvern
