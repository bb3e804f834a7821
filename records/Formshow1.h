#pragma once

#include "Formshow1Ui.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

namespace halvern {

// Read-only view of one leaver (员工离职), the number taken from ViewEmployeeNo.
class Formshow1 : public platform::Form {
public:
    Formshow1();
    QString FormName() const override { return QStringLiteral("Formshow1"); }
    Formshow1Ui ui;
    platform::Skin twotest;

    void Command1_Click();

protected:
    void Form_Load() override;
};

}  // namespace halvern
