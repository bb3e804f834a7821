// One employee as the database holds him: his 员工信息 row and the 覆历 row
// beside it. Every value is kept as stored (Null, trailing blanks, dates as
// ISO text), so a record loaded and stored back unchanged stays byte for byte
// what it was. How a value shows in a box and how a box's text is stored is
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

// An employee's career history: his 覆历 row. A leaver keeps his, too.
class CareerHistory : public StoredRow {
public:
    CareerHistory() : StoredRow(HistoryColumns()) {}
    // The first 覆历 row of number, as the database compares numbers; nothing
    // when there is none. Throws DbError.
    static std::optional<CareerHistory> Load(platform::Connection& conn, const QString& number);
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
    // the 员工信息 row: CareerHistory::Load reads his history. Throws DbError.
    static std::optional<EmployeeRecord> Load(platform::Connection& conn, const QString& number);
    // Both rows: Load, then his history. Throws DbError.
    static std::optional<EmployeeRecord> LoadWithHistory(platform::Connection& conn, const QString& number);

    // True when the record came from the database.
    bool IsStored() const { return loadedAs_.has_value(); }

    // Stores what was set, both rows or neither, in one transaction: a new
    // record as new rows (a number on file already fails); a loaded one over
    // the row it came from, even when the number changed, and over his first
    // 覆历 row, which is added when he has none. With a chosen photograph 图片
    // names a file no other row owns, and the picture is put there once the
    // rows are committed (so a caller's own Transaction takes no photograph).
    // Throws DbError when nothing was stored; false when the rows are stored
    // but the photograph could not be put in place.
    bool Store(platform::Connection& conn, const ChosenPhoto& photo = {}) const;

    // Deletes the 员工信息 row the record came from; his history and his
    // photograph stay, as they do for a leaver. Throws DbError.
    void Remove(platform::Connection& conn) const;

private:
    std::optional<QString> loadedAs_;  // the number the row was loaded by
};

}  // namespace halvern
