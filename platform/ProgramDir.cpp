#include "ProgramDir.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {
QString& overrideDir() {
    static QString dir;
    return dir;
}
}  // namespace

QString ProgramDir() {
    if (!overrideDir().isEmpty()) return overrideDir();
    return QCoreApplication::applicationDirPath();
}

void SetProgramDir(const QString& dir) { overrideDir() = dir; }

QString ProgramPath(const QString& relative) {
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/'))) rel.remove(0, 1);
    QString dir = ProgramDir();
    if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
    return dir + rel;
}

}  // namespace platform
