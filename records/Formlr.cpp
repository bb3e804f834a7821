#include "Formlr.h"

#include "platform/Dates.h"
#include "platform/MessageBox.h"
#include "platform/Recordset.h"
#include "platform/Texts.h"
#include "common/ModuleState.h"

namespace halvern {

using namespace platform;

namespace {

const QString kNationSql = QStringLiteral("select 民族 from 民族");
const QString kDepartmentSql = QStringLiteral("select * from 部门表");

// A text column as this window stores it: as typed, then one blank.
QString spaced(const QString& text) { return text + QLatin1Char(' '); }

}  // namespace

Formlr::Formlr() : EmployeeWindow(EntryVariant::Entry) {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &Formlr::Command1_Click);
    ConnectShared(ui, ui.EntryTabOrder(),
                  {ui.Text1,  ui.Combo1, ui.Text2,  ui.text3,  ui.Combo2, ui.Text4,  ui.Text9,
                   ui.text17, ui.Text10, ui.Text11, ui.Text7,  ui.Text12, ui.Text5,  ui.Text16,
                   ui.Text13, ui.Text19, ui.Text20, ui.Text21, ui.Text23, ui.Text22, ui.Text26,
                   ui.Text18, ui.Text27, ui.Text28, ui.Text29, ui.Text30, ui.Text8});
}

void Formlr::Form_Load() {
    LoadShared();
    try {
        FillLists(ui, ConnString);
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("无法读取民族或部门列表：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
    }
    ui.Text1->setFocus();
}

void Formlr::Command1_Click() {
    ui.Label5->setVisible(true);
    if (ui.Text1->text().isEmpty() || ui.Text2->text().isEmpty()) {
        MsgBox(QStringLiteral("员工编号 和 姓名 不能为空!"), MsgButtons::OK, MsgIcon::Information, QStringLiteral("提示"));
        return;
    }
    bool photoInPlace = true;
    try {
        auto conn = Connection::open(ConnString);
        const EmployeeRecord employee = EnteredEmployee(ui);
        photoInPlace = employee.Store(*conn, {Module().PicturePath, ui.Text1->text()});
    } catch (const std::exception& e) {
        ReportSaveFailure(e);
        ui.Combo2->setEditText(QStringLiteral("汉族"));
        return;
    }
    if (!photoInPlace) ReportPhotoNotCopied();
    ClearForNextEntry();
    RefreshMainGrid();
}

void Formlr::FillLists(FormlrUi& ui, const QString& connString) {
    auto conn = Connection::open(connString);
    const QString nation = ui.Combo2->currentText();
    Recordset rs;
    rs.Open(kNationSql, conn, LockType::ReadOnly);
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) ui.Combo2->addItem(rs.Text(QStringLiteral("民族")));
    rs.Close();
    ui.Combo2->setEditText(nation);

    rs.Open(kDepartmentSql, conn, LockType::ReadOnly);
    // An empty department list leaves the box empty.
    const QString first = rs.RecordCount() > 0 ? rs.Text(QStringLiteral("部门")) : QString();
    for (rs.MoveFirst(); !rs.EOF_(); rs.MoveNext()) ui.text3->addItem(rs.Text(QStringLiteral("部门")));
    rs.Close();
    ui.text3->setEditText(first);
}

EmployeeRecord Formlr::EnteredEmployee(const FormlrUi& ui) {
    EmployeeRecord employee;
    employee.Set(QStringLiteral("员工编号"), TrimBlanks(ui.Text1->text()));
    employee.Set(QStringLiteral("姓名"), TrimBlanks(ui.Text2->text()));
    employee.Set(QStringLiteral("性别"), ui.Combo1->currentText());
    for (const auto& [column, box, date] : ui.EmployeeBoxes())
        employee.Set(column, date ? TypedDateValue(BoxText(box)) : QVariant(spaced(BoxText(box))));
    // 主要履历 is not written here, and 图片 only for a chosen photograph.

    CareerHistory& history = employee.history.emplace();
    StoreHistoryBoxes(ui, history);
    return employee;
}

void Formlr::ClearForNextEntry() {
    for (QLineEdit* box : {ui.Text1,  ui.Text2,  ui.Text4,  ui.Text9,  ui.Text6,  ui.Text10, ui.Text11,
                           ui.Text12, ui.Text5,  ui.Text15, ui.Text7,  ui.Text16, ui.Text20, ui.Text21,
                           ui.Text22, ui.Text14, ui.Text23, ui.Text24, ui.Text25, ui.Text26, ui.Text18,
                           ui.Text27, ui.Text28, ui.Text29, ui.Text30})
        box->clear();
    for (QComboBox* box : {ui.Text8, ui.text3, ui.text17}) box->setEditText(QString());
    ui.Text13->setEditText(QStringLiteral("团员"));
    ui.Text19->setEditText(QStringLiteral("英语四级"));
    ui.Combo2->setEditText(QStringLiteral("汉族"));
    ui.SetPhoto(QPixmap());
    Module().PicturePath.clear();
}

}  // namespace halvern
