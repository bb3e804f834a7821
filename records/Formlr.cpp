#include "Formlr.h"

#include "frmllrc.h"
#include "frmloadpic.h"
#include "platform/Dates.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ProgramDir.h"
#include "platform/Recordset.h"
#include "shell/ApplySkin.h"
#include "shell/ModuleState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace halvern {

using namespace platform;

namespace {

const QString kEmployeeSql = QStringLiteral("select * from 员工信息");
// A new row needs no existing rows read first.
const QString kAppendEmployeeSql = QStringLiteral("select * from 员工信息 limit 0");
const QString kAppendHistorySql = QStringLiteral("select * from 覆历 limit 0");
const QString kNationSql = QStringLiteral("select 民族 from 民族");
const QString kDepartmentSql = QStringLiteral("select * from 部门表");

QString spaced(const QString& text) { return text + QLatin1Char(' '); }

}  // namespace

// ---- photograph copy -------------------------------------------------------

PhotoCopy::~PhotoCopy() {
    if (!temp_.isEmpty()) QFile::remove(temp_);
}

void PhotoCopy::Prepare(const QString& source, const QString& target) {
    const QFileInfo info(target);
    QString why;
    if (!CreateFolder(info.absolutePath(), &why) || !StageCopy(source, target, &why))
        throw DbError(QStringLiteral("无法复制照片文件 %1：%2").arg(source, why), kFileFailure);
    temp_ = StagingPath(target);
    target_ = target;
}

bool PhotoCopy::Install() {
    if (temp_.isEmpty()) return true;
    // Renamed over the old photograph: at every moment one whole file stands there.
    if (!RenameReplacing(temp_, target_)) return false;
    temp_.clear();
    return true;
}

// ---- window ----------------------------------------------------------------

Formlr::Formlr() {
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &Formlr::Command1_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &Formlr::Command2_Click);
    connect(ui.Command3, &QPushButton::clicked, this, &Formlr::Command3_Click);
    OnClick(ui.Frame2, [this] { Frame2_Click(); });
    OnClick(ui.Image1, [this] { Image1_Click(); });
    OnClick(ui.Label5, [this] { Label5_Click(); });

    order_.Set(ui.EntryTabOrder());
    for (QWidget* w : QList<QWidget*>{ui.Text1,  ui.Combo1, ui.Text2,  ui.text3,  ui.Combo2, ui.Text4,  ui.Text9,
                                      ui.text17, ui.Text10, ui.Text11, ui.Text7,  ui.Text12, ui.Text5,  ui.Text16,
                                      ui.Text13, ui.Text19, ui.Text20, ui.Text21, ui.Text23, ui.Text22, ui.Text26,
                                      ui.Text18, ui.Text27, ui.Text28, ui.Text29, ui.Text30, ui.Text8})
        OnKeyPress(w, [this, w](int& k) { EnterMovesOn(k, w, order_); });
    OnKeyPress(ui.Text6, [this](int& k) { Text6_KeyPress(k); });
    OnKeyPress(ui.Text14, [this](int& k) { Text14_KeyPress(k); });
    OnKeyPress(ui.Text24, [this](int& k) { Text24_KeyPress(k); });
    OnKeyPress(ui.Text25, [this](int& k) { Text25_KeyPress(k); });
    OnKeyPress(ui.Text15, [this](int& k) { Text15_KeyPress(k); });
}

void Formlr::Form_Load() {
    ApplySkin(*this, twotest);
    ConnString = DbConnString();
    SaveSql = kEmployeeSql;
    // A picture chosen in an earlier, abandoned opening must not reach this one.
    Module().PicturePath.clear();
    try {
        FillLists(ui, ConnString);
    } catch (const DbError& e) {
        MsgBox(QStringLiteral("无法读取民族或部门列表：%1").arg(e.message()), MsgButtons::OK, MsgIcon::Critical);
    }
    ui.Text1->setFocus();
}

