#pragma once

#include "formshowUi.h"
#include "platform/Recordset.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

namespace halvern {

// Read-only view of one current employee (员工信息), the number taken from ViewEmployeeNo.
class formshow : public platform::Form {
    Q_OBJECT
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
// A stored value as the views show it: Null as empty text, dates in the short date form.
QString Shown(const platform::Recordset& rs, const QString& column);
// The photograph named by the row's 图片; false when it names one that cannot be loaded.
bool ShowPhoto(const platform::Recordset& rs, QLabel* image);
// Fills Text27..Text30 from the employee's 覆历 row; DbError reaches the caller.
void FillHistory(RecordViewUi& ui, const QString& employeeNo);
// Tells the user that the record could not be read.
void ReportReadFailure(const platform::DbError& e);
}  // namespace recordview

}  // namespace halvern
