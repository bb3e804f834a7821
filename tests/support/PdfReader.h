// Reads a written PDF back as a reader sees it (tests only): its text and its page count,
// by poppler's pdftotext and pdfinfo.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace halvern::test {

// The text of a PDF as a reader extracts it.
inline QString pdfText(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The number of pages of a PDF; -1 where it cannot be read.
inline int pdfPages(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {file});
    p.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    return -1;
}

}  // namespace halvern::test
