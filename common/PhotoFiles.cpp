#include "PhotoFiles.h"

#include "platform/Database.h"
#include "platform/FileSystem.h"
#include "platform/ProgramDir.h"
#include "platform/Texts.h"
#include "common/ModuleState.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace halvern {

using namespace platform;

QString PhotographFile(const QString& stored) {
    if (stored.isEmpty()) return {};
    const QString folder = QDir::cleanPath(ProgramPath(QStringLiteral("pic")));
    const QString file = QDir::cleanPath(ProgramPath(stored));
    if (!file.startsWith(folder + QLatin1Char('/'))) return {};
    return file;
}

QString PictureField(const QString& numberAsTyped, const QString& picturePath, int variant) {
    const QString number = variant > 1 ? QStringLiteral("%1 (%2)").arg(numberAsTyped).arg(variant) : numberAsTyped;
    // The number as typed names the file, but only as one name inside pic, and its own.
    return QStringLiteral("\\pic\\") + SafeFileName(number + picturePath.right(4));
}

namespace {

// "%" and "_" are wildcards of like; "!" escapes them.
QString likeAnywhere(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('!'), QLatin1String("!!"));
    escaped.replace(QLatin1Char('%'), QLatin1String("!%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("!_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

}  // namespace

bool PhotographOwned(Connection& conn, const QString& file, qint64 exceptEmployeeRow) {
    if (file.isEmpty()) return false;
    // Only rows whose 图片 holds the file's name can name it; the index on 图片
    // answers that without reading the rows. Each candidate is then read as a path.
    const QVariantList pattern{likeAnywhere(QFileInfo(file).fileName())};
    const auto names = [&](const QString& stored) {
        return PhotographFile(TrimBlanks(stored)).compare(file, Qt::CaseInsensitive) == 0;
    };
    Statement employees(conn, QStringLiteral("select rowid, 图片 from 员工信息 where 图片 like ? escape '!'"), pattern);
    while (employees.next())
        if (employees.value(0).toLongLong() != exceptEmployeeRow && names(employees.value(1).toString())) return true;
    Statement leavers(conn, QStringLiteral("select 图片 from 员工离职 where 图片 like ? escape '!'"), pattern);
    while (leavers.next())
        if (names(leavers.value(0).toString())) return true;
    return false;
}

QString FreePictureField(Connection& conn, const QString& numberAsTyped, const QString& picturePath,
                         qint64 ownEmployeeRow) {
    for (int variant = 1; variant < 10000; ++variant) {
        const QString field = PictureField(numberAsTyped, picturePath, variant);
        if (!PhotographOwned(conn, PhotographFile(field), ownEmployeeRow)) return field;
    }
    throw DbError(QStringLiteral("照片文件 %1 的各个名字都已被其他员工占用。").arg(PictureField(numberAsTyped, picturePath)));
}

namespace {

// What the 员工信息 row and the 覆历 rows of an employee hold, as one digest:
// the same digest before and after a commit means the commit changed nothing of them.
QString employeeDigest(Connection& conn, const QString& number) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& sql : {QStringLiteral("select * from 员工信息 where 员工编号=?"),
                               QStringLiteral("select * from 覆历 where 员工编号=? order by rowid")}) {
        Statement st(conn, sql, {number});
        int rows = 0;
        while (st.next()) {
            ++rows;
            for (int i = 0; i < st.columnCount(); ++i) {
                const QVariant v = st.value(i);
                const QByteArray bytes = v.isNull() ? QByteArray() : v.toString().toUtf8();
                const char kind = v.isNull() ? 'N' : v.typeId() == QMetaType::QString ? 'T' : 'V';
                hash.addData(QByteArray(1, kind) + QByteArray::number(bytes.size()) + ':' + bytes);
            }
        }
        hash.addData("rows:" + QByteArray::number(rows) + ';');
    }
    return QString::fromLatin1(hash.result().toHex());
}

const QString kNumberKey = QStringLiteral("员工编号");
const QString kDigestKey = QStringLiteral("digest");

}  // namespace

