#include "Formsjhf.h"

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

Formsjhf::Formsjhf() {
    ui.setupUi(this);
    connect(ui.Drive1, &DriveListBox::Change, this, &Formsjhf::Drive1_Change);
    connect(ui.Command1, &QPushButton::clicked, this, &Formsjhf::Command1_Click);
}

void Formsjhf::Form_Load() {
    ui.Drive1->SetDrive(QDir::homePath());
    Drive1_Change();
    ui.Dir1->SetPath(QDir::homePath());
}

void Formsjhf::Drive1_Change() {
    if (ui.Dir1->SetPath(ui.Drive1->Drive())) return;
    MsgBox(QStringLiteral("驱动器 %1 不可用。").arg(ui.Drive1->Drive()), MsgButtons::OK, MsgIcon::Critical);
    const QSignalBlocker block(ui.Drive1);
    ui.Drive1->SetDrive(ui.Dir1->Path().isEmpty() ? QDir::homePath() : ui.Dir1->Path());
}

void Formsjhf::Command1_Click() {
    const QString programDir = withSeparator(ProgramDir());
    const QString chosen = withSeparator(ui.Dir1->Path());
    if (ui.Dir1->Path().isEmpty() || sameFolder(chosen, programDir)) {
        MsgBox(QStringLiteral("不能从程序所在的目录还原，请选择备份所在的目录。"), MsgButtons::OK, MsgIcon::Critical);
        return;
    }
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

    QStringList failed;
    if (CreateFolder(programDir + QStringLiteral("pic"), &why)) {
        for (const QString& f : CopyFolderFiles(chosen + QStringLiteral("pic"), programDir + QStringLiteral("pic")))
            failed << QStringLiteral("pic/") + f;
    } else {
        failed << QStringLiteral("pic 目录（%1）").arg(why);
    }
    if (!CopyDatabaseFile(chosen + QStringLiteral("db2.mdb"), programDir + QStringLiteral("db2.mdb"), personnelKey, &why))
        failed << QStringLiteral("db2.mdb（%1）").arg(why);
    if (!CopyDatabaseFile(chosen + QStringLiteral("cuser.mdb"), programDir + QStringLiteral("cuser.mdb"), userKey, &why))
        failed << QStringLiteral("cuser.mdb（%1）").arg(why);

    if (failed.isEmpty())
        MsgBox(QStringLiteral("还原完成！！"), MsgButtons::OK, MsgIcon::Information);
    else
        MsgBox(QStringLiteral("还原没有完成，以下内容没有还原：\n%1").arg(failed.join('\n')), MsgButtons::OK,
               MsgIcon::Critical);
    // Closed like its close box closes it: with the main window gone, the program ends
    // here unless another window (a print preview) is still open.
    close();
}

}  // namespace halvern
