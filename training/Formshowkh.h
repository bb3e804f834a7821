#pragma once

#include "FormshowkhUi.h"
#include "platform/Database.h"
#include "platform/Recordset.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

namespace halvern {

// The SQL of one kind of assessment sheet (managers' or staff).
struct SheetSql {
    QString headings;   // column headings, in id order
    QString items;      // row items, in id order
    QString groups;     // row groups, in id order
    QString sheet;      // the employee's stored rows in id order (? = employee number)
    QString newRows;    // the sheet table opened for appending, no rows read
    QString stampYear;  // year stamp on every row of the employee (? = year, employee number)
};

// One employee's assessment sheet: the grid laid out from the headings,
// filled from the stored rows, edited in place, saved and exported.
class AssessmentSheet : public platform::Form {
public:
    using Layout = void (*)(FormshowkhUi& ui, QWidget* window);
    AssessmentSheet(SheetSql sql, Layout layout, bool gridFirstInTabOrder);
    FormshowkhUi ui;
    platform::Skin twotest;

    bool EditMode = false;   // in-place editing is on ("保  存" on Command2)
    bool NoSheet = false;    // the employee had no stored rows
    bool MoreRows = false;   // as many stored rows as data rows, or more
    bool FewerRows = false;  // some stored rows, fewer than data rows
    int StoredRows = 0;
    int SurplusRows = 0;  // stored rows the next save deletes
    int MissingRows = 0;  // data rows the next save adds

    void MSFlexGrid1_Refresh();
    void MSFlexGrid1_ReadData();
    void Command2_Click();
    void MSFlexGrid1_GotFocus();
    void Input_Text_Left();
    void Input_Text_Change();
    void Input_Text_KeyPress(int& KeyAscii);
    void MSFlexGrid1_KeyPress(int& KeyAscii);
    void Move_Next_Col();
    void Command1_Click();

    // The cells the export writes: worksheet row and column (from 1) and text.
    struct ExportCell {
        int row;
        int column;
        QString text;
    };
    QList<ExportCell> ExportCells() const;
    // How many heading columns have a field to be stored in (a1, a2, …).
    int StorableColumns() const { return storable_; }

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int dataRows() const { return ui.MSFlexGrid1->Rows() - 1; }
    bool isEditableCell(int row, int col) const;
    void placeEditor();
    void followCurrentCell();
    bool currentCellShown() const;
    void leaveGrid(bool forward);
    void hideEditorInGrid();
    void writeRow(platform::Recordset& rs, int row) const;
    void sava_data(platform::ConnectionPtr conn);

    SheetSql sql_;
    QString connString_;
    QString key_;
    int storable_ = 0;
    bool inGotFocus_ = false;
    int gotFocusRuns_ = 0;
    QWidget* firstControl_ = nullptr;  // the window opens with the focus here
};

// The managers' assessment sheet (经理, 经理竖1, 经理竖2).
class Formshowkh : public AssessmentSheet {
public:
    Formshowkh();
    QString FormName() const override { return QStringLiteral("Formshowkh"); }
};

}  // namespace halvern
