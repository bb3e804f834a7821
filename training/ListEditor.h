// The design shared by the two list editors: a one-column table shown in a
// grid, a name added from a text box, a name deleted from a combo box.
// Formcsh (部门表) and Formbtdy (横) differ only in the texts below.
#pragma once

#include "ListEditorUi.h"
#include "platform/WindowHost.h"

namespace halvern {

struct ListEditorTexts {
    QString caption;
    QString listSql;    // the whole table
    QString deleteSql;  // the rows of one name (one ? for the name)
    QString field;      // the one column the window writes
    QString gridTitle;  // Label1
    QString addTitle;   // Label2
    QString deleteTitle;  // Label3
    QString emptyInput;   // add or delete with an empty box
    QString addFailure;
    QString deleteFailure;
};

class ListEditor : public platform::Form {
public:
    explicit ListEditor(ListEditorTexts texts);
    ListEditorUi ui;
    platform::DataControl* Adodc1 = nullptr;
    QString AppPath;  // the program directory with a trailing separator
    QString DbConnString;

    void Command1_Click();  // add
    void Command2_Click();  // delete
    const ListEditorTexts& Texts() const { return texts_; }

protected:
    void Form_Load() override;

private:
    // Every name of the table into the delete box, whose text ends on the last one.
    void FillDeleteBox();
    // Reads the grid and the delete box again; a failure is reported with failure (%1 = the reason).
    void RefreshList(const QString& failure);

    ListEditorTexts texts_;
};

}  // namespace halvern
