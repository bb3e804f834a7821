#include "Startup.h"

#include "BackupFolderForm.h"
#include "common/ModuleState.h"
#include "frmSplash.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ProgramDir.h"
#include "common/PhotoFiles.h"

#include <QFileInfo>

namespace halvern {

using namespace platform;

namespace {

// The claim of this copy on its program folder, held until the program ends.
// The system knows the copy that holds it; one that died no longer holds it.
bool claimProgramFolder() {
    static FolderLock claim;
    if (!claim.Folder().isEmpty() && claim.Folder() == ProgramDir()) return true;
    QString why;
    switch (claim.Acquire(ProgramDir(), &why)) {
    case FolderLock::Result::Held: return true;
    case FolderLock::Result::HeldByAnother:
        MsgBox(QStringLiteral("本程序已经在运行，同一个程序目录下不能同时运行两个程序。"), MsgButtons::OK,
               MsgIcon::Critical, QStringLiteral("提示"));
        return false;
    case FolderLock::Result::Failed: break;
    }
    MsgBox(QStringLiteral("无法确认本程序是否已经在这个目录下运行，为免两个程序同时修改资料，程序不能启动。\n%1").arg(why),
           MsgButtons::OK, MsgIcon::Critical, QStringLiteral("提示"));
    return false;
}

// A restore stopped among its renames is finished: its files were all staged,
// checked and recorded before the first one was put in place.
void finishRestore() {
    const QString journal = SetJournal(ProgramDir());
    if (!QFileInfo::exists(journal)) return;
    QString why;
    if (!FinishStagedSet(journal, &why))
        MsgBox(QStringLiteral("上次的数据还原没有做完，现在也无法完成，请再次还原：\n%1").arg(why), MsgButtons::OK,
               MsgIcon::Critical);
}

}  // namespace

bool Main() {
    if (!claimProgramFolder()) return false;
    finishRestore();
    SettlePhotoLeftovers();
    Module().ReminderHasRows = true;
    WindowHost::Show(WindowHost::Default<frmSplash>(), ShowMode::Modeless);
    return true;
}

}  // namespace halvern
