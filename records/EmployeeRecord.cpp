#include "EmployeeRecord.h"

#include "PhotoFiles.h"
#include "platform/Dates.h"
#include "platform/Pictures.h"
#include "platform/ProgramDir.h"
#include "platform/Recordset.h"

namespace halvern {

using namespace platform;

namespace {

// A new row needs no existing rows read first.
const QString kAppendEmployeeSql = QStringLiteral("select * from 员工信息 limit 0");
const QString kAppendHistorySql = QStringLiteral("select * from 覆历 limit 0");
const QString kEmployeeSql = QStringLiteral("select * from 员工信息 where 员工编号=?");
const QString kHistorySql = QStringLiteral("select * from 覆历 where 员工编号=?");
const QString kNationSql = QStringLiteral("select 民族 from 民族");
const QString kDepartmentSql = QStringLiteral("select * from 部门表");

// A text column as the entry window stores it: as typed, then one blank.
QString spaced(const QString& text) { return text + QLatin1Char(' '); }

// A text column as the modify window stores it: trimmed, then one blank.
QString saved(const QString& text) { return text.trimmed() + QLatin1Char(' '); }
QVariant savedDate(const QString& text) {
    const QString t = text.trimmed();
    return t.isEmpty() ? QVariant() : TypedDateValue(t);
}

// A loaded value as the boxes show it: a blank appended, then trimmed, so
// Null and a stored single blank both show as an empty box.
QString shown(const QVariant& value) { return (value.toString() + QLatin1Char(' ')).trimmed(); }
QString shownDate(const QVariant& value) { return (ShowDate(value) + QLatin1Char(' ')).trimmed(); }

// Sets 图片 of the employee row when a photograph was chosen, to a file that
// no other row owns; returns the value set, empty when none was chosen.
QString setPictureField(Recordset& employee, Connection& conn, const FormlrUi& ui, const QString& picturePath,
                        qint64 ownRow) {
    if (picturePath.isEmpty()) return QString();
    const QString field = FreePictureField(conn, ui.Text1->text(), picturePath, ownRow);
    employee.SetField(QStringLiteral("图片"), field);
    return field;
}

// Sets the 覆历 row's number and the four history texts from the boxes.
void setHistoryFields(Recordset& history, const FormlrUi& ui) {
    history.SetField(QStringLiteral("员工编号"), ui.Text1->text().trimmed());
    history.SetField(QStringLiteral("教育背景"), spaced(ui.Text27->text()));
    history.SetField(QStringLiteral("工作经历"), spaced(ui.Text28->text()));
    history.SetField(QStringLiteral("奖罚记录"), spaced(ui.Text29->text()));
    history.SetField(QStringLiteral("本公司经历"), spaced(ui.Text30->text()));
}

// Copies the chosen photograph beside its place, commits the save, then puts
// the photograph in place; false when it could not be put there. Throws
// DbError (nothing stored) when the copy cannot be made.
bool commitWithPhoto(Connection& conn, Transaction& tx, const FormlrUi& ui, const QString& picturePath,
                     const QString& pictureField) {
    PhotoInstall photo;
    if (!picturePath.isEmpty())
        photo.Prepare(conn, picturePath, ProgramPath(pictureField), ui.Text1->text().trimmed());
    tx.commit();
    return picturePath.isEmpty() || photo.Install();
}

}  // namespace

void FillEmployeeLists(FormlrUi& ui, const QString& connString) {
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

bool LoadEmployee(FormlrUi& ui, const QString& connString, const QString& employeeNo) {
    Recordset rs;
    rs.Open(kEmployeeSql, connString, LockType::ReadOnly, {employeeNo});
    if (rs.RecordCount() == 0) return false;
    rs.MoveFirst();
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
    return true;
}

void LoadEmployeeHistory(FormlrUi& ui, const QString& connString, const QString& employeeNo) {
    try {
        Recordset rs;
        rs.Open(kHistorySql, connString, LockType::ReadOnly, {employeeNo});
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

bool StoreNewEmployee(const FormlrUi& ui, const QString& connString, const QString& picturePath) {
    auto conn = Connection::open(connString);
    Transaction tx(*conn);

    Recordset rs;
    rs.Open(kAppendEmployeeSql, conn, LockType::Pessimistic);
    rs.AddNew();
    rs.SetField(QStringLiteral("员工编号"), ui.Text1->text().trimmed());
    rs.SetField(QStringLiteral("姓名"), ui.Text2->text().trimmed());
    rs.SetField(QStringLiteral("性别"), ui.Combo1->currentText());
    for (const auto& [column, box, date] : ui.EmployeeBoxes())
        rs.SetField(column, date ? TypedDateValue(BoxText(box)) : QVariant(spaced(BoxText(box))));
    const QString pictureField = setPictureField(rs, *conn, ui, picturePath, -1);
    rs.Update();
    rs.Close();

    Recordset history;
    history.Open(kAppendHistorySql, conn, LockType::Pessimistic);
    history.AddNew();
    setHistoryFields(history, ui);
    history.Update();
    history.Close();

    return commitWithPhoto(*conn, tx, ui, picturePath, pictureField);
}

bool StoreEmployeeChanges(const FormlrUi& ui, const QString& connString, const QString& employeeNo,
                          const QString& picturePath) {
    auto conn = Connection::open(connString);
    Transaction tx(*conn);

    Recordset rs;
    rs.Open(kEmployeeSql, conn, LockType::Pessimistic, {employeeNo});
    if (rs.RecordCount() == 0) throw DbError(QStringLiteral("员工“%1”已不在员工信息中。").arg(employeeNo));
    rs.MoveFirst();
    rs.SetField(QStringLiteral("员工编号"), ui.Text1->text().trimmed());
    rs.SetField(QStringLiteral("姓名"), ui.Text2->text().trimmed());
    rs.SetField(QStringLiteral("性别"), saved(ui.Combo1->currentText()));
    for (const auto& [column, box, date] : ui.EmployeeBoxes())
        rs.SetField(column, date ? savedDate(BoxText(box)) : QVariant(saved(BoxText(box))));
    rs.SetField(QStringLiteral("主要履历"), saved(ui.Text27->text()));
    const qint64 ownRow = conn->scalar(QStringLiteral("select rowid from 员工信息 where 员工编号=?"), {employeeNo}).toLongLong();
    const QString pictureField = setPictureField(rs, *conn, ui, picturePath, ownRow);

    Recordset history;
    history.Open(kHistorySql, conn, LockType::Pessimistic, {employeeNo});
    if (history.RecordCount() == 0)
        history.AddNew();
    else
        history.MoveFirst();
    setHistoryFields(history, ui);
    history.Update();
    history.Close();

    rs.Update();
    rs.Close();

    return commitWithPhoto(*conn, tx, ui, picturePath, pictureField);
}

}  // namespace halvern