void Formlr::Form_Unload(bool& cancel) {
    (void)cancel;
    Module().PicturePath.clear();
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

QString Formlr::PictureField(const QString& numberAsTyped, const QString& picturePath) {
    // The number as typed names the file, but only as one name inside pic.
    return QStringLiteral("\\pic\\") + SafeFileName(numberAsTyped + picturePath.right(4));
}

bool Formlr::StoreNewEmployee(const FormlrUi& ui, const QString& picturePath) {
    auto conn = Connection::open(DbConnString());
    Transaction tx(*conn);

    Recordset rs;
    rs.Open(kAppendEmployeeSql, conn, LockType::Pessimistic);
    rs.AddNew();
    rs.SetField(QStringLiteral("员工编号"), ui.Text1->text().trimmed());
    rs.SetField(QStringLiteral("姓名"), ui.Text2->text().trimmed());
    rs.SetField(QStringLiteral("性别"), ui.Combo1->currentText());
    for (const auto& [column, box, date] : ui.EmployeeBoxes())
        rs.SetField(column, date ? TypedDateValue(BoxText(box)) : QVariant(spaced(BoxText(box))));
    const QString pictureField = SetPictureField(rs, ui, picturePath);
    rs.Update();
    rs.Close();

    Recordset history;
    history.Open(kAppendHistorySql, conn, LockType::Pessimistic);
    history.AddNew();
    SetHistoryFields(history, ui);
    history.Update();
    history.Close();

    return CommitWithPhoto(tx, picturePath, pictureField);
}

QString Formlr::SetPictureField(Recordset& employee, const FormlrUi& ui, const QString& picturePath) {
    if (picturePath.isEmpty()) return QString();
    const QString field = PictureField(ui.Text1->text(), picturePath);
    employee.SetField(QStringLiteral("图片"), field);
    return field;
}

void Formlr::SetHistoryFields(Recordset& history, const FormlrUi& ui) {
    history.SetField(QStringLiteral("员工编号"), ui.Text1->text().trimmed());
    history.SetField(QStringLiteral("教育背景"), spaced(ui.Text27->text()));
    history.SetField(QStringLiteral("工作经历"), spaced(ui.Text28->text()));
    history.SetField(QStringLiteral("奖罚记录"), spaced(ui.Text29->text()));
    history.SetField(QStringLiteral("本公司经历"), spaced(ui.Text30->text()));
}

bool Formlr::CommitWithPhoto(Transaction& tx, const QString& picturePath, const QString& pictureField) {
    PhotoCopy photo;
    if (!picturePath.isEmpty()) photo.Prepare(picturePath, ProgramPath(pictureField));
    tx.commit();
    return photo.Install();
}

void Formlr::ReportSaveFailure(const std::exception& failure) {
    QString text = QStringLiteral("出现错误或者编号重复，请重新录入！");
    // A database or disk that refused the save is named; a duplicate number is what the text says.
    if (const auto* e = dynamic_cast<const DbError*>(&failure); e && e->IsSystemFailure())
        text += QLatin1Char('\n') + e->message();
    MsgBox(text, MsgButtons::OK, MsgIcon::Critical, QStringLiteral("错误"));
}

void Formlr::ReportPhotoNotCopied() {
    MsgBox(QStringLiteral("员工资料已保存，但照片未能复制到 pic 文件夹，请重新选择照片。"), MsgButtons::OK,
           MsgIcon::Exclamation);
}

void Formlr::Command1_Click() {
    ui.Label5->setVisible(true);
    if (ui.Text1->text().isEmpty() || ui.Text2->text().isEmpty()) {
        MsgBox(QStringLiteral("员工编号 和 姓名 不能为空!"), MsgButtons::OK, MsgIcon::Information, QStringLiteral("提示"));
        return;
    }
    bool photoInPlace = true;
    try {
        photoInPlace = StoreNewEmployee(ui, Module().PicturePath);
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

void Formlr::Command2_Click() { Unload(); }

void Formlr::Command3_Click() {
    Module().HistoryCaller = QStringLiteral("formlr");
    WindowHost::Show(WindowHost::Default<frmllrc>(), ShowMode::Modal);
}

void Formlr::OpenPicker() {
    Module().PictureCaller = QStringLiteral("lr");
    WindowHost::Show(WindowHost::Default<frmloadpic>(), ShowMode::Modal);
}

void Formlr::Frame2_Click() { OpenPicker(); }
void Formlr::Image1_Click() { OpenPicker(); }
void Formlr::Label5_Click() { OpenPicker(); }

void Formlr::Text6_KeyPress(int& KeyAscii) {
    DateKeyPress(KeyAscii, ui.Text6, ui.Text13, EntryVariant::Entry, /*plainRefusal=*/true);
}
void Formlr::Text14_KeyPress(int& KeyAscii) { DateKeyPress(KeyAscii, ui.Text14, ui.Text23, EntryVariant::Entry); }
void Formlr::Text24_KeyPress(int& KeyAscii) { DateKeyPress(KeyAscii, ui.Text24, ui.Text25, EntryVariant::Entry); }
void Formlr::Text25_KeyPress(int& KeyAscii) { DateKeyPress(KeyAscii, ui.Text25, ui.Text22, EntryVariant::Entry); }
void Formlr::Text15_KeyPress(int& KeyAscii) {
    IdCardKeyPress(KeyAscii, ui.Text15, ui.Text16, order_, EntryVariant::Entry);
}

}  // namespace halvern
