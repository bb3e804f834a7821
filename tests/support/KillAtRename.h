// A copy of the test killed at a chosen moment: just before it renames a file
// into a chosen place, as a power cut or kill -9 would stop the program there.
#pragma once

#include <QString>

#include <functional>

namespace halvern::test {

// True where the machine lets a test stop a child at a system call (x86-64 Linux).
bool CanKillAtRename();

// Runs work in a child copy of this process, traced, and kills it (SIGKILL)
// when it is about to rename a file onto a path for which `at` is true; the
// rename does not happen. True when the child was killed there, false when it
// ended without such a rename.
bool KillBeforeRename(const std::function<void()>& work, const std::function<bool(const QString& target)>& at);

}  // namespace halvern::test
