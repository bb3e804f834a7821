#include "Formlr.h"

#include "EmployeeRecord.h"
#include "platform/MessageBox.h"
#include "platform/Recordset.h"
#include "common/ModuleState.h"

namespace halvern {

using namespace platform;

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
        FillEmployeeLists(ui, ConnString);
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
        photoInPlace = StoreNewEmployee(ui, ConnString, Module().PicturePath);
    } catch (const std::exception& e) {
        ReportSaveFailure(e);
        ui.Combo2->setEditText(QStringLiteral("汉族"));
        return;
    }
    if (!photoInPlace) ReportPhotoNotCopied();
    ClearForNextEntry();
    RefreshMainGrid();
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
