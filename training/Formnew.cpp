#include "Formnew.h"

#include "platform/MessageBox.h"
#include "platform/Recordset.h"
#include "common/ApplySkin.h"
#include "common/ModuleState.h"

namespace halvern {

using namespace platform;

namespace {

const QString kGroupsSql = QStringLiteral("select su from 经理竖2");
const QString kGroupByNameSql = QStringLiteral("select su from 经理竖2 where su=?");
const QString kItemsSql = QStringLiteral("select su from 经理竖1");
const QString kItemByNameSql = QStringLiteral("select su from 经理竖1 where su=?");

const QString kEmptyInput = QStringLiteral("请填写栏目");
const QString kAddFailed = QStringLiteral("异常错误！！！");
const QString kDeleteFailed = QStringLiteral("输入有误！");

}  // namespace

RowLayoutEditor::RowLayoutEditor(const QString& caption, RowLevelSql level1, RowLevelSql level2) {
    ui.setupUi(this, caption);
    Adodc1 = new DataControl(this);
    Adodc2 = new DataControl(this);
    ui.MSHFlexGrid1->SetDataSource(Adodc1);
    ui.MSHFlexGrid2->SetDataSource(Adodc2);
    level1_ = {Adodc1, ui.Text1, ui.Text2, std::move(level1)};
    level2_ = {Adodc2, ui.text3, ui.Text4, std::move(level2)};
    connect(ui.Command1, &QPushButton::clicked, this, &RowLayoutEditor::Command1_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &RowLayoutEditor::Command2_Click);
    connect(ui.Command3, &QPushButton::clicked, this, &RowLayoutEditor::Command3_Click);
    connect(ui.Command4, &QPushButton::clicked, this, &RowLayoutEditor::Command4_Click);
}

void RowLayoutEditor::Form_Load() {
    ApplySkin(*this, twotest);
    connString_ = DbConnString();
    try {
        for (Half* h : {&level1_, &level2_}) {
            h->adodc->ConnectionString = connString_;
            h->adodc->CommandType = 1;
            h->adodc->RecordSource = h->sql.list;
            h->adodc->Refresh();
        }
        ui.MSHFlexGrid1->setColumnWidth(0, 220);
        ui.MSHFlexGrid2->setColumnWidth(0, 220);
        fillCombo(level1_);
        fillCombo(level2_);
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("读取考核表定义失败：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
    }
}

void RowLayoutEditor::fillCombo(Half& h) {
    h.del->clear();
    Recordset rs;
    rs.Open(h.sql.list, connString_, LockType::ReadOnly);
    for (; !rs.EOF_(); rs.MoveNext()) {
        const QString name = rs.Text(QStringLiteral("su"));
        h.del->addItem(name);
        h.del->setEditText(name);
    }
    rs.Close();
}

void RowLayoutEditor::addName(Half& h) {
    if (h.add->text().isEmpty()) {
        MsgBox(kEmptyInput, MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    try {
        Recordset rs;
        rs.Open(h.sql.list, connString_, LockType::Pessimistic);
        rs.AddNew();
        rs.SetField(QStringLiteral("su"), h.add->text());
        rs.Update();
        rs.Close();
        h.adodc->Refresh();
        fillCombo(h);
    } catch (const DbError&) {
        MsgBox(kAddFailed, MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    h.add->clear();
}

void RowLayoutEditor::deleteName(Half& h) {
    const QString name = h.del->currentText();
    if (name.isEmpty()) {
        MsgBox(kEmptyInput, MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    try {
        Recordset rs;
        rs.Open(h.sql.byName, connString_, LockType::Pessimistic, {name});
        // One row only, also when several carry the name.
        rs.Delete();
        rs.Close();
        h.adodc->Refresh();
        fillCombo(h);
    } catch (const DbError&) {
        MsgBox(kDeleteFailed, MsgButtons::OK, MsgIcon::Critical);
    }
}

void RowLayoutEditor::Command1_Click() { addName(level1_); }
void RowLayoutEditor::Command2_Click() { deleteName(level1_); }
void RowLayoutEditor::Command3_Click() { addName(level2_); }
void RowLayoutEditor::Command4_Click() { deleteName(level2_); }

Formnew::Formnew()
    : RowLayoutEditor(QStringLiteral("经理考核表定义"), {kGroupsSql, kGroupByNameSql}, {kItemsSql, kItemByNameSql}) {}

}  // namespace halvern
