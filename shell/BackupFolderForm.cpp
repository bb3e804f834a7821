#include "BackupFolderForm.h"

#include "common/ModuleState.h"
#include "platform/Database.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ProgramDir.h"

#include <QDir>
#include <QFile>
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

QString schemaOf(const QString& database) {
    QFile f(QStringLiteral(":/schema/%1.schema.sql").arg(QFileInfo(database).completeBaseName()));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

std::vector<SetDatabase> SetDatabases() {
    std::vector<SetDatabase> databases;
    for (const auto& [name, conn] : {std::pair{QStringLiteral("db2.mdb"), DbConnString()},
                                     std::pair{QStringLiteral("cuser.mdb"), UserDbConnString()}})
        databases.push_back({name, ConnectionInfo::parse(conn).password, schemaOf(name)});
    return databases;
}

QString SetJournal(const QString& folder) { return JournalPath(folder, QStringLiteral("halvern-set")); }

bool FinishInterruptedSet(const QString& folder, QString* why) {
    const QFileInfo journal(SetJournal(folder));
    if (!journal.exists() && !journal.isSymLink()) return true;
    return FinishStagedSet(journal.filePath(), why);
}

BackupFolderForm::BackupFolderForm(const QString& caption) {
    ui.setupUi(this, caption);
    connect(ui.Drive1, &DriveListBox::Change, this, &BackupFolderForm::Drive1_Change);
    connect(ui.Command1, &QPushButton::clicked, this, &BackupFolderForm::Command1_Click);
}

void BackupFolderForm::Form_Load() {
    // The drive of the home folder, and the home folder open in the folder list.
    ui.Drive1->SetDrive(QDir::homePath());
    Drive1_Change();
    ui.Dir1->SetPath(QDir::homePath());
}

void BackupFolderForm::Drive1_Change() {
    if (ui.Dir1->SetPath(ui.Drive1->Drive())) return;
    MsgBox(QStringLiteral("驱动器 %1 不可用。").arg(ui.Drive1->Drive()), MsgButtons::OK, MsgIcon::Critical);
    const QSignalBlocker block(ui.Drive1);
    ui.Drive1->SetDrive(ui.Dir1->Path().isEmpty() ? QDir::homePath() : ui.Dir1->Path());
}

QString BackupFolderForm::programFolder() { return withSeparator(ProgramDir()); }

QString BackupFolderForm::pickedFolder(const QString& refusal) {
    const QString chosen = withSeparator(ui.Dir1->Path());
    if (ui.Dir1->Path().isEmpty() || sameFolder(chosen, programFolder())) {
        MsgBox(refusal, MsgButtons::OK, MsgIcon::Critical);
        return {};
    }
    return chosen;
}

}  // namespace halvern
