#include "FileSystem.h"

#include "Database.h"
#include "Recordset.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

const QString kStagingSuffix = QStringLiteral(".part");
const QString kDeletingSuffix = QStringLiteral(".deleting");
const QString kJournalSuffix = QStringLiteral(".journal");
constexpr qint64 kChunk = 1 << 20;

void tell(QString* why, const QString& text) {
    if (why) *why = text;
}

// The system's own words for the last failed call.
QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString connString(const QString& file, const QString& key) {
    QString s = QStringLiteral("Data Source=") + file + QLatin1Char(';');
    if (!key.isEmpty()) s += QStringLiteral("Jet OLEDB:Database Password=") + key + QLatin1Char(';');
    return s;
}

bool isBusy(const DbError& e) { return (e.code() & 0xff) == SQLITE_BUSY || (e.code() & 0xff) == SQLITE_LOCKED; }

// Flushes a folder's entries (the renames done in it) to disk.
void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

enum class Kind { Missing, Regular, Folder, Link, Other };

// What path is itself, a link taken as the link and not as what it names;
// `what` says it in words for all but a regular file and a folder.
Kind kindOf(const QString& path, QString* what = nullptr) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) return Kind::Missing;
    if (S_ISREG(st.st_mode)) return Kind::Regular;
    if (S_ISDIR(st.st_mode)) return Kind::Folder;
    if (S_ISLNK(st.st_mode)) {
        if (what) {
            QByteArray target(4096, '\0');
            const ssize_t n = ::readlink(name.constData(), target.data(), target.size());
            target.resize(n > 0 ? n : 0);
            struct stat named {};
            *what = ::stat(name.constData(), &named) == 0
                        ? QStringLiteral("符号链接，指向 %1").arg(QFile::decodeName(target))
                        : QStringLiteral("符号链接，指向的 %1 不存在").arg(QFile::decodeName(target));
        }
        return Kind::Link;
    }
    if (what)
        *what = S_ISFIFO(st.st_mode)                       ? QStringLiteral("命名管道")
                : S_ISSOCK(st.st_mode)                     ? QStringLiteral("套接字")
                : S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) ? QStringLiteral("设备文件")
                                                           : QStringLiteral("特殊文件");
    return Kind::Other;
}

// True when file is a regular file of its own; otherwise why names what it is
// and ends in refusal ("不是数据库文件", "没有复制").
bool regularFile(const QString& file, const QString& refusal, QString* why) {
    QString what;
    switch (kindOf(file, &what)) {
    case Kind::Regular: return true;
    case Kind::Link:
    case Kind::Other:
        // Read, it would be whatever file the link names.
        tell(why, QStringLiteral("%1 是%2，%3").arg(file, what, refusal));
        return false;
    case Kind::Missing:
    case Kind::Folder:
        tell(why, QStringLiteral("找不到文件 %1").arg(file));
        return false;
    }
    return false;
}

// A file written under its passing name, piece by piece; removed again unless finished.
class StagingWriter {
public:
    explicit StagingWriter(const QString& destination) : destination_(destination), path_(StagingPath(destination)) {}
    ~StagingWriter() {
        if (fd_ >= 0) ::close(fd_);
        if (!finished_) QFile::remove(path_);
    }
    StagingWriter(const StagingWriter&) = delete;
    StagingWriter& operator=(const StagingWriter&) = delete;

    bool open(QString* why) {
        QFile::remove(path_);
        // A new file of its own: never one that a link planted under the passing name points to.
        fd_ = ::open(QFile::encodeName(path_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd_ < 0) return fail(errno, why);
        return true;
    }
    bool write(const char* data, qint64 size, QString* why) {
        while (size > 0) {
            const ssize_t n = ::write(fd_, data, static_cast<size_t>(size));
            if (n < 0) {
                if (errno == EINTR) continue;
                return fail(errno, why);
            }
            data += n;
            size -= n;
        }
        return true;
    }
    // Flushes the file to disk and closes it; it stays under its passing name.
    bool finish(QString* why) {
        if (::fsync(fd_) != 0) return fail(errno, why);
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) return fail(errno, why);
        finished_ = true;
        return true;
    }
    const QString& path() const { return path_; }

private:
    bool fail(int error, QString* why) {
        tell(why, QStringLiteral("无法写入 %1：%2").arg(destination_, systemReason(error)));
        return false;
    }
    QString destination_;
    QString path_;
    int fd_ = -1;
    bool finished_ = false;
};

