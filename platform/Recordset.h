// A static record set: the rows of one query, read at open, with field access
// by column name and the add / update / delete operations of the windows.
//
// Opened for changing (LockType::Pessimistic), the query must read one table;
// which table, and which of its columns each field is, the database tells
// when it prepares the query. Each Update or Delete is written at once and
// runs inside BEGIN IMMEDIATE, or inside the caller's Transaction when one is
// active on the connection.
//
// Naming in platform/: what stands in for a control, a record set or a
// connection keeps the names the windows' code calls it by, in PascalCase
// (Open, MoveNext, EOF_, TextMatrix, Refresh); our own helpers, which have
// no such model, are camelCase (column, requireRow, openWritable).
#pragma once

#include "Database.h"

#include <QHash>
#include <QStringList>
#include <QVector>

#include <memory>

namespace platform {

enum class LockType { ReadOnly, Pessimistic };

class Recordset {
public:
    Recordset() = default;
    // Opens on a connection string (a connection of its own) or on a shared connection.
    void Open(const QString& sql, const QString& connString, LockType lock = LockType::ReadOnly,
              const QVariantList& params = {});
    void Open(const QString& sql, ConnectionPtr conn, LockType lock = LockType::ReadOnly,
              const QVariantList& params = {});
    void Close();
    bool IsOpen() const { return open_; }

    int RecordCount() const { return rows_.size(); }
    bool EOF_() const { return pos_ >= rows_.size(); }
    bool BOF() const { return pos_ < 0 || rows_.isEmpty(); }
    void MoveFirst();
    void MoveNext();
    void MoveLast();
    int AbsolutePosition() const { return pos_ + 1; }

    QStringList FieldNames() const { return names_; }
    bool HasField(const QString& name) const;
    // The current row's value; a Null reads as a null QVariant. Unknown names throw.
    QVariant Fields(const QString& name) const;
    QVariant Fields(int index) const;
    // The value as text, Null as empty text.
    QString Text(const QString& name) const { return Fields(name).toString(); }
    void SetField(const QString& name, const QVariant& value);

    void AddNew();
    void Update();
    void CancelUpdate();
    void Delete();
    bool EditPending() const { return editing_ != Edit::None; }

    Connection& connection() { return *conn_; }

private:
    enum class Edit { None, Adding, Changing };
    int column(const QString& name) const;
    std::unique_ptr<Statement> openWritable(const QString& sql, const QVariantList& params);
    void requireWritable() const;
    void requireRow() const;

    ConnectionPtr conn_;
    bool open_ = false;
    LockType lock_ = LockType::ReadOnly;
    QString table_;         // the quoted table a writable set writes to, with its database
    QStringList names_;
    QStringList origins_;   // the table's column behind each field; empty for a computed one
    QHash<QString, int> index_;
    QVector<QVector<QVariant>> rows_;
    QVector<qint64> rowIds_;
    int pos_ = 0;
    Edit editing_ = Edit::None;
    QVector<QVariant> buffer_;
    QVector<bool> touched_;
};

// Quotes a table or column name for SQL text; names never come from a user unchecked.
QString QuoteIdentifier(const QString& name);

}  // namespace platform
