#include "platform/Database.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

class FileCopies : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString& rel) const { return dir.path() + QLatin1Char('/') + rel; }
    void write(const QString& rel, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path(rel)).path());
        QFile f(path(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& rel) const {
        QFile f(path(rel));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A small database with one table of n rows, encrypted when a key is given.
    void makeDb(const QString& rel, const QString& key, int n) const {
        QDir().mkpath(QFileInfo(path(rel)).path());
        auto c = Connection::create(path(rel), key);
        c->executeScript(QStringLiteral("create table t (v text);"));
        for (int i = 0; i < n; ++i) c->execute(QStringLiteral("insert into t values (?)"), {QStringLiteral("行%1").arg(i)});
    }
    QTemporaryDir dir;
};

TEST_F(FileCopies, FolderCopyTakesEveryFileDirectlyInsideButNoSubfolder) {
    write(QStringLiteral("pic/A1.jpg"), "one");
    write(QStringLiteral("pic/B2"), "no extension");
    write(QStringLiteral("pic/old/C3.jpg"), "inside a subfolder");
    ASSERT_TRUE(CreateFolder(path(QStringLiteral("set/pic"))));
    EXPECT_TRUE(CreateFolder(path(QStringLiteral("set/pic"))));  // already there
    EXPECT_TRUE(CopyFolderFiles(path(QStringLiteral("pic")), path(QStringLiteral("set/pic"))).isEmpty());
    EXPECT_EQ(read(QStringLiteral("set/pic/A1.jpg")), QByteArray("one"));
    EXPECT_EQ(read(QStringLiteral("set/pic/B2")), QByteArray("no extension"));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("set/pic/old"))));
    EXPECT_TRUE(CopyFolderFiles(path(QStringLiteral("nopic")), path(QStringLiteral("set/pic"))).isEmpty());
    const QStringList failed = CopyFolderFiles(path(QStringLiteral("pic")), path(QStringLiteral("absent")));
    EXPECT_EQ(failed.size(), 2);
    EXPECT_TRUE(failed[0].startsWith(QStringLiteral("A1.jpg（")));
}

TEST_F(FileCopies, DatabaseCheckNeedsARealDatabaseAndItsKey) {
    makeDb(QStringLiteral("plain.mdb"), {}, 1);
    makeDb(QStringLiteral("locked.mdb"), QStringLiteral("wgm"), 1);
    write(QStringLiteral("text.mdb"), "just some text, not a database at all, long enough to matter");
    QString why;
    EXPECT_TRUE(CheckDatabaseFile(path(QStringLiteral("plain.mdb")), {}, &why)) << why.toStdString();
    EXPECT_TRUE(CheckDatabaseFile(path(QStringLiteral("locked.mdb")), QStringLiteral("wgm")));
    EXPECT_FALSE(CheckDatabaseFile(path(QStringLiteral("locked.mdb")), QStringLiteral("other"), &why));
    EXPECT_FALSE(CheckDatabaseFile(path(QStringLiteral("text.mdb")), {}, &why));
    EXPECT_FALSE(CheckDatabaseFile(path(QStringLiteral("none.mdb")), {}, &why));
    EXPECT_TRUE(why.startsWith(QStringLiteral("找不到文件")));
}

TEST_F(FileCopies, BrokenDestinationIsReplacedAndItsLeftoverJournalRemoved) {
    makeDb(QStringLiteral("set/db2.mdb"), {}, 5);
    write(QStringLiteral("db2.mdb"), QByteArray(4096, 'x'));
    write(QStringLiteral("db2.mdb-journal"), QByteArray(2048, 'j'));
    QString why;
    ASSERT_TRUE(CopyDatabaseFile(path(QStringLiteral("set/db2.mdb")), path(QStringLiteral("db2.mdb")), {}, &why))
        << why.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("db2.mdb-journal"))));
    EXPECT_EQ(read(QStringLiteral("db2.mdb")), read(QStringLiteral("set/db2.mdb")));
}

}  // namespace
