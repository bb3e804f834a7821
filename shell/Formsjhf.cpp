#include "Formsjhf.h"

#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFileInfo>

namespace halvern {

using namespace platform;

Formsjhf::Formsjhf() : BackupFolderForm(QStringLiteral("数据还原")) {}

void Formsjhf::Command1_Click() {
    const QString chosen = pickedFolder(QStringLiteral("不能从程序所在的目录还原，请选择备份所在的目录。"));
    if (chosen.isEmpty()) return;
    const QString programDir = programFolder();

    // A backup stopped among its renames had its whole new set staged and
    // checked: it is finished, and then restored like any whole set.
    QString why;
    if (!FinishInterruptedSet(chosen, &why)) {
        MsgBox(QStringLiteral("所选目录 %1 中的备份在复制时中断，现在也无法把它完成，没有还原任何文件：\n%2\n请选择其他备份。")
                   .arg(chosen, why),
               MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    // Nothing is replaced unless the folder holds both databases, undamaged and
    // with every table and column the program reads, and photographs that are
    // files of their own: a link would bring in whatever file it names.
    const std::vector<SetDatabase> databases = SetDatabases();
    QStringList invalid;
    for (const SetDatabase& db : databases)
        if (!CheckDatabaseFile(chosen + db.name, db.key, db.schema, &why)) invalid << QStringLiteral("%1：%2").arg(db.name, why);
    if (QFileInfo(chosen + QStringLiteral("pic")).isSymLink())
        invalid << QStringLiteral("pic：是符号链接，不是目录");
    for (const NotAFile& e : NonFileEntries(chosen + QStringLiteral("pic")))
        invalid << QStringLiteral("pic/%1：%2，不是照片文件").arg(e.name, e.what);
    if (!invalid.isEmpty()) {
        MsgBox(QStringLiteral("所选目录 %1 中没有可用的备份，没有还原任何文件。\n%2").arg(chosen, invalid.join('\n')),
               MsgButtons::OK, MsgIcon::Critical);
        return;
    }

    // Every file is staged beside its place first; only when all are staged are
    // they put in place, so a failure while copying (a full disk) replaces nothing.
    // The journal written before the first rename lets the next start finish a
    // restore stopped among the renames.
    const QString pic = programDir + QStringLiteral("pic");
    const bool picWasThere = QFileInfo(pic).isDir();
    QStringList failed;
    StagedFiles staged;
    if (CreateFolder(pic, &why))
        for (const QString& f : staged.AddFolderFiles(chosen + QStringLiteral("pic"), pic)) failed << QStringLiteral("pic/") + f;
    else
        failed << QStringLiteral("pic 目录（%1）").arg(why);
    for (const SetDatabase& db : databases)
        if (failed.isEmpty() && !staged.AddDatabase(chosen + db.name, programDir + db.name, db.key, &why))
            failed << QStringLiteral("%1（%2）").arg(db.name, why);
    if (failed.isEmpty() && !staged.Record(SetJournal(programDir), {}, &why)) failed << why;
    if (!failed.isEmpty()) {
        staged.Discard();
        if (!picWasThere) QDir().rmdir(pic);
        MsgBox(QStringLiteral("还原没有完成，没有还原任何文件：\n%1").arg(failed.join('\n')), MsgButtons::OK,
               MsgIcon::Critical);
        return;
    }
    if (staged.Install(&why))
        MsgBox(QStringLiteral("还原完成！！"), MsgButtons::OK, MsgIcon::Information);
    else
        MsgBox(QStringLiteral("还原没有完成，以下内容没有还原：\n%1").arg(why), MsgButtons::OK, MsgIcon::Critical);
    // Closed like its close box closes it: with the main window gone, the program ends
    // here unless another window (a print preview) is still open.
    close();
}

}  // namespace halvern
