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

TEST_F(FileCopies, FileNamesStayOneNameInsideTheirFolder) {
    EXPECT_EQ(SafeFileName(QStringLiteral("E01.jpg")), QStringLiteral("E01.jpg"));
    EXPECT_EQ(SafeFileName(QStringLiteral("E01 .jpg")), QStringLiteral("E01 .jpg"));
    EXPECT_EQ(SafeFileName(QStringLiteral("..\\varno.jpg")), QStringLiteral(".._varno.jpg"));
    EXPECT_EQ(SafeFileName(QStringLiteral("A/B.jpg")), QStringLiteral("A_B.jpg"));
    EXPECT_EQ(SafeFileName(QStringLiteral("N1\nN2\t.jpg")), QStringLiteral("N1_N2_.jpg"));
    EXPECT_EQ(SafeFileName(QStringLiteral("..")), QStringLiteral("__"));
    EXPECT_EQ(SafeFileName(QStringLiteral("...")), QStringLiteral("___"));
    EXPECT_EQ(SafeFileName(QStringLiteral("张三.jpg")), QStringLiteral("张三.jpg"));
}

TEST_F(FileCopies, PassingNamesAreKnownAsLeftoversAndNothingElseIs) {
    EXPECT_EQ(QFileInfo(StagingPath(path(QStringLiteral("pic/K01.jpg")))).fileName(), QStringLiteral(".K01.jpg.part"));
    EXPECT_EQ(QFileInfo(DeletingPath(path(QStringLiteral("pic/D01.jpg")))).fileName(), QStringLiteral(".D01.jpg.deleting"));
    EXPECT_TRUE(IsLeftoverName(QStringLiteral(".K01.jpg.part")));
    EXPECT_TRUE(IsLeftoverName(QStringLiteral(".D01.jpg.deleting")));
    for (const char* name : {"K01.jpg.part", ".part", "..part", ".hidden.jpg", "D01.jpg.deleting", ".deleting"})
        EXPECT_FALSE(IsLeftoverName(QString::fromLatin1(name))) << name;
    EXPECT_EQ(DeletedFileName(QStringLiteral(".D01.jpg.deleting")), QStringLiteral("D01.jpg"));
    EXPECT_EQ(DeletedFileName(QStringLiteral(".K01.jpg.part")), QString());
}

TEST_F(FileCopies, StagedFilesReplaceNothingUntilInstalledAndLeaveNothingWhenDropped) {
    write(QStringLiteral("set/a.jpg"), "new a");
    write(QStringLiteral("set/b.jpg"), "new b");
    write(QStringLiteral("pic/a.jpg"), "old a");
    {
        StagedFiles staged;
        EXPECT_TRUE(staged.AddFolderFiles(path(QStringLiteral("set")), path(QStringLiteral("pic"))).isEmpty());
        EXPECT_EQ(read(QStringLiteral("pic/a.jpg")), QByteArray("old a"));
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("pic/b.jpg"))));
    }
    EXPECT_EQ(QDir(path(QStringLiteral("pic"))).entryList(QDir::Files | QDir::Hidden), QStringList{"a.jpg"});
    StagedFiles staged;
    EXPECT_TRUE(staged.AddFolderFiles(path(QStringLiteral("set")), path(QStringLiteral("pic"))).isEmpty());
    QString why;
    ASSERT_TRUE(staged.Install(&why)) << why.toStdString();
    EXPECT_EQ(read(QStringLiteral("pic/a.jpg")), QByteArray("new a"));
    EXPECT_EQ(read(QStringLiteral("pic/b.jpg")), QByteArray("new b"));
    EXPECT_EQ(QDir(path(QStringLiteral("pic"))).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

}  // namespace
