// One employee as the database holds him: his 员工信息 row and the 覆历 row
// beside it, and a leaver as 员工离职 holds him. Every value is kept as
// stored (Null, trailing blanks, dates as ISO text), so a record loaded and
// stored back unchanged stays byte for byte what it was. How a value shows in a box and how a box's text is stored is
// the windows' business (Formlr, Formmod); this is what they load and store.
#pragma once

#include "platform/Database.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <optional>

namespace halvern {

// The columns of 员工信息, in the table's order.
const QStringList& EmployeeColumns();
// The columns of 员工离职: those of 员工信息, then 离职原因 and 离职时间.
const QStringList& LeaverColumns();
// The columns of 覆历: 员工编号 and the four history texts.
const QStringList& HistoryColumns();

// The values of one row by column name, each as stored; a new row holds Null
// everywhere. A value set is marked changed, and only changed values are
// written, so a column nobody set keeps its bytes whatever they are. A name
// that is not one of the columns throws DbError.
class StoredRow {
public:
    explicit StoredRow(const QStringList& columns)
        : columns_(&columns), values_(columns.size()), changed_(columns.size(), false) {}

    const QStringList& Columns() const { return *columns_; }
    QVariant Value(const QString& column) const { return values_.at(index(column)); }
    // The value as text, Null as empty text.
    QString Text(const QString& column) const { return Value(column).toString(); }
    void Set(const QString& column, const QVariant& value);

    // Fills every column from the current row of st, which must hold them all; nothing is changed then.
    void Read(const platform::Statement& st);
    // Writes the changed values as a new row of table. Throws DbError.
    void Insert(platform::Connection& conn, const QString& table) const;
    // Writes the changed values over the row of table with that rowid. Throws DbError.
    void Update(platform::Connection& conn, const QString& table, qint64 rowId) const;

private:
    int index(const QString& column) const;

    const QStringList* columns_;
    QVector<QVariant> values_;
    QVector<bool> changed_;
};

// Which 覆历 rows of a number belong to whom. A number can be on file twice:
// a leaver and, hired again, a current employee. The leavers' histories are
// the rows that were there first; the current employee's is the newest row,
// appended for him when he was hired again, and he has none while there are
// no more rows than leavers. A number only one person holds owns its first
// row, as it always did.
struct HistoryOwners {
    std::optional<qint64> employee;  // the rowid of the current employee's row
    std::optional<qint64> leaver;    // the rowid of the (first) leaver's row
    // Throws DbError.
    static HistoryOwners Of(platform::Connection& conn, const QString& number);
};

// An employee's career history: his 覆历 row. A leaver keeps his, too.
class CareerHistory : public StoredRow {
public:
    CareerHistory() : StoredRow(HistoryColumns()) {}
    // The history of the current employee of number, as the database compares
    // numbers; nothing when he has none. Throws DbError.
    static std::optional<CareerHistory> OfEmployee(platform::Connection& conn, const QString& number);
    // The history a leaver of number kept; nothing when there is none. Throws DbError.
    static std::optional<CareerHistory> OfLeaver(platform::Connection& conn, const QString& number);

    // Deletes the row the history was loaded from. Throws DbError.
    void Remove(platform::Connection& conn) const;

private:
    static std::optional<CareerHistory> Load(platform::Connection& conn, std::optional<qint64> rowId);
    std::optional<qint64> rowId_;  // the row it was loaded from
};

// A photograph chosen for the employee in the picker.
struct ChosenPhoto {
    QString picturePath;    // the picture file; empty when none was chosen
    QString numberAsTyped;  // the number as typed, untrimmed: it names the copy in pic/
};

// The 员工信息 row (this row's values) and the 覆历 row.
class EmployeeRecord : public StoredRow {
public:
    // A new employee: nothing stored yet, every value Null, no history.
    EmployeeRecord() : StoredRow(EmployeeColumns()) {}

    // His history as loaded or as a window set it; nothing when he has none.
    // A record stores its history only when it holds one.
    std::optional<CareerHistory> history;

    // The employee whose 员工编号 is number, as the database compares numbers
    // (the number itself, untrimmed); nothing when no employee has it. Only
    // the 员工信息 row: CareerHistory::OfEmployee reads his history. Throws DbError.
    static std::optional<EmployeeRecord> Load(platform::Connection& conn, const QString& number);
    // The first employee whose 姓名 is name, as the database compares names;
    // nothing when none has it. Throws DbError.
    static std::optional<EmployeeRecord> FindByName(platform::Connection& conn, const QString& name);
    // True when at least one employee is on file. Throws DbError.
    static bool AnyOnFile(platform::Connection& conn);
    // Both rows: Load, then his history. Throws DbError.
    static std::optional<EmployeeRecord> LoadWithHistory(platform::Connection& conn, const QString& number);

    // True when the record came from the database.
    bool IsStored() const { return loadedAs_.has_value(); }

    // Stores what was set, both rows or neither, in one transaction: a new
    // record as new rows (a number on file already fails); a loaded one over
    // the row it came from, even when the number changed, and over his own
    // 覆历 row (HistoryOwners), which is added when he has none. With a chosen photograph 图片
    // names a file no other row owns, and the picture is put there once the
    // rows are committed (so a caller's own Transaction takes no photograph).
    // Throws DbError when nothing was stored; false when the rows are stored
    // but the photograph could not be put in place.
    bool Store(platform::Connection& conn, const ChosenPhoto& photo = {}) const;

    // Deletes the 员工信息 row the record came from; his history and his
    // photograph stay, as they do for a leaver. Throws DbError.
    void Remove(platform::Connection& conn) const;

private:
    friend class LeaverRecord;
    static std::optional<EmployeeRecord> LoadBy(platform::Connection& conn, const QString& sql, const QString& value);
    std::optional<QString> loadedAs_;  // the number the row was loaded by
};

// A leaver: the 员工信息 row he had, as stored, with 离职原因 and 离职时间.
class LeaverRecord : public StoredRow {
public:
    LeaverRecord() : StoredRow(LeaverColumns()) {}
    // The employee leaving: every value of his row as stored, trailing blanks
    // and Null included, the reason and the time of leaving. Stored, it is a
    // copy of his row as the database holds it, byte for byte.
    static LeaverRecord Of(const EmployeeRecord& employee, const QString& reason, const QVariant& leftOn);
    // The first leaver whose 员工编号 is number, as the database compares
    // numbers; nothing when there is none. Throws DbError.
    static std::optional<LeaverRecord> Load(platform::Connection& conn, const QString& number);

    // Writes the leaver as a new row. Throws DbError.
    void Store(platform::Connection& conn) const;
    // Deletes the row the leaver was loaded from; his history and photograph
    // are the caller's. Throws DbError.
    void Remove(platform::Connection& conn) const;

private:
    std::optional<qint64> rowId_;       // the row it was loaded from
    std::optional<QString> employeeNo_;  // the employee whose row it copies
};

}  // namespace halvern
