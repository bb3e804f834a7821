#include "Database.h"

#include <sqlcipher/sqlite3.h>

#include <QFileInfo>

namespace platform {

DbError::DbError(const QString& message, int code)
    : std::runtime_error(message.toStdString()), code_(code) {}

bool DbError::IsConstraintViolation() const { return (code_ & 0xff) == SQLITE_CONSTRAINT; }

ConnectionInfo ConnectionInfo::parse(const QString& connString) {
    ConnectionInfo info;
    const auto parts = connString.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const int eq = part.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        const QString key = part.left(eq).trimmed();
        const QString value = part.mid(eq + 1);
        if (key.compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0)
            info.dataSource = value.trimmed();
        else if (key.compare(QLatin1String("Jet OLEDB:Database Password"), Qt::CaseInsensitive) == 0)
            info.password = value;
    }
    return info;
}

namespace {

QString errorText(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

// What a clerk is told of a failed statement, by the kind of failure; plain
// (the statement's own fault) when it is none of those.
QString failureText(int code, const QString& msg, const QString& plain) {
    switch (code & 0xff) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return QStringLiteral("数据库文件已损坏：%1").arg(msg);
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return QStringLiteral("数据库正被其他程序使用，请稍后再试：%1").arg(msg);
    case SQLITE_READONLY: return QStringLiteral("数据库文件不能写入（只读）：%1").arg(msg);
    case SQLITE_FULL: return QStringLiteral("磁盘已满，数据库无法写入：%1").arg(msg);
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN: return QStringLiteral("读写数据库文件时出错：%1").arg(msg);
    default: return plain.arg(msg);
    }
}

}  // namespace

std::shared_ptr<Connection> Connection::open(const QString& connString) {
    const ConnectionInfo info = ConnectionInfo::parse(connString);
    if (info.dataSource.isEmpty())
        throw DbError(QStringLiteral("连接字符串中没有数据库文件。"));
    const QFileInfo fi(info.dataSource);
    if (!fi.exists())
        throw DbError(QStringLiteral("找不到数据库文件 %1。").arg(info.dataSource), SQLITE_CANTOPEN);

    sqlite3* db = nullptr;
    const QByteArray path = info.dataSource.toUtf8();
    // Each connection lives on the one user-interface thread: no locking on every column read.
    int rc = sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = db ? errorText(db) : QString();
        sqlite3_close(db);
        throw DbError(QStringLiteral("无法打开数据库文件 %1：%2").arg(info.dataSource, msg), rc);
    }
    std::shared_ptr<Connection> conn(new Connection(db, info.dataSource));
    if (!info.password.isEmpty()) {
        const QByteArray key = info.password.toUtf8();
        sqlite3_key(db, key.constData(), key.size());
    }
    sqlite3_busy_timeout(db, 3000);
    try {
        // Reading the schema is the first moment a wrong key or a foreign file shows.
        conn->scalar(QStringLiteral("select count(*) from sqlite_master"));
        conn->scalar(QStringLiteral("pragma journal_mode=DELETE"));
    } catch (const DbError& e) {
        if (e.code() == SQLITE_NOTADB)
            throw DbError(QStringLiteral("%1 不是数据库文件，或者数据库密码不正确。").arg(info.dataSource), e.code());
        if (e.code() == SQLITE_BUSY || e.code() == SQLITE_LOCKED)
            throw DbError(QStringLiteral("数据库文件 %1 被占用。").arg(info.dataSource), e.code());
        throw;
    }
    return conn;
}

std::shared_ptr<Connection> Connection::create(const QString& file, const QString& key) {
    sqlite3* db = nullptr;
    const QByteArray path = file.toUtf8();
    const int rc = sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        throw DbError(QStringLiteral("无法建立数据库文件 %1。").arg(file), rc);
    }
    std::shared_ptr<Connection> conn(new Connection(db, file));
    if (!key.isEmpty()) {
        const QByteArray k = key.toUtf8();
        sqlite3_key(db, k.constData(), k.size());
    }
    conn->scalar(QStringLiteral("pragma journal_mode=DELETE"));
    return conn;
}

void Connection::executeScript(const QString& sql) {
    char* err = nullptr;
    const QByteArray text = sql.toUtf8();
    const int rc = sqlite3_exec(db_, text.constData(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : "");
        sqlite3_free(err);
        throw DbError(QStringLiteral("数据库脚本执行失败：%1").arg(msg), rc);
    }
}