// Streams the database file's bytes as they stand on disk, read through the
// connection's own file handle so its locks stay in force while reading.
bool streamDatabase(Connection& conn, StagingWriter& out, QString* why) {
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
    QByteArray buffer(static_cast<qsizetype>(std::min<sqlite3_int64>(kChunk, std::max<sqlite3_int64>(size, 1))),
                      Qt::Uninitialized);
    for (sqlite3_int64 at = 0; at < size; at += kChunk) {
        const int n = static_cast<int>(std::min<sqlite3_int64>(kChunk, size - at));
        if (file->pMethods->xRead(file, buffer.data(), n, at) != SQLITE_OK) {
            tell(why, QStringLiteral("无法读取数据库文件 %1。").arg(conn.fileName()));
            return false;
        }
        if (!out.write(buffer.constData(), n, why)) return false;
    }
    return true;
}

}  // namespace

QString StagingPath(const QString& destination) {
    const QFileInfo fi(destination);
    return fi.dir().filePath(QLatin1Char('.') + fi.fileName() + kStagingSuffix);
}

QString DeletingPath(const QString& file) {
    const QFileInfo fi(file);
    return fi.dir().filePath(QLatin1Char('.') + fi.fileName() + kDeletingSuffix);
}

QString JournalPath(const QString& folder, const QString& name) {
    return QDir(folder).filePath(QLatin1Char('.') + name + kJournalSuffix);
}

bool IsLeftoverName(const QString& fileName) {
    if (!fileName.startsWith(QLatin1Char('.'))) return false;
    for (const QString& suffix : {kStagingSuffix, kDeletingSuffix, kJournalSuffix})
        if (fileName.size() > suffix.size() + 1 && fileName.endsWith(suffix)) return true;
    return false;
}

bool IsJournalName(const QString& fileName) { return IsLeftoverName(fileName) && fileName.endsWith(kJournalSuffix); }

QString DeletedFileName(const QString& leftoverName) {
    if (!IsLeftoverName(leftoverName) || !leftoverName.endsWith(kDeletingSuffix)) return {};
    return leftoverName.mid(1, leftoverName.size() - 1 - kDeletingSuffix.size());
}

QString SafeFileName(const QString& name) {
    const auto hex = [](char16_t c, int width) {
        return QString::number(unsigned(c), 16).toUpper().rightJustified(width, QLatin1Char('0'));
    };
    const auto escaped = [&](char16_t c) { return QLatin1Char('%') + hex(c, 2); };
    QString safe;
    safe.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            safe += c;
            safe += name.at(++i);
        } else if (c.isSurrogate()) {
            safe += QStringLiteral("%u") + hex(c.unicode(), 4);
        } else if (c == QLatin1Char('%') || c == QLatin1Char('/') || c == QLatin1Char('\\') ||
                   c.category() == QChar::Other_Control) {
            safe += escaped(c.unicode());
        } else {
            safe += c;
        }
    }
    // "." and ".." name folders; a passing name would be taken for a leftover.
    if (!safe.isEmpty() && std::all_of(safe.cbegin(), safe.cend(), [](QChar c) { return c == QLatin1Char('.'); }))
        return QString(escaped(u'.')).repeated(safe.size());
    if (IsLeftoverName(safe)) safe.replace(0, 1, escaped(u'.'));
    return safe;
}

bool RenameReplacing(const QString& from, const QString& to, QString* why) {
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        tell(why, QStringLiteral("无法替换 %1：%2").arg(to, systemReason(errno)));
        return false;
    }
    return true;
}

