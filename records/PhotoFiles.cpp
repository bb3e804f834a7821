#include "PhotoFiles.h"

#include "platform/Database.h"
#include "platform/FileSystem.h"
#include "platform/ProgramDir.h"
#include "shell/ModuleState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
            const QString file = PhotographFile(st.value(0).toString().trimmed());
            if (!file.isEmpty()) files.insert(file);
        }
    }
    return files;
}

void removeStagedFiles(const QString& folder) {
    for (const QFileInfo& fi : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
        if (IsLeftoverName(fi.fileName()) && DeletedFileName(fi.fileName()).isEmpty()) QFile::remove(fi.filePath());
}

}  // namespace

void SettlePhotoLeftovers() {
    const QString pic = ProgramPath(QStringLiteral("pic"));
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
