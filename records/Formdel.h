#pragma once

#include "FormdelUi.h"
#include "platform/WindowHost.h"

namespace halvern {

// Deletes a leaver for good: the 员工离职 row, the 覆历 row and the photograph in pic.
class Formdel : public platform::Form {
public:
    Formdel();
    QString FormName() const override { return QStringLiteral("Formdel"); }
    FormdelUi ui;

    void Command1_Click();

protected:
    void Form_Load() override;
};

}  // namespace halvern
