#include "Startup.h"

#include "ModuleState.h"
#include "frmSplash.h"
#include "platform/MessageBox.h"
#include "platform/ProgramDir.h"
#include "records/PhotoFiles.h"

#include <QLockFile>

#include <memory>

namespace halvern {

using namespace platform;

namespace {

// The claim of this copy on its program folder, held until the program ends. The
// system knows the copy that holds it; one that died no longer holds it.
std::unique_ptr<QLockFile>& folderClaim() {
    static std::unique_ptr<QLockFile> claim;
    return claim;
}

bool claimProgramFolder() {
    const QString file = ProgramPath(QStringLiteral("halvern.lock"));
    if (folderClaim() && folderClaim()->fileName() == file) return true;
    auto claim = std::make_unique<QLockFile>(file);
    // Held as long as its copy runs, however long: never taken over for its age.
    claim->setStaleLockTime(0);
    if (!claim->tryLock(0) && claim->error() == QLockFile::LockFailedError) return false;
    // A folder that cannot take the lock file cannot take changes either: nothing to guard.
    folderClaim() = std::move(claim);
    return true;
}

}  // namespace

bool Main() {
    if (!claimProgramFolder()) {
        MsgBox(QStringLiteral("本程序已经在运行，同一个程序目录下不能同时运行两个程序。"), MsgButtons::OK,
               MsgIcon::Critical, QStringLiteral("提示"));
        return false;
    }
    SettlePhotoLeftovers();
    Module().ReminderHasRows = true;
    WindowHost::Show(WindowHost::Default<frmSplash>(), ShowMode::Modeless);
    return true;
}

}  // namespace halvern