void PhotoInstall::Prepare(Connection& conn, const QString& source, const QString& target, const QString& number) {
    const QFileInfo info(target);
    QString why;
    if (!CreateFolder(info.absolutePath(), &why) || !staged_.AddFile(source, target, &why))
        throw DbError(QStringLiteral("无法复制照片文件 %1：%2").arg(source, why), kFileFailure);
    const QJsonObject note{{kNumberKey, number}, {kDigestKey, employeeDigest(conn, number)}};
    if (!staged_.Record(JournalPath(info.absolutePath(), info.fileName()),
                        QString::fromUtf8(QJsonDocument(note).toJson(QJsonDocument::Compact)), &why))
        throw DbError(QStringLiteral("无法复制照片文件 %1：%2").arg(source, why), kFileFailure);
}

bool PhotoInstall::Install() { return staged_.Install(); }

bool PhotographRemoval::Prepare() {
    const QFileInfo fi(file_);
    if (file_.isEmpty() || (!fi.exists() && !fi.isSymLink()) || fi.isDir()) return true;  // nothing to delete
    const QString aside = DeletingPath(file_);
    if (!RenameReplacing(file_, aside)) return false;
    aside_ = aside;
    return true;
}

void PhotographRemoval::Finish() {
    if (!aside_.isEmpty()) QFile::remove(aside_);
    aside_.clear();
}

PhotographRemoval::~PhotographRemoval() {
    if (!aside_.isEmpty()) RenameReplacing(aside_, file_);
}

namespace {

// Every photograph file that a row of 员工信息 or 员工离职 names; throws DbError
// when the database cannot be read.
QSet<QString> photographsOnFile() {
    QSet<QString> files;
    auto conn = Connection::open(DbConnString());
    for (const QString& sql : {QStringLiteral("select 图片 from 员工信息 where 图片 is not null"),
                               QStringLiteral("select 图片 from 员工离职 where 图片 is not null")}) {
        Statement st(*conn, sql);
        while (st.next()) {
            const QString file = PhotographFile(TrimBlanks(st.value(0).toString()));
            if (!file.isEmpty()) files.insert(file);
        }
    }
    return files;
}

// Removes the passing files of a folder, unless a journal there still waits
// for its set to be settled.
void removeStagedFiles(const QString& folder) {
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    if (std::any_of(files.cbegin(), files.cend(), [](const QFileInfo& fi) { return IsJournalName(fi.fileName()); }))
        return;
    for (const QFileInfo& fi : files)
        if (IsLeftoverName(fi.fileName()) && DeletedFileName(fi.fileName()).isEmpty()) QFile::remove(fi.filePath());
}

// A saved photograph goes in place when its rows hold what the save wrote,
// and away otherwise. While the database cannot be read, the journals wait.
void settlePhotoJournals(const QString& pic) {
    const QFileInfoList journals =
        QDir(pic).entryInfoList({QStringLiteral(".*.journal")}, QDir::Files | QDir::Hidden | QDir::System);
    if (journals.isEmpty()) return;
    ConnectionPtr conn;
    try {
        conn = Connection::open(DbConnString());
    } catch (const DbError&) {
        return;
    }
    for (const QFileInfo& fi : journals) {
        const QJsonObject note = QJsonDocument::fromJson(JournalNote(fi.filePath()).value_or(QString()).toUtf8()).object();
        try {
            const QString digest = note.value(kDigestKey).toString();
            if (!digest.isEmpty() && employeeDigest(*conn, note.value(kNumberKey).toString()) == digest)
                FinishStagedSet(fi.filePath());
            else
                DropStagedSet(fi.filePath());
        } catch (const DbError&) {
            // read again at the next start
        }
    }
}

}  // namespace

void SettlePhotoLeftovers() {
    const QString pic = ProgramPath(QStringLiteral("pic"));
    settlePhotoJournals(pic);
    removeStagedFiles(ProgramDir());
    removeStagedFiles(pic);

    const QFileInfoList aside =
        QDir(pic).entryInfoList({QStringLiteral(".*.deleting")}, QDir::Files | QDir::Hidden | QDir::System);
    if (aside.isEmpty()) return;
    QSet<QString> onFile;
    try {
        onFile = photographsOnFile();
    } catch (const DbError&) {
        return;  // whose they are cannot be told now; the next start tries again
    }
    for (const QFileInfo& fi : aside) {
        const QString original = QDir::cleanPath(QDir(pic).filePath(DeletedFileName(fi.fileName())));
        if (onFile.contains(original) && !QFileInfo::exists(original))
            RenameReplacing(fi.filePath(), original);
        else
            QFile::remove(fi.filePath());
    }
}

}  // namespace halvern
