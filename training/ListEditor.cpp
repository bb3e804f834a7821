#include "ListEditor.h"

#include "platform/MessageBox.h"
#include "platform/ProgramDir.h"
#include "platform/Recordset.h"
#include "common/ModuleState.h"

namespace halvern {

using namespace platform;

namespace {

// %1 = why the list could not be read.
const QString kLoadFailed = QStringLiteral("无法读取列表：%1");
const QString kRefreshFailed = QStringLiteral("无法刷新列表：%1");

void refuse(const QString& text) { MsgBox(text, MsgButtons::OK, MsgIcon::Critical, QStringLiteral("提示")); }

}  // namespace

ListEditor::ListEditor(ListEditorTexts texts) : texts_(std::move(texts)) {
    ui.setupUi(this);
    setWindowTitle(texts_.caption);
    ui.Label1->setText(texts_.gridTitle);
    ui.Label2->setText(texts_.addTitle);
    ui.Label3->setText(texts_.deleteTitle);
    Adodc1 = new DataControl(this);
    ui.MSHFlexGrid1->SetDataSource(Adodc1);
    connect(ui.Command1, &QPushButton::clicked, this, &ListEditor::Command1_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &ListEditor::Command2_Click);
}

void ListEditor::Form_Load() {
    AppPath = ProgramDir();
    if (!AppPath.endsWith(QLatin1Char('/'))) AppPath += QLatin1Char('/');
    DbConnString = halvern::DbConnString();
    Adodc1->ConnectionString = DbConnString;
    Adodc1->CommandType = 1;
    Adodc1->RecordSource = texts_.listSql;
    RefreshList(kLoadFailed);
}

void ListEditor::FillDeleteBox() {
    ui.Text2->clear();
    ui.Text2->setEditText(QString());
    Recordset rs;
    rs.Open(texts_.listSql, DbConnString, LockType::ReadOnly);
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) {
        const QString name = rs.Text(texts_.field);
        ui.Text2->addItem(name);
        ui.Text2->setEditText(name);
    }
    rs.Close();
}

void ListEditor::RefreshList(const QString& failure) {
    try {
        Adodc1->Refresh();
        FillDeleteBox();
    } catch (const DbError& e) {
        refuse(failure.arg(e.message()));
    }
}

void ListEditor::Command1_Click() {
    if (ui.Text1->text().isEmpty()) {
        refuse(texts_.emptyInput);
        return;
    }
    try {
        Recordset rs;
        rs.Open(texts_.listSql, DbConnString, LockType::Pessimistic);
        rs.AddNew();
        rs.SetField(texts_.field, ui.Text1->text());
        rs.Update();
        rs.Close();
    } catch (const DbError&) {
        refuse(texts_.addFailure);
        return;
    }
    RefreshList(kRefreshFailed);
    ui.Text1->clear();
}

void ListEditor::Command2_Click() {
    const QString name = ui.Text2->currentText();
    if (name.isEmpty()) {
        refuse(texts_.emptyInput);
        return;
    }
    try {
        // The first row of the name only, also when several carry it.
        Recordset rs;
        rs.Open(texts_.deleteSql, DbConnString, LockType::Pessimistic, {name});
        rs.MoveFirst();
        rs.Delete();
        rs.Close();
    } catch (const DbError&) {
        refuse(texts_.deleteFailure);
        return;
    }
    RefreshList(kRefreshFailed);
}

}  // namespace halvern
