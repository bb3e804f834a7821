#include "Formmod.h"

#include "EmployeeRecord.h"
#include "platform/MessageBox.h"
#include "platform/Recordset.h"
#include "common/ModuleState.h"

namespace halvern {

using namespace platform;

namespace {

void showNoEmployee() {
    MsgBox(QStringLiteral("未选中在职员工，所输内容将为新员工"), MsgButtons::OK, MsgIcon::Critical, QStringLiteral("提示"));
}

}  // namespace

Formmod::Formmod() : EmployeeWindow(EntryVariant::Modify) {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &Formmod::Command1_Click);
    // Enter in 工作经历, 奖罚记录 and 本公司经历 has no rule here.
    ConnectShared(ui, ui.ModifyTabOrder(),
                  {ui.Text1,  ui.Combo1, ui.Text2,  ui.text3,  ui.Combo2, ui.Text4,
                   ui.Text9,  ui.text17, ui.Text10, ui.Text11, ui.Text7,  ui.Text12,
                   ui.Text5,  ui.Text16, ui.Text13, ui.Text19, ui.Text20, ui.Text21,
                   ui.Text23, ui.Text22, ui.Text26, ui.Text18, ui.Text27, ui.Text8});
}

void Formmod::Form_Load() {
    employeeNo_ = Module().CurrentEmployeeNo;
    if (employeeNo_.isEmpty()) showNoEmployee();
    LoadShared();
    newEmployee_ = true;
    try {
        FillEmployeeLists(ui, ConnString);
        if (!employeeNo_.isEmpty()) newEmployee_ = !LoadEmployee(ui, ConnString, employeeNo_);
    } catch (const DbError& e) {
        // Open with empty boxes, the window's 确定 would store them as a new employee.
        MsgBox(QStringLiteral("无法读取员工资料，不能修改：\n%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
        Unload();
        return;
    }
    // A number that names no employee (another column's cell) is treated as no selection.
    if (!employeeNo_.isEmpty() && newEmployee_) showNoEmployee();
    if (!newEmployee_) LoadEmployeeHistory(ui, ConnString, employeeNo_);
    ui.Text1->setFocus();
}

void Formmod::Command1_Click() {
    if (ui.Text1->text().isEmpty() || ui.Text2->text().isEmpty()) {
        if (newEmployee_)
            MsgBox(QStringLiteral("员工编号 和 姓名 不能为空!"), MsgButtons::OK, MsgIcon::Information,
                   QStringLiteral("提示"));
        else
            MsgBox(QStringLiteral("员工编号 和 姓名 不能为空!"), MsgButtons::OK, MsgIcon::None, kAppTitle);
        return;
    }
    bool photoInPlace = true;
    try {
        const QString picturePath = Module().PicturePath;
        photoInPlace = newEmployee_ ? StoreNewEmployee(ui, ConnString, picturePath)
                                    : StoreEmployeeChanges(ui, ConnString, employeeNo_, picturePath);
    } catch (const std::exception& e) {
        ReportSaveFailure(e);
        return;
    }
    if (!photoInPlace) ReportPhotoNotCopied();
    Module().PicturePath.clear();
    RefreshMainGrid();
    Unload();
}

}  // namespace halvern
