#include "Formmod.h"

#include "Formlr.h"
#include "platform/Dates.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
#include "platform/ProgramDir.h"
#include "platform/Texts.h"
#include "common/ModuleState.h"

namespace halvern {

using namespace platform;

namespace {

void showNoEmployee() {
    MsgBox(QStringLiteral("未选中在职员工，所输内容将为新员工"), MsgButtons::OK, MsgIcon::Critical, QStringLiteral("提示"));
}

// A stored value as the boxes show it: a blank appended, then trimmed, so
// Null and a stored single blank both show as an empty box.
QString shown(const QVariant& value) { return TrimBlanks(value.toString() + QLatin1Char(' ')); }
QString shownDate(const QVariant& value) { return TrimBlanks(ShowDate(value) + QLatin1Char(' ')); }

// A text column as this window stores it: trimmed, then one blank.
QString saved(const QString& text) { return TrimBlanks(text) + QLatin1Char(' '); }
QVariant savedDate(const QString& text) {
    const QString t = TrimBlanks(text);
    return t.isEmpty() ? QVariant() : TypedDateValue(t);
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
    const QString employeeNo = Module().CurrentEmployeeNo;
    if (employeeNo.isEmpty()) showNoEmployee();
    LoadShared();
    employee_.reset();
    try {
        Formlr::FillLists(ui, ConnString);
        if (!employeeNo.isEmpty()) {
            auto conn = Connection::open(ConnString);
            employee_ = EmployeeRecord::Load(*conn, employeeNo);
        }
    } catch (const DbError& e) {
        // Open with empty boxes, the window's 确定 would store them as a new employee.
        MsgBox(QStringLiteral("无法读取员工资料，不能修改：\n%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
        Unload();
        return;
    }
    // A number that names no employee (another column's cell) is treated as no selection.
    if (!employeeNo.isEmpty() && !employee_) showNoEmployee();
    if (employee_) {
        showEmployee(*employee_);
        try {
            auto conn = Connection::open(ConnString);
            employee_->history = CareerHistory::OfEmployee(*conn, employeeNo);
        } catch (const DbError&) {
            // The history boxes keep what the employee row gave them.
        }
        if (employee_->history) showHistory(*employee_->history);
    }
    ui.Text1->setFocus();
}

void Formmod::showEmployee(const EmployeeRecord& employee) {
    ui.Text1->setText(employee.Text(QStringLiteral("员工编号")));
    ui.Text2->setText(shown(employee.Value(QStringLiteral("姓名"))));
    ui.Combo1->setEditText(shown(employee.Value(QStringLiteral("性别"))));
    for (const auto& [column, box, date] : ui.EmployeeBoxes()) {
        const QVariant value = employee.Value(column);
        SetBoxText(box, date ? shownDate(value) : shown(value));
    }
    // Without a history row 教育背景 shows 主要履历.
    ui.Text27->setText(shown(employee.Value(QStringLiteral("主要履历"))));
    // A missing photograph file leaves the box empty and the hint hidden.
    const QString picture = employee.Text(QStringLiteral("图片"));
    if (!picture.isEmpty()) {
        ui.Label5->setVisible(false);
        ui.SetPhoto(LoadPicture(ProgramPath(picture)));
    }
}

void Formmod::showHistory(const CareerHistory& history) {
    ui.Text27->setText(shown(history.Value(QStringLiteral("教育背景"))));
    ui.Text28->setText(shown(history.Value(QStringLiteral("工作经历"))));
    ui.Text29->setText(shown(history.Value(QStringLiteral("奖罚记录"))));
    ui.Text30->setText(shown(history.Value(QStringLiteral("本公司经历"))));
}

EmployeeRecord Formmod::changedEmployee() const {
    EmployeeRecord employee = *employee_;
    employee.Set(QStringLiteral("员工编号"), TrimBlanks(ui.Text1->text()));
    employee.Set(QStringLiteral("姓名"), TrimBlanks(ui.Text2->text()));
    employee.Set(QStringLiteral("性别"), saved(ui.Combo1->currentText()));
    for (const auto& [column, box, date] : ui.EmployeeBoxes())
        employee.Set(column, date ? savedDate(BoxText(box)) : QVariant(saved(BoxText(box))));
    employee.Set(QStringLiteral("主要履历"), saved(ui.Text27->text()));
    // 图片 keeps its value unless a new photograph was chosen.

    // A history row that is missing is added; a changed number moves it along.
    CareerHistory& history = employee.history ? *employee.history : employee.history.emplace();
    StoreHistoryBoxes(ui, history);
    return employee;
}

void Formmod::Command1_Click() {
    if (ui.Text1->text().isEmpty() || ui.Text2->text().isEmpty()) {
        if (IsNewEmployee())
            MsgBox(QStringLiteral("员工编号 和 姓名 不能为空!"), MsgButtons::OK, MsgIcon::Information,
                   QStringLiteral("提示"));
        else
            MsgBox(QStringLiteral("员工编号 和 姓名 不能为空!"), MsgButtons::OK, MsgIcon::None, kAppTitle);
        return;
    }
    bool photoInPlace = true;
    try {
        auto conn = Connection::open(ConnString);
        const EmployeeRecord employee = IsNewEmployee() ? Formlr::EnteredEmployee(ui) : changedEmployee();
        photoInPlace = employee.Store(*conn, {Module().PicturePath, ui.Text1->text()});
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
