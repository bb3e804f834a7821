#include "TestDatabase.h"

#include "platform/ProgramDir.h"

#include <QDir>
#include <QFile>

namespace halvern::test {

using namespace platform;

namespace {

int pageSize(QFile& f) {
    f.seek(16);
    const QByteArray b = f.read(2);
    const int size = (static_cast<unsigned char>(b[0]) << 8) | static_cast<unsigned char>(b[1]);
    return size == 1 ? 65536 : size;
}

}  // namespace

void DamagePages(const QString& file, int first, int count) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite)) << file.toStdString();
    const int size = pageSize(f);
    for (int page = first; page < first + count; ++page) {
        f.seek(static_cast<qint64>(page - 1) * size);
        f.write(QByteArray(size, static_cast<char>(0x5A + page)));
    }
}

QByteArray FileBytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

int PageCount(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    return static_cast<int>(f.size() / pageSize(f));
}

void DatabaseTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    const QDir staged(QStringLiteral(HALVERN_STAGED_DIR));
    for (const QString& f : {QStringLiteral("db2.mdb"), QStringLiteral("cuser.mdb"), QStringLiteral("varno.jpg"),
                             QStringLiteral("testcaptionbar.gif"), QStringLiteral("testborders.gif")})
        ASSERT_TRUE(QFile::copy(staged.filePath(f), path(f))) << f.toStdString();
    SetProgramDir(dir_.path());
    // Files the program writes to the temporary folder (spreadsheets) go with the test's folder.
    savedTmp_ = qgetenv("TMPDIR");
    QDir(dir_.path()).mkdir(QStringLiteral("tmp"));
    qputenv("TMPDIR", path(QStringLiteral("tmp")).toLocal8Bit());
}

void DatabaseTest::TearDown() {
    SetProgramDir(QString());
    if (savedTmp_.isNull()) qunsetenv("TMPDIR"); else qputenv("TMPDIR", savedTmp_);
}

ConnectionPtr DatabaseTest::db() const { return Connection::open(QStringLiteral("Data Source=") + path(QStringLiteral("db2.mdb"))); }

ConnectionPtr DatabaseTest::userDb() const {
    return Connection::open(QStringLiteral("Data Source=") + path(QStringLiteral("cuser.mdb")) +
                            QStringLiteral(";Jet OLEDB:Database Password=wgm;"));
}

void DatabaseTest::addEmployee(const QString& no, const QString& name, const QVariantMap& more) const {
    QStringList cols{QStringLiteral("\"员工编号\""), QStringLiteral("\"姓名\"")};
    QStringList marks{QStringLiteral("?"), QStringLiteral("?")};
    QVariantList values{no, name};
    for (auto it = more.begin(); it != more.end(); ++it) {
        cols << QLatin1Char('"') + it.key() + QLatin1Char('"');
        marks << QStringLiteral("?");
        values << it.value();
    }
    db()->execute(QStringLiteral("insert into 员工信息 (%1) values (%2)").arg(cols.join(','), marks.join(',')), values);
}

int DatabaseTest::count(const QString& table, const QString& where, const QVariantList& params) const {
    QString sql = QStringLiteral("select count(*) from \"%1\"").arg(table);
    if (!where.isEmpty()) sql += QStringLiteral(" where ") + where;
    return db()->scalar(sql, params).toInt();
}

}  // namespace halvern::test
