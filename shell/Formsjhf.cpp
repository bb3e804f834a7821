#include "Formsjhf.h"

#include "ModuleState.h"
#include "platform/Database.h"
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
    const QString personnelKey = ConnectionInfo::parse(DbConnString()).password;
    const QString userKey = ConnectionInfo::parse(UserDbConnString()).password;

    // Nothing is replaced unless the folder holds both databases in a usable state.
    QStringList invalid;
    QString why;
    if (!CheckDatabaseFile(chosen + QStringLiteral("db2.mdb"), personnelKey, &why))
        invalid << QStringLiteral("db2.mdb：%1").arg(why);
    if (!CheckDatabaseFile(chosen + QStringLiteral("cuser.mdb"), userKey, &why))
        invalid << QStringLiteral("cuser.mdb：%1").arg(why);
    if (!invalid.isEmpty()) {
        MsgBox(QStringLiteral("所选目录 %1 中没有可用的备份，没有还原任何文件。\n%2").arg(chosen, invalid.join('\n')),
               MsgButtons::OK, MsgIcon::Critical);
        return;
    }

    // Every file is staged beside its place first; only when all are staged are
    // they put in place, so a failure while copying (a full disk) replaces nothing.
    const QString pic = programDir + QStringLiteral("pic");
    const bool picWasThere = QFileInfo(pic).isDir();
    QStringList failed;
    StagedFiles staged;
    if (CreateFolder(pic, &why))
        for (const QString& f : staged.AddFolderFiles(chosen + QStringLiteral("pic"), pic)) failed << QStringLiteral("pic/") + f;
    else
        failed << QStringLiteral("pic 目录（%1）").arg(why);
    if (failed.isEmpty() && !staged.AddDatabase(chosen + QStringLiteral("db2.mdb"), programDir + QStringLiteral("db2.mdb"), personnelKey, &why))
        failed << QStringLiteral("db2.mdb（%1）").arg(why);
    if (failed.isEmpty() && !staged.AddDatabase(chosen + QStringLiteral("cuser.mdb"), programDir + QStringLiteral("cuser.mdb"), userKey, &why))
        failed << QStringLiteral("cuser.mdb（%1）").arg(why);
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
