// Connection to a database file named by a connection string, on SQLCipher.
//
// The program's windows hand around Jet-style connection strings; this layer
// reads "Data Source=" as the file and "Jet OLEDB:Database Password=" as the
// encryption key. Values always travel as bound parameters.
#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

// A database failure with a text a clerk can read.
class DbError : public std::runtime_error {
public:
    DbError(const QString& message, int code = 0);
    QString message() const { return QString::fromStdString(what()); }
    int code() const { return code_; }
    // A stored value broke a rule of the table (a duplicate key, a trigger's refusal).
    bool IsConstraintViolation() const;
    // The failure came from the database or the file system beneath it (locked,
    // read-only, full, damaged), not from a rule of the table or of the program.
    bool IsSystemFailure() const { return code_ != 0 && !IsConstraintViolation(); }

private:
    int code_;
};

// The code of a DbError raised for a file the program itself failed to write.
inline constexpr int kFileFailure = 10;  // as the database's own I/O error

// The parts of a connection string that matter to us.
struct ConnectionInfo {
    QString dataSource;
    QString password;
    static ConnectionInfo parse(const QString& connString);
};

class Statement;

class Connection {
public:
    // Opens an existing database file; a missing file, a file that is not a
    // database or a wrong key throws DbError.
    static std::shared_ptr<Connection> open(const QString& connString);
    // Makes a new, empty database file (encrypted when a key is given).
    static std::shared_ptr<Connection> create(const QString& file, const QString& key = {});
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs one statement with bound values; returns the number of changed rows.
    int execute(const QString& sql, const QVariantList& params = {});
    // Runs a script of several statements without values.
    void executeScript(const QString& sql);
    // First column of the first row, or a null QVariant when there is none.
    QVariant scalar(const QString& sql, const QVariantList& params = {});
    bool inTransaction() const;
    qint64 lastInsertRowId() const;
    const QString& fileName() const { return file_; }
    sqlite3* handle() const { return db_; }

private:
    Connection(sqlite3* db, QString file) : db_(db), file_(std::move(file)) {}
    sqlite3* db_;
    QString file_;
};

using ConnectionPtr = std::shared_ptr<Connection>;

// A prepared statement with its values bound; steps row by row.
class Statement {
public:
    Statement(Connection& conn, const QString& sql, const QVariantList& params = {});
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool next();  // false at the end
    int columnCount() const;
    QString columnName(int i) const;
    // Where a result column is read from, as the database resolved the query:
    // the database ("main"), the table and the table's own column name. All
    // empty for a column that is computed rather than read.
    QString columnDatabase(int i) const;
    QString columnTable(int i) const;
    QString columnOrigin(int i) const;
    QVariant value(int i) const;  // null column → null QVariant; else text, integer or real
    bool isNull(int i) const;
    // Raw UTF-8 bytes of a column; valid until the next step.
    const char* rawText(int i, int* length) const;
    sqlite3_stmt* handle() const { return stmt_; }

private:
    Connection& conn_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Keeps several writes together: commits on commit(), rolls back otherwise.
// Nested guards on one connection join the outer transaction.
class Transaction {
public:
    explicit Transaction(Connection& conn);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& conn_;
    bool owner_ = false;
    bool done_ = false;
};

}  // namespace platform
