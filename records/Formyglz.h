#pragma once

#include "FormyglzUi.h"
#include "platform/WindowHost.h"

namespace halvern {

// Moves a current employee (员工信息) into the leavers (员工离职) with the reason
// and date of leaving; history and photograph stay.
class Formyglz : public platform::Form {
public:
    Formyglz();
    QString FormName() const override { return QStringLiteral("Formyglz"); }
    FormyglzUi ui;

    void Command1_Click();

protected:
    void Form_Load() override;
};

}  // namespace halvern
