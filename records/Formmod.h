#pragma once

#include "EntryRules.h"
#include "FormmodUi.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

namespace halvern {

// Modify window of the employee named by CurrentEmployeeNo: loads its
// 员工信息 and 覆历 rows, saves both back together and closes. Opened with
// no employee (or a number that names none) it enters a new employee.
class Formmod : public platform::Form {
    Q_OBJECT
public:
    Formmod();
    QString FormName() const override { return QStringLiteral("Formmod"); }
    FormmodUi ui;
    QString ConnString;

    void Command1_Click();  // 确  定: save and close
    void Command2_Click();  // 退  出
    void Command3_Click();  // 详细覆历修改
    void Frame2_Click();
    void Image1_Click();
    void Label5_Click();

    void Text6_KeyPress(int& KeyAscii);
    void Text14_KeyPress(int& KeyAscii);
    void Text24_KeyPress(int& KeyAscii);
    void Text25_KeyPress(int& KeyAscii);
    void Text15_KeyPress(int& KeyAscii);
    const TabOrder& Order() const { return order_; }

    // True when the load found no employee, so the save adds one.
    bool IsNewEmployee() const { return newEmployee_; }

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    void LoadEmployee();
    void LoadHistory();
    // Writes the boxes back over the loaded employee; throws DbError when nothing was stored.
    bool StoreChanges();
    void OpenPicker();

    platform::Skin twotest;
    TabOrder order_;
    QString employeeNo_;  // CurrentEmployeeNo when the window loaded
    bool newEmployee_ = true;
};

}  // namespace halvern
