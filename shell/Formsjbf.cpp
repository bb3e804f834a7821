#include "Formsjbf.h"

#include "ModuleState.h"
#include "platform/Database.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

namespace halvern {

using namespace platform;

Formsjbf::Formsjbf() : BackupFolderForm(QStringLiteral("数据备份")) {}

void Formsjbf::Command1_Click() {
    const QString chosen = pickedFolder(QStringLiteral("不能备份到程序所在的目录，请选择其他目录。"));
    if (chosen.isEmpty()) return;
    const QString programDir = programFolder();
    const QString personnelKey = ConnectionInfo::parse(DbConnString()).password;
    const QString userKey = ConnectionInfo::parse(UserDbConnString()).password;

    // Each step goes on when the one before failed; what failed is reported at the end.
    // Every file is written under a passing name first, so a backup stopped midway
    // never leaves a file that looks complete but is not.
    QStringList failed;
    QString why;
    StagedFiles staged;
    if (CreateFolder(chosen + QStringLiteral("pic"), &why)) {
        for (const QString& f : staged.AddFolderFiles(programDir + QStringLiteral("pic"), chosen + QStringLiteral("pic")))
            failed << QStringLiteral("pic/") + f;
    } else {
        failed << QStringLiteral("pic 目录（%1）").arg(why);
    }
    if (!staged.AddDatabase(programDir + QStringLiteral("db2.mdb"), chosen + QStringLiteral("db2.mdb"), personnelKey, &why))
        failed << QStringLiteral("db2.mdb（%1）").arg(why);
    if (!staged.AddDatabase(programDir + QStringLiteral("cuser.mdb"), chosen + QStringLiteral("cuser.mdb"), userKey, &why))
        failed << QStringLiteral("cuser.mdb（%1）").arg(why);
    if (!staged.Install(&why)) failed << why;

    if (failed.isEmpty())
        MsgBox(QStringLiteral("备份完成，请确认目录下有cuser.mdb与db2.mdb及pic目录!!如无，请再次备份!!"), MsgButtons::OK,
               MsgIcon::Information);
    else
        MsgBox(QStringLiteral("备份没有完成，以下内容没有复制到 %1：\n%2\n请排除问题后再次备份!!").arg(chosen, failed.join('\n')),
               MsgButtons::OK, MsgIcon::Critical);
    Unload();
}

}  // namespace halvern
