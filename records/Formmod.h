#pragma once

#include "common/EmployeeRecord.h"
#include "EmployeeWindow.h"
#include "FormmodUi.h"

#include <optional>

namespace halvern {

// Modify window of the employee named by CurrentEmployeeNo: loads its
// 员工信息 and 覆历 rows, saves both back together and closes. Opened with
// no employee (or a number that names none) it enters a new employee.
class Formmod : public EmployeeWindow {
public:
    Formmod();
    QString FormName() const override { return QStringLiteral("Formmod"); }
    FormmodUi ui;

    void Command1_Click();  // 确  定: save and close

    // True when the load found no employee, so the save adds one.
    bool IsNewEmployee() const { return !employee_.has_value(); }

protected:
    void Form_Load() override;

private:
    void showEmployee(const EmployeeRecord& employee);
    void showHistory(const CareerHistory& history);
    // The loaded employee with the boxes stored over him, as this window stores them.
    EmployeeRecord changedEmployee() const;

    std::optional<EmployeeRecord> employee_;  // as loaded; nothing for a new employee
};

}  // namespace halvern
