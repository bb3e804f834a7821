#include "Formmod.h"

#include "Formlr.h"
#include "frmllrc.h"
#include "frmloadpic.h"
#include "platform/Dates.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
#include "platform/ProgramDir.h"
#include "platform/Recordset.h"
#include "shell/ApplySkin.h"
#include "shell/ModuleState.h"

namespace halvern {

using namespace platform;

namespace {

const QString kEmployeeSql = QStringLiteral("select * from 员工信息 where 员工编号=?");
const QString kHistorySql = QStringLiteral("select * from 覆历 where 员工编号=?");

// A loaded value as the boxes show it: a blank appended, then trimmed, so
// Null and a stored single blank both show as an empty box.
QString shown(const QVariant& value) { return (value.toString() + QLatin1Char(' ')).trimmed(); }
QString shownDate(const QVariant& value) { return (ShowDate(value) + QLatin1Char(' ')).trimmed(); }

// A text column as this window saves it: trimmed, then one blank.
QString saved(const QString& text) { return text.trimmed() + QLatin1Char(' '); }
QVariant savedDate(const QString& text) {
    const QString t = text.trimmed();
    return t.isEmpty() ? QVariant() : TypedDateValue(t);
}

void showNoEmployee() {
    MsgBox(QStringLiteral("未选中在职员工，所输内容将为新员工"), MsgButtons::OK, MsgIcon::Critical, QStringLiteral("提示"));
}

}  // namespace

Formmod::Formmod() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &Formmod::Command1_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &Formmod::Command2_Click);
    connect(ui.Command3, &QPushButton::clicked, this, &Formmod::Command3_Click);
    OnClick(ui.Frame2, [this] { Frame2_Click(); });
    OnClick(ui.Image1, [this] { Image1_Click(); });
    OnClick(ui.Label5, [this] { Label5_Click(); });

    order_.Set(ui.ModifyTabOrder());
    // Enter in 工作经历, 奖罚记录 and 本公司经历 has no rule here.
    for (QWidget* w : QList<QWidget*>{ui.Text1,  ui.Combo1, ui.Text2,  ui.text3,  ui.Combo2, ui.Text4,
                                      ui.Text9,  ui.text17, ui.Text10, ui.Text11, ui.Text7,  ui.Text12,
                                      ui.Text5,  ui.Text16, ui.Text13, ui.Text19, ui.Text20, ui.Text21,
                                      ui.Text23, ui.Text22, ui.Text26, ui.Text18, ui.Text27, ui.Text8})
        OnKeyPress(w, [this, w](int& k) { EnterMovesOn(k, w, order_); });
    OnKeyPress(ui.Text6, [this](int& k) { Text6_KeyPress(k); });
    OnKeyPress(ui.Text14, [this](int& k) { Text14_KeyPress(k); });
    OnKeyPress(ui.Text24, [this](int& k) { Text24_KeyPress(k); });
    OnKeyPress(ui.Text25, [this](int& k) { Text25_KeyPress(k); });
    OnKeyPress(ui.Text15, [this](int& k) { Text15_KeyPress(k); });
}

