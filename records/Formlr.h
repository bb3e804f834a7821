#pragma once

#include "common/EmployeeRecord.h"
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

    // Fills the nationality list (Combo2) and the department list (text3) of
    // ui; the modify window fills its lists the same way. Throws DbError.
    static void FillLists(FormlrUi& ui, const QString& connString);
    // The boxes of ui as a new employee, stored as this window stores them:
    // number and name trimmed, 性别 as shown, every other text followed by one
    // blank, dates as dates (Null when empty). Throws DbError for a date box
    // whose text is no date.
    static EmployeeRecord EnteredEmployee(const FormlrUi& ui);

protected:
    void Form_Load() override;

private:
    void ClearForNextEntry();
};

}  // namespace halvern
