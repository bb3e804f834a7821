#pragma once

#include "formshowUi.h"
#include "common/EmployeeRecord.h"
#include "platform/Database.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

#include <functional>
#include <optional>

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
// Shows a stored row: each value label its column's value as stored (dates in
// the short date form, Null as empty text). valueOf reads the row; DbError
// reaches the caller.
void ShowValues(RecordViewUi& ui, const std::function<QVariant(const QString&)>& valueOf);
// Shows the photograph a stored 图片 names; false when it names one that cannot be loaded.
bool ShowPhoto(RecordViewUi& ui, const QString& picture);
// Shows the history from 覆历 that historyOf finds for the number (the current
// employee's or the leaver's), when there is one; a failure to read is reported.
void ShowHistory(RecordViewUi& ui, const QString& employeeNo,
                 std::optional<CareerHistory> (*historyOf)(platform::Connection&, const QString&));
// The message of a record that cannot be read.
void ReportReadFailure(const platform::DbError& e);
}  // namespace recordview

}  // namespace halvern