void Formmod::Form_Load() {
    employeeNo_ = Module().CurrentEmployeeNo;
    if (employeeNo_.isEmpty()) showNoEmployee();
    ApplySkin(*this, twotest);
    ConnString = DbConnString();
    Module().PicturePath.clear();
    newEmployee_ = true;
    try {
        Formlr::FillLists(ui, ConnString);
        if (!employeeNo_.isEmpty()) LoadEmployee();
    } catch (const DbError& e) {
        // Open with empty boxes, the window's 确定 would store them as a new employee.
        MsgBox(QStringLiteral("无法读取员工资料，不能修改：\n%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
        Unload();
        return;
    }
    // A number that names no employee (another column's cell) is treated as no selection.
    if (!employeeNo_.isEmpty() && newEmployee_) showNoEmployee();
    if (!newEmployee_) LoadHistory();
    ui.Text1->setFocus();
}

void Formmod::LoadEmployee() {
    Recordset rs;
    rs.Open(kEmployeeSql, ConnString, LockType::ReadOnly, {employeeNo_});
    if (rs.RecordCount() == 0) return;
    rs.MoveFirst();
    newEmployee_ = false;
    auto f = [&rs](const char* name) { return rs.Fields(QString::fromUtf8(name)); };
    ui.Text1->setText(rs.Text(QStringLiteral("员工编号")));
    ui.Text2->setText(shown(f("姓名")));
    ui.Combo1->setEditText(shown(f("性别")));
    for (const auto& [column, box, date] : ui.EmployeeBoxes()) {
        const QVariant value = rs.Fields(column);
        SetBoxText(box, date ? shownDate(value) : shown(value));
    }
    ui.Text27->setText(shown(f("主要履历")));
    // A missing photograph file leaves the box empty and the hint hidden.
    const QString picture = rs.Text(QStringLiteral("图片"));
    if (!picture.isEmpty()) {
        ui.Label5->setVisible(false);
        ui.SetPhoto(LoadPicture(ProgramPath(picture)));
    }
    rs.Close();
}

void Formmod::LoadHistory() {
    try {
        Recordset rs;
        rs.Open(kHistorySql, ConnString, LockType::ReadOnly, {employeeNo_});
        if (rs.RecordCount() > 0) {
            rs.MoveFirst();
            ui.Text27->setText(shown(rs.Fields(QStringLiteral("教育背景"))));
            ui.Text28->setText(shown(rs.Fields(QStringLiteral("工作经历"))));
            ui.Text29->setText(shown(rs.Fields(QStringLiteral("奖罚记录"))));
            ui.Text30->setText(shown(rs.Fields(QStringLiteral("本公司经历"))));
        }
        rs.Close();
    } catch (const DbError&) {
        // The history boxes keep what the employee row gave them.
    }
}

void Formmod::Form_Unload(bool& cancel) {
    (void)cancel;
    Module().PicturePath.clear();
}

bool Formmod::StoreChanges() {
    auto conn = Connection::open(ConnString);
    Transaction tx(*conn);

    Recordset rs;
    rs.Open(kEmployeeSql, conn, LockType::Pessimistic, {employeeNo_});
    if (rs.RecordCount() == 0) throw DbError(QStringLiteral("员工“%1”已不在员工信息中。").arg(employeeNo_));
    rs.MoveFirst();
    rs.SetField(QStringLiteral("员工编号"), ui.Text1->text().trimmed());
    rs.SetField(QStringLiteral("姓名"), ui.Text2->text().trimmed());
    rs.SetField(QStringLiteral("性别"), saved(ui.Combo1->currentText()));
    for (const auto& [column, box, date] : ui.EmployeeBoxes())
        rs.SetField(column, date ? savedDate(BoxText(box)) : QVariant(saved(BoxText(box))));
    rs.SetField(QStringLiteral("主要履历"), saved(ui.Text27->text()));
    const QString picturePath = Module().PicturePath;
    const QString pictureField = Formlr::SetPictureField(rs, ui, picturePath);

    Recordset history;
    history.Open(kHistorySql, conn, LockType::Pessimistic, {employeeNo_});
    if (history.RecordCount() == 0)
        history.AddNew();
    else
        history.MoveFirst();
    Formlr::SetHistoryFields(history, ui);
    history.Update();
    history.Close();

    rs.Update();
    rs.Close();

    return Formlr::CommitWithPhoto(tx, picturePath, pictureField);
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
        photoInPlace = newEmployee_ ? Formlr::StoreNewEmployee(ui, Module().PicturePath) : StoreChanges();
    } catch (const std::exception& e) {
        Formlr::ReportSaveFailure(e);
        return;
    }
    if (!photoInPlace) Formlr::ReportPhotoNotCopied();
    Module().PicturePath.clear();
    RefreshMainGrid();
    Unload();
}

void Formmod::Command2_Click() { Unload(); }

void Formmod::Command3_Click() {
    Module().HistoryCaller = QStringLiteral("formmod");
    WindowHost::Show(WindowHost::Default<frmllrc>(), ShowMode::Modal);
}

void Formmod::OpenPicker() {
    Module().PictureCaller = QStringLiteral("mod");
    WindowHost::Show(WindowHost::Default<frmloadpic>(), ShowMode::Modal);
}

void Formmod::Frame2_Click() { OpenPicker(); }
void Formmod::Image1_Click() { OpenPicker(); }
void Formmod::Label5_Click() { OpenPicker(); }

void Formmod::Text6_KeyPress(int& KeyAscii) { DateKeyPress(KeyAscii, ui.Text6, ui.Text13, EntryVariant::Modify); }
void Formmod::Text14_KeyPress(int& KeyAscii) { DateKeyPress(KeyAscii, ui.Text14, ui.Text23, EntryVariant::Modify); }
void Formmod::Text24_KeyPress(int& KeyAscii) { DateKeyPress(KeyAscii, ui.Text24, ui.Text25, EntryVariant::Modify); }
void Formmod::Text25_KeyPress(int& KeyAscii) { DateKeyPress(KeyAscii, ui.Text25, ui.Text22, EntryVariant::Modify); }
void Formmod::Text15_KeyPress(int& KeyAscii) {
    IdCardKeyPress(KeyAscii, ui.Text15, ui.Text16, order_, EntryVariant::Modify);
}

}  // namespace halvern
