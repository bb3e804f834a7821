#pragma once

#include "frmdadjUi.h"
#include "platform/Recordset.h"
#include "platform/Skin.h"
#include "platform/Texts.h"
#include "platform/WindowHost.h"
#include "common/EmployeeRecord.h"
#include "common/EntryRules.h"

namespace halvern {

// What a box's text is before the one blank stored after it: as typed (the
// register), or without its trailing blanks (the modify window, whose boxes
// show each value with a blank after it, so that a save of unchanged boxes
// stores what was there).
enum class TrainingText { AsTyped, WithoutTrailingBlanks };
// Writes the twelve columns of 培训 from the boxes into the record set's
// pending row: 员工编号 as typed, every other column with one blank appended.
void StoreTrainingRow(platform::Recordset& rs, const TrainingBoxes& boxes, TrainingText text);
// Shows the current row of a 培训 record set, each column trimmed and followed
// by one blank (a Null or " " shows as the blank alone).
void ShowTrainingRow(const platform::Recordset& rs, TrainingBoxes& boxes);
// Empties every box but the department, which the next record usually shares.
void ClearTrainingBoxes(TrainingBoxes& boxes);
// Where a save puts the boxes: a new row of the record set, or the row it read.
enum class TrainingSaveInto { NewRow, RowRead };
enum class TrainingSaved { Yes, RowGone, Failed };
// Writes the boxes into 培训 through the record set sql opens for writing.
// RowGone (nothing written) when the row to overwrite is no longer there;
// Failed once the user has been told why the database refused the row.
TrainingSaved SaveTrainingRow(const QString& connString, const QString& sql, const QVariantList& params,
                              TrainingSaveInto into, TrainingText text, const TrainingBoxes& boxes);

// Training record register: adds rows to 培训 one after another; a quick
// search and the Enter look-ups find the employee.
class frmdadj : public platform::Form {
public:
    frmdadj();
    QString FormName() const override { return QStringLiteral("frmdadj"); }
    frmdadjUi ui;
    platform::Skin twotest;

    void Command1_Click();
    void Command2_Click();
    void list1_Click();
    void Text1_KeyPress(int& KeyAscii);
    void Text2_KeyPress(int& KeyAscii);
    // The handlers of text3 and Text4 to Text12: Enter moves on.
    void EnterMovesOn_KeyPress(QWidget* box, int& KeyAscii);

protected:
    void Form_Load() override;

private:
    // An employee found by number or by name (EmployeeRecord::Load, FindByName).
    using EmployeeFinder = std::optional<EmployeeRecord> (*)(platform::Connection&, const QString&);
    // The employee find gives for value fills other with his otherField and text3 with his department.
    void lookUp(EmployeeFinder find, const QString& value, QLineEdit* other, const QString& otherField);
    QString connString_;
    TabOrder tabOrder_;
};

}  // namespace halvern
