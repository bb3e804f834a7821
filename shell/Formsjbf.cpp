#include "Formsjbf.h"

#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace halvern {

using namespace platform;

namespace {

// What a backup into folder stopped before its journal was written left there:
// the passing files of the set's own files and any passing file in its pic/.
// Other files of the folder, which may be the user's, stay.
void removeLeftovers(const QString& folder) {
    QFile::remove(StagingPath(SetJournal(folder)));
    for (const SetDatabase& db : SetDatabases()) QFile::remove(StagingPath(folder + db.name));
    for (const QFileInfo& fi : QDir(folder + QStringLiteral("pic")).entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
        if (IsLeftoverName(fi.fileName())) QFile::remove(fi.filePath());
}

}  // namespace

Formsjbf::Formsjbf() : BackupFolderForm(QStringLiteral("数据备份")) {}

void Formsjbf::Command1_Click() {
    const QString chosen = pickedFolder(QStringLiteral("不能备份到程序所在的目录，请选择其他目录。"));
    if (chosen.isEmpty()) return;
    const QString programDir = programFolder();
    // A backup stopped among its renames had staged and checked its whole set:
    // it is finished first, so a failure of this one leaves a whole set behind.
    QString why;
    const bool interrupted = QFileInfo::exists(SetJournal(chosen));
    if (!FinishInterruptedSet(chosen, &why)) {
        MsgBox(QStringLiteral("%1 中上次的备份在复制时中断，现在也无法把它完成，这次没有备份任何文件：\n%2\n请排除问题后再次备份!!")
                   .arg(chosen, why),
               MsgButtons::OK, MsgIcon::Critical);
        Unload();
        return;
    }
    removeLeftovers(chosen);

    // Every file is written under a passing name first and the databases are
    // checked there; only when the whole set is staged are the files put in
    // place, so a backup that fails on one file (a full disk, a damaged
    // database) leaves the earlier backup in the folder as it was.
    const QString pic = chosen + QStringLiteral("pic");
    const bool picWasThere = QFileInfo(pic).isDir();
    QStringList failed;
    // A link, a pipe or a device among the photographs is no photograph: left out, and named.
    QStringList leftOut;
    for (const NotAFile& e : NonFileEntries(programDir + QStringLiteral("pic")))
        leftOut << QStringLiteral("pic/%1（%2）").arg(e.name, e.what);
    StagedFiles staged;
    if (QFileInfo(pic).isSymLink()) {
        failed << QStringLiteral("pic 目录（%1 是符号链接，不是目录）").arg(pic);
    } else if (CreateFolder(pic, &why)) {
        for (const QString& f : staged.AddFolderFiles(programDir + QStringLiteral("pic"), pic))
            failed << QStringLiteral("pic/") + f;
    } else {
        failed << QStringLiteral("pic 目录（%1）").arg(why);
    }
    for (const SetDatabase& db : SetDatabases()) {
        const QString target = chosen + db.name;
        if (!staged.AddDatabase(programDir + db.name, target, db.key, &why) ||
            !CheckDatabaseFile(StagingPath(target), db.key, db.schema, &why))
            failed << QStringLiteral("%1（%2）").arg(db.name, why);
    }
    if (failed.isEmpty() && !staged.Record(SetJournal(chosen), {}, &why)) failed << why;
    if (!failed.isEmpty()) {
        staged.Discard();
        if (!picWasThere) QDir().rmdir(pic);
        const QString kept = interrupted ? QStringLiteral("%1 中是上次中断后补完的备份。").arg(chosen)
                                         : QStringLiteral("%1 中原有的文件都没有改动。").arg(chosen);
        MsgBox(QStringLiteral("备份没有完成，%1以下内容无法备份：\n%2\n请排除问题后再次备份!!").arg(kept, failed.join('\n')),
               MsgButtons::OK, MsgIcon::Critical);
    } else if (!staged.Install(&why)) {
        MsgBox(QStringLiteral("备份没有完成，以下内容没有复制到 %1：\n%2\n请排除问题后再次备份!!").arg(chosen, why),
               MsgButtons::OK, MsgIcon::Critical);
    } else {
        QString done = QStringLiteral("备份完成，请确认目录下有cuser.mdb与db2.mdb及pic目录!!如无，请再次备份!!");
        if (!leftOut.isEmpty())
            done += QStringLiteral("\n\n以下项目不是照片文件，没有备份：\n%1").arg(leftOut.join('\n'));
        MsgBox(done, MsgButtons::OK, leftOut.isEmpty() ? MsgIcon::Information : MsgIcon::Exclamation);
    }
    Unload();
}

}  // namespace halvern
