#include "FileSystem.h"

#include "Database.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

namespace {

void tell(QString* why, const QString& text) {
    if (why) *why = text;
}

QString connString(const QString& file, const QString& key) {
    QString s = QStringLiteral("Data Source=") + file + QLatin1Char(';');
    if (!key.isEmpty()) s += QStringLiteral("Jet OLEDB:Database Password=") + key + QLatin1Char(';');
    return s;
}

bool isBusy(const DbError& e) { return (e.code() & 0xff) == SQLITE_BUSY || (e.code() & 0xff) == SQLITE_LOCKED; }

bool writeReplacing(const QString& destination, const QByteArray& bytes, QString* why) {
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly)) {
        tell(why, QStringLiteral("无法写入 %1：%2").arg(destination, out.errorString()));
        return false;
    }
    if (out.write(bytes) != bytes.size() || !out.commit()) {
        tell(why, QStringLiteral("无法写入 %1：%2").arg(destination, out.errorString()));
        out.cancelWriting();
        return false;
    }
    return true;
}

// The database file's bytes as they stand on disk, read through the
// connection's own file handle so its locks stay in force while reading.
bool readDatabaseBytes(Connection& conn, QByteArray* bytes, QString* why) {
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(conn.handle(), "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
        !file->pMethods) {
        tell(why, QStringLiteral("无法读取数据库文件 %1。").arg(conn.fileName()));
        return false;
    }
    sqlite3_int64 size = 0;
    if (file->pMethods->xFileSize(file, &size) != SQLITE_OK || size < 0) {
        tell(why, QStringLiteral("无法读取数据库文件 %1。").arg(conn.fileName()));
        return false;
    }
    bytes->resize(static_cast<qsizetype>(size));
    constexpr sqlite3_int64 kChunk = 1 << 20;
    for (sqlite3_int64 at = 0; at < size; at += kChunk) {
        const int n = static_cast<int>(std::min(kChunk, size - at));
        if (file->pMethods->xRead(file, bytes->data() + at, n, at) != SQLITE_OK) {
            tell(why, QStringLiteral("无法读取数据库文件 %1。").arg(conn.fileName()));
            return false;
        }
    }
    return true;
}

}  // namespace

bool CopyFileReplacing(const QString& source, const QString& destination, QString* why) {
    QFile in(source);
    if (!QFileInfo(source).isFile()) {
        tell(why, QStringLiteral("找不到文件 %1").arg(source));
        return false;
    }
    if (!in.open(QIODevice::ReadOnly)) {
        tell(why, QStringLiteral("无法读取 %1：%2").arg(source, in.errorString()));
        return false;
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        tell(why, QStringLiteral("无法读取 %1：%2").arg(source, in.errorString()));
        return false;
    }
    in.close();
    return writeReplacing(destination, bytes, why);
}

bool CreateFolder(const QString& path, QString* why) {
    const QFileInfo fi(path);
    if (fi.isDir()) return true;
    if (fi.exists()) {
        tell(why, QStringLiteral("%1 已经存在，但不是目录").arg(path));
        return false;
    }
    if (!QDir().mkpath(path)) {
        tell(why, QStringLiteral("无法建立目录 %1").arg(path));
        return false;
    }
    return true;
}

bool DeleteFile(const QString& path, QString* why) {
    const QFileInfo fi(path);
    if (!fi.exists() && !fi.isSymLink()) return true;
    QFile f(path);
    if (!f.remove()) {
        tell(why, QStringLiteral("无法删除 %1：%2").arg(path, f.errorString()));
        return false;
    }
    return true;
}

QStringList CopyFolderFiles(const QString& sourceDir, const QString& destDir) {
    QStringList failed;
    const QDir from(sourceDir);
    if (!from.exists()) return failed;
    const QDir to(destDir);
    for (const QFileInfo& fi : from.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        QString why;
        if (!CopyFileReplacing(fi.filePath(), to.filePath(fi.fileName()), &why))
            failed << QStringLiteral("%1（%2）").arg(fi.fileName(), why);
    }
    return failed;
}

bool CheckDatabaseFile(const QString& file, const QString& key, QString* why) {
    if (!QFileInfo(file).isFile()) {
        tell(why, QStringLiteral("找不到文件 %1").arg(file));
        return false;
    }
    try {
        Connection::open(connString(file, key));
    } catch (const DbError& e) {
        tell(why, e.message());
        return false;
    }
    return true;
}

bool CopyDatabaseFile(const QString& source, const QString& destination, const QString& key, QString* why) {
    if (!QFileInfo(source).isFile()) {
        tell(why, QStringLiteral("找不到文件 %1").arg(source));
        return false;
    }
    QByteArray bytes;
    try {
        ConnectionPtr src = Connection::open(connString(source, key));
        try {
            // The write lock: granted only when no other connection has a change under way.
            src->execute(QStringLiteral("BEGIN IMMEDIATE"));
        } catch (const DbError& e) {
            if (isBusy(e)) {
                tell(why, QStringLiteral("数据库 %1 正在被修改，没有复制。").arg(source));
                return false;
            }
            // A file that may not be written (read-only media) can change under no one's hand.
            src->execute(QStringLiteral("BEGIN"));
        }
        src->scalar(QStringLiteral("select count(*) from sqlite_master"));
        const bool read = readDatabaseBytes(*src, &bytes, why);
        src->execute(QStringLiteral("ROLLBACK"));
        if (!read) return false;
    } catch (const DbError& e) {
        tell(why, isBusy(e) ? QStringLiteral("数据库 %1 正在使用，没有复制。").arg(source) : e.message());
        return false;
    }

    ConnectionPtr dst;
    if (QFileInfo::exists(destination)) {
        try {
            dst = Connection::open(connString(destination, key));
            dst->execute(QStringLiteral("BEGIN EXCLUSIVE"));
        } catch (const DbError& e) {
            if (isBusy(e)) {
                tell(why, QStringLiteral("数据库 %1 正在使用，没有替换。").arg(destination));
                return false;
            }
            dst.reset();
            // Not a database we can open: a journal left beside it must not be played into the new file.
            if (!DeleteFile(destination + QStringLiteral("-journal"), why)) return false;
        }
    }
    const bool written = writeReplacing(destination, bytes, why);
    if (dst) {
        try {
            dst->execute(QStringLiteral("ROLLBACK"));
        } catch (const DbError&) {
            // the lock goes with the connection in any case
        }
    }
    return written;
}

}  // namespace platform