Connection::~Connection() { sqlite3_close_v2(db_); }

int Connection::execute(const QString& sql, const QVariantList& params) {
    Statement st(*this, sql, params);
    while (st.next()) {
    }
    return sqlite3_changes(db_);
}

QVariant Connection::scalar(const QString& sql, const QVariantList& params) {
    Statement st(*this, sql, params);
    if (st.next() && st.columnCount() > 0) return st.value(0);
    return {};
}

bool Connection::inTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

qint64 Connection::lastInsertRowId() const { return sqlite3_last_insert_rowid(db_); }

Statement::Statement(Connection& conn, const QString& sql, const QVariantList& params) : conn_(conn) {
    const QByteArray text = sql.toUtf8();
    int rc = sqlite3_prepare_v2(conn.handle(), text.constData(), text.size(), &stmt_, nullptr);
    if (rc != SQLITE_OK)
        throw DbError(failureText(rc, errorText(conn.handle()), QStringLiteral("数据库语句有误：%1")), rc);
    const int expected = sqlite3_bind_parameter_count(stmt_);
    if (expected != params.size()) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw DbError(QStringLiteral("数据库语句需要 %1 个值，却给了 %2 个。").arg(expected).arg(params.size()));
    }
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& v = params.at(i);
        const int idx = i + 1;
        if (v.isNull() || !v.isValid()) {
            rc = sqlite3_bind_null(stmt_, idx);
        } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong ||
                   v.typeId() == QMetaType::Bool || v.typeId() == QMetaType::Short ||
                   v.typeId() == QMetaType::UInt) {
            rc = sqlite3_bind_int64(stmt_, idx, v.toLongLong());
        } else if (v.typeId() == QMetaType::Double) {
            rc = sqlite3_bind_double(stmt_, idx, v.toDouble());
        } else {
            const QByteArray bytes = v.toString().toUtf8();
            rc = sqlite3_bind_text(stmt_, idx, bytes.constData(), bytes.size(), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK) {
            sqlite3_finalize(stmt_);
            stmt_ = nullptr;
            throw DbError(QStringLiteral("无法绑定数据库语句的值：%1").arg(errorText(conn.handle())), rc);
        }
    }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

bool Statement::next() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    const int ext = sqlite3_extended_errcode(conn_.handle());
    QString msg = errorText(conn_.handle());
    sqlite3_reset(stmt_);
    if ((ext & 0xff) == SQLITE_CONSTRAINT)
        throw DbError(QStringLiteral("数据不符合表的约束（%1）").arg(msg), rc);
    throw DbError(failureText(rc, msg, QStringLiteral("数据库操作失败：%1")), rc);
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }

QString Statement::columnName(int i) const { return QString::fromUtf8(sqlite3_column_name(stmt_, i)); }

QString Statement::columnDatabase(int i) const {
    return QString::fromUtf8(sqlite3_column_database_name(stmt_, i));
}

QString Statement::columnTable(int i) const { return QString::fromUtf8(sqlite3_column_table_name(stmt_, i)); }

QString Statement::columnOrigin(int i) const { return QString::fromUtf8(sqlite3_column_origin_name(stmt_, i)); }

bool Statement::isNull(int i) const { return sqlite3_column_type(stmt_, i) == SQLITE_NULL; }

QVariant Statement::value(int i) const {
    switch (sqlite3_column_type(stmt_, i)) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER: return QVariant(static_cast<qlonglong>(sqlite3_column_int64(stmt_, i)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt_, i));
    default: {
        const char* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
        return QVariant(QString::fromUtf8(p, sqlite3_column_bytes(stmt_, i)));
    }
    }
}

const char* Statement::rawText(int i, int* length) const {
    const char* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
    *length = sqlite3_column_bytes(stmt_, i);
    return p;
}

Transaction::Transaction(Connection& conn) : conn_(conn) {
    if (!conn.inTransaction()) {
        conn.execute(QStringLiteral("BEGIN IMMEDIATE"));
        owner_ = true;
    }
}

Transaction::~Transaction() {
    if (owner_ && !done_ && conn_.inTransaction()) {
        try {
            conn_.execute(QStringLiteral("ROLLBACK"));
        } catch (...) {
        }
    }
}

void Transaction::commit() {
    if (owner_ && !done_) conn_.execute(QStringLiteral("COMMIT"));
    done_ = true;
}

}  // namespace platform