std::vector<NotAFile> NonFileEntries(const QString& folder) {
    std::vector<NotAFile> entries;
    const QDir dir(folder);
    // System lists pipes, sockets, devices and links that name nothing.
    for (const QFileInfo& fi : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                 QDir::Name)) {
        QString what;
        const Kind kind = kindOf(fi.filePath(), &what);
        if (kind == Kind::Link || kind == Kind::Other) entries.push_back({fi.fileName(), what});
    }
    return entries;
}

bool StageCopy(const QString& source, const QString& destination, QString* why, Links links) {
    QString what;
    const Kind kind = kindOf(source, &what);
    if (kind == Kind::Link && links == Links::Refuse) {
        tell(why, QStringLiteral("%1 是%2，没有复制").arg(source, what));
        return false;
    }
    if (kind == Kind::Missing || (kind == Kind::Link && !QFileInfo(source).isFile()) || kind == Kind::Folder) {
        tell(why, QStringLiteral("找不到文件 %1").arg(source));
        return false;
    }
    if (kind == Kind::Other) {
        tell(why, QStringLiteral("%1 不是普通文件（%2），没有复制").arg(source, what));
        return false;
    }
    // Opened without waiting (a pipe put in its place meanwhile would block) and
    // without following a link when links are refused; what opened must be a regular file.
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (links == Links::Refuse ? O_NOFOLLOW : 0);
    const int fd = ::open(QFile::encodeName(source).constData(), flags);
    if (fd < 0) {
        tell(why, QStringLiteral("无法读取 %1：%2").arg(source, systemReason(errno)));
        return false;
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        tell(why, QStringLiteral("%1 不是普通文件，没有复制").arg(source));
        return false;
    }
    StagingWriter out(destination);
    if (!out.open(why)) return false;
    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), static_cast<size_t>(buffer.size()));
        if (n < 0) {
            if (errno == EINTR) continue;
            tell(why, QStringLiteral("无法读取 %1：%2").arg(source, systemReason(errno)));
            return false;
        }
        if (n == 0) break;
        if (!out.write(buffer.constData(), n, why)) return false;
    }
    return out.finish(why);
}

bool CopyFileReplacing(const QString& source, const QString& destination, QString* why) {
    StagedFiles staged;
    return staged.AddFile(source, destination, why) && staged.Install(why);
}

