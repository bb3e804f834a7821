#pragma once

#include "FormnewUi.h"
#include "platform/DataControl.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

namespace halvern {

// The SQL of one level of an assessment sheet's row headings.
struct RowLevelSql {
    QString list;      // all names, in the order the database keeps them
    QString byName;    // the rows carrying one name (? = the name)
};

// Editor of an assessment sheet's two levels of row headings: level 1 (row
// groups) in the upper half, level 2 (row items) in the lower half. Each half
// adds the typed name and deletes one row of the chosen name.
class RowLayoutEditor : public platform::Form {
public:
    RowLayoutEditor(const QString& caption, RowLevelSql level1, RowLevelSql level2);
    FormnewUi ui;
    platform::Skin twotest;
    platform::DataControl* Adodc1 = nullptr;
    platform::DataControl* Adodc2 = nullptr;

    void Command1_Click();  // add, level 1
    void Command2_Click();  // delete, level 1
    void Command3_Click();  // add, level 2
    void Command4_Click();  // delete, level 2

protected:
    void Form_Load() override;

private:
    struct Half {
        platform::DataControl* adodc;
        QLineEdit* add;
        QComboBox* del;
        RowLevelSql sql;
    };
    void addName(Half& h);
    void deleteName(Half& h);
    void fillCombo(Half& h);
    QString connString_;
    Half level1_;
    Half level2_;
};

// Row layout of the managers' assessment sheet (经理竖2 groups, 经理竖1 items).
class Formnew : public RowLayoutEditor {
public:
    Formnew();
    QString FormName() const override { return QStringLiteral("Formnew"); }
};

}  // namespace halvern
