// The program directory: where the databases, pictures and the photograph
// folder live. It is the executable's directory; tests point it elsewhere.
#pragma once

#include <QString>

namespace platform {

QString ProgramDir();
void SetProgramDir(const QString& dir);
// The program directory joined with a relative path ("pic", "db2.mdb", "\pic\A1.jpg").
// Backslashes of stored paths become the file system's separator here.
QString ProgramPath(const QString& relative);

}  // namespace platform