bool CreateFolder(const QString& path, QString* why) {
    const QFileInfo fi(path);
    if (fi.isDir()) return true;
    if (fi.exists()) {
        tell(why, QStringLiteral("%1 已经存在，但不是目录").arg(path));
        return false;
    }
    if (!QDir().mkpath(path)) {
        tell(why, QStringLiteral("无法建立目录 %1：%2").arg(path, systemReason(errno)));
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
    StagedFiles staged;
    QStringList failed = staged.AddFolderFiles(sourceDir, destDir);
    QString why;
    if (!staged.Install(&why)) failed << why;
    return failed;
}

bool CheckDatabaseFile(const QString& file, const QString& key, QString* why) {
    return CheckDatabaseFile(file, key, QString(), why);
}

namespace {

// The tables a schema script makes, each with its columns in order.
std::vector<std::pair<QString, QStringList>> tablesMadeBy(const QString& schema) {
    ConnectionPtr reference = Connection::create(QStringLiteral(":memory:"));
    reference->executeScript(schema);
    std::vector<std::pair<QString, QStringList>> tables;
    Statement names(*reference, QStringLiteral("select name from sqlite_master where type = 'table' and "
                                               "name not like 'sqlite!_%' escape '!' order by rowid"));
    while (names.next()) tables.push_back({names.value(0).toString(), {}});
    for (auto& [table, columns] : tables) {
        // The table names of our own schema; a statement reads nothing but their columns.
        Statement st(*reference, QStringLiteral("select * from %1 limit 0").arg(QuoteIdentifier(table)));
        for (int i = 0; i < st.columnCount(); ++i) columns << st.columnName(i);
    }
    return tables;
}

// True when the database has the table, or the table's column when one is named
// (names compare without regard to case, as the database compares them).
bool hasTableColumn(Connection& conn, const QString& table, const QString& column = {}) {
    const QByteArray t = table.toUtf8();
    const QByteArray c = column.toUtf8();
    return sqlite3_table_column_metadata(conn.handle(), "main", t.constData(), column.isEmpty() ? nullptr : c.constData(),
                                         nullptr, nullptr, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// What the database lacks of the tables and columns the schema script makes.
QString schemaGaps(Connection& conn, const QString& schema) {
    const auto wanted = tablesMadeBy(schema);
    QStringList missingTables;
    QStringList missingColumns;
    for (const auto& [table, columns] : wanted) {
        if (!hasTableColumn(conn, table)) {
            missingTables << QStringLiteral("“%1”").arg(table);
            continue;
        }
        for (const QString& column : columns)
            if (!hasTableColumn(conn, table, column)) missingColumns << QStringLiteral("“%1”的列“%2”").arg(table, column);
    }
    if (!wanted.empty() && missingTables.size() == qsizetype(wanted.size()))
        return wanted.size() == 1 ? QStringLiteral("不是本程序的数据库，其中没有表%1").arg(missingTables.first())
                                  : QStringLiteral("不是本程序的数据库，本程序的 %1 个表（%2等）一个也没有")
                                        .arg(wanted.size())
                                        .arg(missingTables.first());
    QStringList gaps;
    if (!missingTables.isEmpty()) gaps << QStringLiteral("缺少表%1").arg(missingTables.join(QStringLiteral("、")));
    if (!missingColumns.isEmpty()) gaps << QStringLiteral("缺少%1").arg(missingColumns.join(QStringLiteral("、")));
    return gaps.join(QStringLiteral("；"));
}

}  // namespace

bool CheckDatabaseFile(const QString& file, const QString& key, const QString& schema, QString* why) {
    if (!regularFile(file, QStringLiteral("不是数据库文件"), why)) return false;
    try {
        ConnectionPtr conn = Connection::open(connString(file, key));
        // A damaged page anywhere in the file shows here, not only in the first one.
        const QString verdict = conn->scalar(QStringLiteral("pragma integrity_check(1)")).toString();
        if (verdict != QLatin1String("ok")) {
            tell(why, QStringLiteral("数据库文件已损坏（%1）").arg(verdict));
            return false;
        }
        if (!schema.isEmpty()) {
            const QString gaps = schemaGaps(*conn, schema);
            if (!gaps.isEmpty()) {
                tell(why, gaps);
                return false;
            }
        }
    } catch (const DbError& e) {
        tell(why, e.message());
        return false;
    }
    return true;
}

bool CopyDatabaseFile(const QString& source, const QString& destination, const QString& key, QString* why) {
    StagedFiles staged;
    return staged.AddDatabase(source, destination, key, why) && staged.Install(why);
}

// ---- staged files ------------------------------------------------------------

StagedFiles::~StagedFiles() { Discard(); }

void StagedFiles::Discard() {
    for (const Entry& e : entries_) QFile::remove(e.staged);
    entries_.clear();
    if (!journal_.isEmpty()) {
        QFile::remove(journal_);
        syncFolder(QFileInfo(journal_).absolutePath());
    }
    journal_.clear();
}

bool StagedFiles::AddFile(const QString& source, const QString& destination, QString* why) {
    return addFile(source, destination, Links::Follow, why);
}

bool StagedFiles::addFile(const QString& source, const QString& destination, Links links, QString* why) {
    if (!StageCopy(source, destination, why, links)) return false;
    entries_.push_back({StagingPath(destination), destination, {}, false});
    return true;
}

QStringList StagedFiles::AddFolderFiles(const QString& sourceDir, const QString& destDir) {
    QStringList failed;
    const QDir from(sourceDir);
    if (!from.exists()) return failed;
    const QDir to(destDir);
    for (const QFileInfo& fi : from.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (IsLeftoverName(fi.fileName()) || kindOf(fi.filePath()) != Kind::Regular) continue;
        QString why;
        if (!addFile(fi.filePath(), to.filePath(fi.fileName()), Links::Refuse, &why))
            failed << QStringLiteral("%1（%2）").arg(fi.fileName(), why);
    }
    return failed;
}

bool StagedFiles::AddDatabase(const QString& source, const QString& destination, const QString& key, QString* why) {
    if (!regularFile(source, QStringLiteral("没有复制"), why)) return false;
    StagingWriter out(destination);
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
        const bool copied = out.open(why) && streamDatabase(*src, out, why) && out.finish(why);
        src->execute(QStringLiteral("ROLLBACK"));
        if (!copied) return false;
    } catch (const DbError& e) {
        tell(why, isBusy(e) ? QStringLiteral("数据库 %1 正在使用，没有复制。").arg(source) : e.message());
        return false;
    }
    entries_.push_back({out.path(), destination, key, true});
    return true;
}

bool StagedFiles::Record(const QString& journal, const QString& note, QString* why) {
    const QDir base = QFileInfo(journal).absoluteDir();
    QJsonArray files;
    for (const Entry& e : entries_)
        files.append(QJsonObject{{QStringLiteral("staged"), base.relativeFilePath(e.staged)},
                                 {QStringLiteral("destination"), base.relativeFilePath(e.destination)},
                                 {QStringLiteral("database"), e.database}});
    const QByteArray text =
        QJsonDocument(QJsonObject{{QStringLiteral("note"), note}, {QStringLiteral("files"), files}}).toJson();
    // Written whole under its passing name first: a journal that is there is complete.
    StagingWriter out(journal);
    if (!out.open(why) || !out.write(text.constData(), text.size(), why) || !out.finish(why)) return false;
    if (!RenameReplacing(out.path(), journal, why)) {
        QFile::remove(out.path());
        return false;
    }
    journal_ = journal;
    syncFolder(base.absolutePath());
    return true;
}

bool StagedFiles::Install(QString* why) {
    // Every database that is replaced is held exclusively first: none may be in use.
    std::vector<ConnectionPtr> held;
    QStringList journals;
    for (const Entry& e : entries_) {
        // Only a database file of its own can be in use; a link in its place is simply replaced.
        if (!e.database || kindOf(e.destination) != Kind::Regular) continue;
        try {
            ConnectionPtr dst = Connection::open(connString(e.destination, e.key));
            dst->execute(QStringLiteral("BEGIN EXCLUSIVE"));
            held.push_back(dst);
        } catch (const DbError& err) {
            if (isBusy(err)) {
                tell(why, QStringLiteral("数据库 %1 正在使用，没有替换。").arg(e.destination));
                Discard();
                return false;
            }
            // Not a database we can open: a journal left beside it must not be played into the new file.
            journals << e.destination + QStringLiteral("-journal");
        }
    }
    for (const QString& journal : journals)
        if (!DeleteFile(journal, why)) {
            Discard();
            return false;
        }

    QStringList failed;
    QStringList folders;
    for (Entry& e : entries_) {
        QString reason;
        if (RenameReplacing(e.staged, e.destination, &reason)) {
            e.staged.clear();
            const QString folder = QFileInfo(e.destination).absolutePath();
            if (!folders.contains(folder)) folders << folder;
        } else {
            failed << reason;
        }
    }
    for (const QString& folder : folders) syncFolder(folder);
    for (const ConnectionPtr& dst : held) {
        try {
            dst->execute(QStringLiteral("ROLLBACK"));
        } catch (const DbError&) {
            // the lock goes with the connection in any case
        }
    }
    held.clear();
    for (const Entry& e : entries_)
        if (!e.staged.isEmpty()) QFile::remove(e.staged);
    entries_.clear();
    // Every file is in place or, when its rename failed, gone: nothing is left to finish.
    if (!journal_.isEmpty()) {
        QFile::remove(journal_);
        syncFolder(QFileInfo(journal_).absolutePath());
        journal_.clear();
    }
    if (!failed.isEmpty()) {
        tell(why, failed.join(QLatin1Char('\n')));
        return false;
    }
    return true;
}

// ---- journals of staged sets ----------------------------------------------------

namespace {

struct JournalEntry {
    QString staged;
    QString destination;
    bool database = false;
};

struct Journal {
    QString note;
    std::vector<JournalEntry> files;
};

std::optional<Journal> readJournal(const QString& journal) {
    if (kindOf(journal) != Kind::Regular) return std::nullopt;
    QFile f(journal);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll());
    if (!doc.isObject()) return std::nullopt;
    const QDir base = QFileInfo(journal).absoluteDir();
    Journal j;
    j.note = doc.object().value(QStringLiteral("note")).toString();
    const QString inside = QDir::cleanPath(base.absolutePath()) + QLatin1Char('/');
    for (const QJsonValue& v : doc.object().value(QStringLiteral("files")).toArray()) {
        const QJsonObject o = v.toObject();
        JournalEntry e{QDir::cleanPath(base.absoluteFilePath(o.value(QStringLiteral("staged")).toString())),
                       QDir::cleanPath(base.absoluteFilePath(o.value(QStringLiteral("destination")).toString())),
                       o.value(QStringLiteral("database")).toBool()};
        // What StagedFiles::Record writes; anything else would move or delete a file
        // elsewhere when the journal is settled, and a journal may come with a folder
        // the user picked.
        if (!e.destination.startsWith(inside) || IsLeftoverName(QFileInfo(e.destination).fileName()) ||
            e.staged != QDir::cleanPath(StagingPath(e.destination)))
            return std::nullopt;
        j.files.push_back(e);
    }
    return j;
}

}  // namespace

std::optional<QString> JournalNote(const QString& journal) {
    const std::optional<Journal> j = readJournal(journal);
    if (!j) return std::nullopt;
    return j->note;
}

bool FinishStagedSet(const QString& journal, QString* why) {
    const std::optional<Journal> j = readJournal(journal);
    if (!j) {
        // Written whole before any file moved: one that cannot be read stood for nothing yet.
        DropStagedSet(journal);
        return true;
    }
    QStringList failed;
    QSet<QString> folders;
    for (const JournalEntry& e : j->files) {
        if (!QFileInfo::exists(e.staged)) continue;  // already in place
        QString reason;
        // The journal of the file being replaced would be played into its successor.
        if (e.database && !DeleteFile(e.destination + QStringLiteral("-journal"), &reason)) {
            failed << reason;
            continue;
        }
        if (RenameReplacing(e.staged, e.destination, &reason))
            folders.insert(QFileInfo(e.destination).absolutePath());
        else
            failed << reason;
    }
    for (const QString& folder : folders) syncFolder(folder);
    if (!failed.isEmpty()) {
        // Left for the next start to try again.
        tell(why, failed.join(QLatin1Char('\n')));
        return false;
    }
    QFile::remove(journal);
    syncFolder(QFileInfo(journal).absolutePath());
    return true;
}

void DropStagedSet(const QString& journal) {
    if (const std::optional<Journal> j = readJournal(journal))
        for (const JournalEntry& e : j->files) QFile::remove(e.staged);
    QFile::remove(journal);
    syncFolder(QFileInfo(journal).absolutePath());
}

// ---- the folder lock -------------------------------------------------------------

FolderLock::Result FolderLock::Acquire(const QString& folder, QString* why) {
    Release();
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        tell(why, QStringLiteral("无法打开目录 %1：%2").arg(folder, systemReason(errno)));
        return Result::Failed;
    }
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) return Result::HeldByAnother;
        tell(why, QStringLiteral("无法锁定目录 %1：%2").arg(folder, systemReason(error)));
        return Result::Failed;
    }
    fd_ = fd;
    folder_ = folder;
    return Result::Held;
}

void FolderLock::Release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    folder_.clear();
}

}  // namespace platform
