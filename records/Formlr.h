#pragma once

#include "EmployeeWindow.h"
#include "FormlrUi.h"

namespace halvern {

// Entry of new employees, one after another: the window clears itself after
// each save and stays open.
class Formlr : public EmployeeWindow {
public:
    Formlr();
    QString FormName() const override { return QStringLiteral("Formlr"); }
    FormlrUi ui;

    void Command1_Click();  // 确  定: save

protected:
    void Form_Load() override;

private:
    void ClearForNextEntry();
};

}  // namespace halvern
