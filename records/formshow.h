#pragma once

#include "formshowUi.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

namespace halvern {

// Read-only view of one current employee (员工信息), the number taken from ViewEmployeeNo.
class formshow : public platform::Form {
public:
    formshow();
    QString FormName() const override { return QStringLiteral("formshow"); }
    formshowUi ui;
    platform::Skin twotest;

    void Command1_Click();

protected:
    void Form_Load() override;
};

// Shared by both record views.
namespace recordview {
// Fills the view from the row of sql (one "?", the employee's number): the
// values, the photograph, then the history from 覆历. A number that names no
// row leaves the view empty and says nothing; a failure to read is reported.
// photoFailureEndsLoad: a photograph that will not load leaves the history empty.
void Fill(RecordViewUi& ui, const QString& sql, const QString& employeeNo, bool photoFailureEndsLoad);
}  // namespace recordview

}  // namespace halvern
