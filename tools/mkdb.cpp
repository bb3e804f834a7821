// Builds a prepared database file from a schema script, a seed script and
// tab-separated tables (header line = column names).
//   halvern-mkdb OUT.mdb --schema S.sql [--seed D.sql] [--key K] [--tsv TABLE=FILE]...
#include "platform/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

using platform::Connection;
using platform::DbError;

namespace {

QString readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw DbError(QStringLiteral("cannot read %1").arg(path));
    return QString::fromUtf8(f.readAll());
}

void loadTsv(Connection& conn, const QString& table, const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) throw DbError(QStringLiteral("cannot read %1").arg(path));
    QTextStream in(&f);
    const QStringList header = in.readLine().split(QLatin1Char('\t'));
    QStringList cols, marks;
    for (const QString& h : header) {
        cols << QLatin1Char('"') + h.trimmed() + QLatin1Char('"');
        marks << QStringLiteral("?");
    }
    const QString sql = QStringLiteral("insert into \"%1\" (%2) values (%3)").arg(table, cols.join(','), marks.join(','));
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty()) continue;
        QVariantList values;
        for (const QString& v : line.split(QLatin1Char('\t'))) values << v;
        while (values.size() < header.size()) values << QString();
        conn.execute(sql, values.mid(0, header.size()));
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: halvern-mkdb OUT --schema FILE [--seed FILE] [--key KEY] [--tsv TABLE=FILE]...\n");
        return 2;
    }
    const QString out = args.first();
    QString schema, seed, key;
    QList<QPair<QString, QString>> tsvs;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString& opt = args.at(i);
        const QString& val = args.at(i + 1);
        if (opt == QLatin1String("--schema")) schema = val;
        else if (opt == QLatin1String("--seed")) seed = val;
        else if (opt == QLatin1String("--key")) key = val;
        else if (opt == QLatin1String("--tsv")) tsvs << qMakePair(val.section('=', 0, 0), val.section('=', 1));
    }
    try {
        QFile::remove(out);
        auto conn = Connection::create(out, key);
        conn->execute(QStringLiteral("BEGIN"));
        conn->executeScript(readAll(schema));
        if (!seed.isEmpty()) conn->executeScript(readAll(seed));
        for (const auto& [table, file] : tsvs) loadTsv(*conn, table, file);
        conn->execute(QStringLiteral("COMMIT"));
    } catch (const DbError& e) {
        std::fprintf(stderr, "halvern-mkdb: %s\n", e.what());
        QFile::remove(out);
        return 1;
    }
    return 0;
}
