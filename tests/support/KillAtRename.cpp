#include "KillAtRename.h"

#include <QFile>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/user.h>
#include <sys/wait.h>
#include <unistd.h>

namespace halvern::test {

#if defined(__x86_64__)

namespace {

// A text the child holds at address, read through its memory file.
QString childText(pid_t child, unsigned long long address) {
    const QByteArray mem = "/proc/" + QByteArray::number(child) + "/mem";
    const int fd = ::open(mem.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    QByteArray text;
    char buffer[256];
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(address + text.size()));
        if (n <= 0) break;
        const qsizetype end = QByteArray(buffer, n).indexOf('\0');
        if (end >= 0) {
            text.append(buffer, end);
            break;
        }
        text.append(buffer, n);
    }
    ::close(fd);
    return QFile::decodeName(text);
}

// The target path of a rename the child is entering, empty for any other call.
QString renameTarget(pid_t child, const user_regs_struct& regs) {
    switch (regs.orig_rax) {
    case SYS_rename: return childText(child, regs.rsi);
    case SYS_renameat:
    case SYS_renameat2: return childText(child, regs.r10);
    default: return {};
    }
}

}  // namespace

bool CanKillAtRename() { return true; }

bool KillBeforeRename(const std::function<void()>& work, const std::function<bool(const QString& target)>& at) {
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::raise(SIGSTOP);
        work();
        _exit(0);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFSTOPPED(status)) return false;
    ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    int signal = 0;
    bool killed = false;
    for (;;) {
        ::ptrace(PTRACE_SYSCALL, child, nullptr, reinterpret_cast<void*>(static_cast<long>(signal)));
        signal = 0;
        if (::waitpid(child, &status, 0) != child) break;
        if (WIFEXITED(status) || WIFSIGNALED(status)) break;
        if (!WIFSTOPPED(status)) continue;
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            signal = WSTOPSIG(status);  // the child's own signal goes on to it
            continue;
        }
        user_regs_struct regs{};
        ::ptrace(PTRACE_GETREGS, child, nullptr, &regs);
        const bool entering = static_cast<long long>(regs.rax) == -ENOSYS;
        if (!entering) continue;
        const QString target = renameTarget(child, regs);
        if (!target.isEmpty() && at(target)) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            killed = true;
            break;
        }
    }
    return killed;
}

#else

bool CanKillAtRename() { return false; }

bool KillBeforeRename(const std::function<void()>&, const std::function<bool(const QString&)>&) { return false; }

#endif

}  // namespace halvern::test
