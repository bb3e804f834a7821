#include "EmployeeRecord.h"

#include "PhotoFiles.h"
#include "platform/ProgramDir.h"
#include "platform/Recordset.h"

namespace halvern {

using namespace platform;

namespace {

const QString kEmployeeSql = QStringLiteral("select * from 员工信息 where 员工编号=?");
const QString kEmployeeByNameSql = QStringLiteral("select * from 员工信息 where 姓名=?");
// One row answers it; reading the whole table would cost seconds and memory on a large staff.
const QString kAnyEmployeeSql = QStringLiteral("select 1 from 员工信息 limit 1");
const QString kEmployeeRowSql = QStringLiteral("select rowid from 员工信息 where 员工编号=?");
const QString kRemoveEmployeeSql = QStringLiteral("delete from 员工信息 where 员工编号=?");
// Every history row of a number, oldest first.
const QString kHistoryRowsSql = QStringLiteral("select rowid from 覆历 where 员工编号=? order by rowid");
const QString kHistorySql = QStringLiteral("select * from 覆历 where rowid=?");
const QString kRemoveHistorySql = QStringLiteral("delete from 覆历 where rowid=?");
const QString kLeaverCountSql = QStringLiteral("select count(*) from 员工离职 where 员工编号=?");
const QString kLeaverSql = QStringLiteral("select rowid, * from 员工离职 where 员工编号=? order by rowid limit 1");
const QString kRemoveLeaverSql = QStringLiteral("delete from 员工离职 where rowid=?");

const QString kEmployeeTable = QStringLiteral("员工信息");
const QString kLeaverTable = QStringLiteral("员工离职");
const QString kHistoryTable = QStringLiteral("覆历");
const QString kNumber = QStringLiteral("员工编号");
const QString kPicture = QStringLiteral("图片");

}  // namespace

const QStringList& EmployeeColumns() {
    static const QStringList columns{
        QStringLiteral("员工编号"), QStringLiteral("姓名"),     QStringLiteral("部门"),       QStringLiteral("职位"),
        QStringLiteral("性别"),     QStringLiteral("出生日期"), QStringLiteral("民族"),       QStringLiteral("学历"),
        QStringLiteral("身高"),     QStringLiteral("体重"),     QStringLiteral("上岗证"),     QStringLiteral("暂住证"),
        QStringLiteral("婚育证"),   QStringLiteral("录用日期"), QStringLiteral("身份证号"),   QStringLiteral("合同编号"),
        QStringLiteral("合同生效日"), QStringLiteral("合同到期日"), QStringLiteral("住址"),   QStringLiteral("政治面貌"),
        QStringLiteral("特长"),     QStringLiteral("籍贯"),     QStringLiteral("外语情况"),   QStringLiteral("婚否"),
        QStringLiteral("联系电话"), QStringLiteral("毕业院校"), QStringLiteral("专业"),       QStringLiteral("主要履历"),
        QStringLiteral("备注"),     QStringLiteral("图片")};
    return columns;
}

const QStringList& LeaverColumns() {
    static const QStringList columns = EmployeeColumns() + QStringList{QStringLiteral("离职原因"), QStringLiteral("离职时间")};
    return columns;
}

const QStringList& HistoryColumns() {
    static const QStringList columns{QStringLiteral("员工编号"), QStringLiteral("教育背景"), QStringLiteral("工作经历"),
                                     QStringLiteral("奖罚记录"), QStringLiteral("本公司经历")};
    return columns;
}

void StoredRow::Set(const QString& column, const QVariant& value) {
    const int i = index(column);
    values_[i] = value;
    changed_[i] = true;
}

void StoredRow::Insert(Connection& conn, const QString& table) const {
    QStringList names;
    QStringList marks;
    QVariantList values;
    for (int i = 0; i < values_.size(); ++i) {
        if (!changed_.at(i)) continue;
        names << QuoteIdentifier(columns_->at(i));
        marks << QStringLiteral("?");
        values << values_.at(i);
    }
    if (names.isEmpty()) {
        conn.execute(QStringLiteral("insert into %1 default values").arg(QuoteIdentifier(table)));
        return;
    }
    conn.execute(QStringLiteral("insert into %1 (%2) values (%3)")
                     .arg(QuoteIdentifier(table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                 values);
}

void StoredRow::Update(Connection& conn, const QString& table, qint64 rowId) const {
    QStringList sets;
    QVariantList values;
    for (int i = 0; i < values_.size(); ++i) {
        if (!changed_.at(i)) continue;
        sets << QuoteIdentifier(columns_->at(i)) + QStringLiteral("=?");
        values << values_.at(i);
    }
    if (sets.isEmpty()) return;
    values << rowId;
    conn.execute(QStringLiteral("update %1 set %2 where rowid=?").arg(QuoteIdentifier(table), sets.join(QLatin1Char(','))),
                 values);
}

int StoredRow::index(const QString& column) const {
    const int i = columns_->indexOf(column);
    if (i < 0) throw DbError(QStringLiteral("员工资料中没有字段“%1”。").arg(column));
    return i;
}

void StoredRow::Read(const Statement& st) {
    QVector<bool> found(values_.size(), false);
    for (int j = 0; j < st.columnCount(); ++j) {
        const QString name = st.columnName(j);
        int i = columns_->indexOf(name);
        // Column names are compared as the database compares them.
        for (int k = 0; i < 0 && k < columns_->size(); ++k)
            if (columns_->at(k).compare(name, Qt::CaseInsensitive) == 0) i = k;
        if (i < 0) continue;
        values_[i] = st.value(j);
        found[i] = true;
    }
    changed_.fill(false);
    for (int i = 0; i < found.size(); ++i)
        if (!found.at(i)) throw DbError(QStringLiteral("记录集中没有字段“%1”。").arg(columns_->at(i)));
}

HistoryOwners HistoryOwners::Of(Connection& conn, const QString& number) {
    QVector<qint64> rows;
    {
        Statement st(conn, kHistoryRowsSql, {number});
        while (st.next()) rows << st.value(0).toLongLong();
    }
    HistoryOwners owners;
    if (rows.isEmpty()) return owners;
    const bool employed = !conn.scalar(kEmployeeRowSql, {number}).isNull();
    const qint64 leavers = conn.scalar(kLeaverCountSql, {number}).toLongLong();
    if (employed && leavers == 0)
        owners.employee = rows.first();
    else if (employed && rows.size() > leavers)
        owners.employee = rows.last();  // appended for him when he was hired again
    if (leavers > 0 && owners.employee != rows.first()) owners.leaver = rows.first();
    return owners;
}

std::optional<CareerHistory> CareerHistory::Load(Connection& conn, std::optional<qint64> rowId) {
    if (!rowId) return std::nullopt;
    Statement st(conn, kHistorySql, {*rowId});
    if (!st.next()) return std::nullopt;
    CareerHistory history;
    history.Read(st);
    history.rowId_ = rowId;
    return history;
}

std::optional<CareerHistory> CareerHistory::OfEmployee(Connection& conn, const QString& number) {
    return Load(conn, HistoryOwners::Of(conn, number).employee);
}

std::optional<CareerHistory> CareerHistory::OfLeaver(Connection& conn, const QString& number) {
    return Load(conn, HistoryOwners::Of(conn, number).leaver);
}

void CareerHistory::Remove(Connection& conn) const {
    if (!rowId_ || conn.execute(kRemoveHistorySql, {*rowId_}) == 0)
        throw DbError(QStringLiteral("员工“%1”的履历已不在覆历中。").arg(Text(kNumber)));
}

std::optional<EmployeeRecord> EmployeeRecord::LoadBy(Connection& conn, const QString& sql, const QString& value) {
    Statement st(conn, sql, {value});
    if (!st.next()) return std::nullopt;
    EmployeeRecord record;
    record.Read(st);
    record.loadedAs_ = record.Text(kNumber);
    return record;
}

std::optional<EmployeeRecord> EmployeeRecord::Load(Connection& conn, const QString& number) {
    auto record = LoadBy(conn, kEmployeeSql, number);
    if (record) record->loadedAs_ = number;
    return record;
}

std::optional<EmployeeRecord> EmployeeRecord::FindByName(Connection& conn, const QString& name) {
    return LoadBy(conn, kEmployeeByNameSql, name);
}

bool EmployeeRecord::AnyOnFile(Connection& conn) { return !conn.scalar(kAnyEmployeeSql).isNull(); }

std::optional<EmployeeRecord> EmployeeRecord::LoadWithHistory(Connection& conn, const QString& number) {
    auto record = Load(conn, number);
    if (record) record->history = CareerHistory::OfEmployee(conn, number);
    return record;
}

bool EmployeeRecord::Store(Connection& conn, const ChosenPhoto& photo) const {
    Transaction tx(conn);

    qint64 ownRow = -1;
    // Whose history is whose is decided before his rows change.
    const HistoryOwners owners = IsStored() ? HistoryOwners::Of(conn, *loadedAs_) : HistoryOwners{};
    if (IsStored()) {
        const QVariant id = conn.scalar(kEmployeeRowSql, {*loadedAs_});
        if (id.isNull()) throw DbError(QStringLiteral("员工“%1”已不在员工信息中。").arg(*loadedAs_));
        ownRow = id.toLongLong();
    }

    StoredRow row = *this;
    // The photograph's name is chosen before the row is written, which would own it otherwise.
    QString pictureField;
    if (!photo.picturePath.isEmpty()) {
        pictureField = FreePictureField(conn, photo.numberAsTyped, photo.picturePath, ownRow);
        row.Set(kPicture, pictureField);
    }
    if (IsStored())
        row.Update(conn, kEmployeeTable, ownRow);
    else
        row.Insert(conn, kEmployeeTable);

    if (history) {
        if (owners.employee && Text(kNumber) == *loadedAs_) {
            history->Update(conn, kHistoryTable, *owners.employee);
        } else {
            // A history moving to another number goes in as that number's newest
            // row, which is what a leaver of that number does not own.
            CareerHistory whole = *history;
            for (const QString& column : HistoryColumns()) whole.Set(column, whole.Value(column));
            if (owners.employee) conn.execute(kRemoveHistorySql, {*owners.employee});
            whole.Insert(conn, kHistoryTable);
        }
    }

    PhotoInstall install;
    if (!photo.picturePath.isEmpty())
        install.Prepare(conn, photo.picturePath, ProgramPath(pictureField), Text(kNumber));
    tx.commit();
    return photo.picturePath.isEmpty() || install.Install();
}

void EmployeeRecord::Remove(Connection& conn) const {
    if (!IsStored() || conn.execute(kRemoveEmployeeSql, {*loadedAs_}) == 0)
        throw DbError(QStringLiteral("员工“%1”已不在员工信息中。").arg(loadedAs_.value_or(Text(kNumber))));
}

LeaverRecord LeaverRecord::Of(const EmployeeRecord& employee, const QString& reason, const QVariant& leftOn) {
    LeaverRecord leaver;
    for (const QString& column : EmployeeColumns()) leaver.Set(column, employee.Value(column));
    leaver.Set(QStringLiteral("离职原因"), reason);
    leaver.Set(QStringLiteral("离职时间"), leftOn);
    leaver.employeeNo_ = employee.loadedAs_;
    return leaver;
}

std::optional<LeaverRecord> LeaverRecord::Load(Connection& conn, const QString& number) {
    Statement st(conn, kLeaverSql, {number});
    if (!st.next()) return std::nullopt;
    LeaverRecord leaver;
    leaver.Read(st);
    leaver.rowId_ = st.value(0).toLongLong();
    return leaver;
}

void LeaverRecord::Store(Connection& conn) const {
    if (!employeeNo_) {
        Insert(conn, kLeaverTable);
        return;
    }
    // Copied inside the database, so that bytes that are no text stay as they are.
    static const QString sql = [] {
        QStringList names;
        for (const QString& column : EmployeeColumns()) names << QuoteIdentifier(column);
        return QStringLiteral("insert into 员工离职 (%1, 离职原因, 离职时间) select %1, ?, ? from 员工信息 where 员工编号=?")
            .arg(names.join(QLatin1Char(',')));
    }();
    if (conn.execute(sql, {Value(QStringLiteral("离职原因")), Value(QStringLiteral("离职时间")), *employeeNo_}) != 1)
        throw DbError(QStringLiteral("员工“%1”已不在员工信息中。").arg(*employeeNo_));
}

void LeaverRecord::Remove(Connection& conn) const {
    if (!rowId_ || conn.execute(kRemoveLeaverSql, {*rowId_}) == 0)
        throw DbError(QStringLiteral("离职员工“%1”已不在员工离职中。").arg(Text(kNumber)));
}

}  // namespace halvern
