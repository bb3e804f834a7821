#include "Formsjbf.h"

#include "ModuleState.h"
#include "platform/Database.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ProgramDir.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>

namespace halvern {

using namespace platform;

namespace {

QString withSeparator(const QString& dir) { return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/'); }

bool sameFolder(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

}  // namespace

Formsjbf::Formsjbf() {
    ui.setupUi(this);
    connect(ui.Drive1, &DriveListBox::Change, this, &Formsjbf::Drive1_Change);
    connect(ui.Command1, &QPushButton::clicked, this, &Formsjbf::Command1_Click);
}

void Formsjbf::Form_Load() {
    // The drive of the home folder, and the home folder open in the folder list.
    ui.Drive1->SetDrive(QDir::homePath());
    Drive1_Change();
    ui.Dir1->SetPath(QDir::homePath());
}

void Formsjbf::Drive1_Change() {
    if (ui.Dir1->SetPath(ui.Drive1->Drive())) return;
    MsgBox(QStringLiteral("驱动器 %1 不可用。").arg(ui.Drive1->Drive()), MsgButtons::OK, MsgIcon::Critical);
    const QSignalBlocker block(ui.Drive1);
    ui.Drive1->SetDrive(ui.Dir1->Path().isEmpty() ? QDir::homePath() : ui.Dir1->Path());
}

void Formsjbf::Command1_Click() {
    const QString programDir = withSeparator(ProgramDir());
    const QString chosen = withSeparator(ui.Dir1->Path());
    if (ui.Dir1->Path().isEmpty() || sameFolder(chosen, programDir)) {
        MsgBox(QStringLiteral("不能备份到程序所在的目录，请选择其他目录。"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
    const QString personnelKey = ConnectionInfo::parse(DbConnString()).password;
    const QString userKey = ConnectionInfo::parse(UserDbConnString()).password;

    // Each step goes on when the one before failed; what failed is reported at the end.
    QStringList failed;
    QString why;
    if (CreateFolder(chosen + QStringLiteral("pic"), &why)) {
        for (const QString& f : CopyFolderFiles(programDir + QStringLiteral("pic"), chosen + QStringLiteral("pic")))
            failed << QStringLiteral("pic/") + f;
    } else {
        failed << QStringLiteral("pic 目录（%1）").arg(why);
    }
    if (!CopyDatabaseFile(programDir + QStringLiteral("db2.mdb"), chosen + QStringLiteral("db2.mdb"), personnelKey, &why))
        failed << QStringLiteral("db2.mdb（%1）").arg(why);
    if (!CopyDatabaseFile(programDir + QStringLiteral("cuser.mdb"), chosen + QStringLiteral("cuser.mdb"), userKey, &why))
        failed << QStringLiteral("cuser.mdb（%1）").arg(why);

    if (failed.isEmpty())
        MsgBox(QStringLiteral("备份完成，请确认目录下有cuser.mdb与db2.mdb及pic目录!!如无，请再次备份!!"), MsgButtons::OK,
               MsgIcon::Information);
    else
        MsgBox(QStringLiteral("备份没有完成，以下内容没有复制到 %1：\n%2\n请排除问题后再次备份!!").arg(chosen, failed.join('\n')),
               MsgButtons::OK, MsgIcon::Critical);
    Unload();
}

}  // namespace halvern
