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
    ConnectionPtr open(const QString& rel, const QString& key = {}) const {
        QString s = QStringLiteral("Data Source=") + path(rel) + QLatin1Char(';');
        if (!key.isEmpty()) s += QStringLiteral("Jet OLEDB:Database Password=") + key + QLatin1Char(';');
        return Connection::open(s);
    }
    QTemporaryDir dir;
};

TEST_F(FileCopies, FileCopyReplacesTheOldOneAndAMissingSourceSaysSo) {
    write(QStringLiteral("a.jpg"), QByteArray("new picture\0bytes", 17));
    write(QStringLiteral("out/a.jpg"), "old, longer picture contents");
    QString why;
    ASSERT_TRUE(CopyFileReplacing(path(QStringLiteral("a.jpg")), path(QStringLiteral("out/a.jpg")), &why));
    EXPECT_EQ(read(QStringLiteral("out/a.jpg")), QByteArray("new picture\0bytes", 17));
    EXPECT_FALSE(CopyFileReplacing(path(QStringLiteral("gone.jpg")), path(QStringLiteral("out/gone.jpg")), &why));
    EXPECT_TRUE(why.startsWith(QStringLiteral("找不到文件")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out/gone.jpg"))));
    EXPECT_FALSE(CopyFileReplacing(path(QStringLiteral("a.jpg")), path(QStringLiteral("nofolder/a.jpg")), &why));
    EXPECT_TRUE(why.startsWith(QStringLiteral("无法写入")));
}

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

TEST_F(FileCopies, FolderCreationOverAFileAndDeletionReportFailures) {
    write(QStringLiteral("pic"), "a file named like the folder");
    QString why;
    EXPECT_FALSE(CreateFolder(path(QStringLiteral("pic")), &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(DeleteFile(path(QStringLiteral("pic"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("pic"))));
    EXPECT_TRUE(DeleteFile(path(QStringLiteral("never-there"))));
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

TEST_F(FileCopies, DatabaseCopyIsByteIdenticalAndReplacesAnOlderCopy) {
    makeDb(QStringLiteral("cuser.mdb"), QStringLiteral("wgm"), 50);
    makeDb(QStringLiteral("set/cuser.mdb"), QStringLiteral("wgm"), 2);
    auto reader = open(QStringLiteral("cuser.mdb"), QStringLiteral("wgm"));  // an idle connection does not stop a copy
    QString why;
    ASSERT_TRUE(CopyDatabaseFile(path(QStringLiteral("cuser.mdb")), path(QStringLiteral("set/cuser.mdb")),
                                 QStringLiteral("wgm"), &why))
        << why.toStdString();
    EXPECT_EQ(read(QStringLiteral("set/cuser.mdb")), read(QStringLiteral("cuser.mdb")));
    EXPECT_EQ(open(QStringLiteral("set/cuser.mdb"), QStringLiteral("wgm"))->scalar(QStringLiteral("select count(*) from t")).toInt(), 50);
}

TEST_F(FileCopies, DatabaseWithAChangeUnderWayIsNotCopied) {
    makeDb(QStringLiteral("db2.mdb"), {}, 3);
    auto writer = open(QStringLiteral("db2.mdb"));
    writer->execute(QStringLiteral("BEGIN IMMEDIATE"));
    writer->execute(QStringLiteral("insert into t values ('half written')"));
    QString why;
    EXPECT_FALSE(CopyDatabaseFile(path(QStringLiteral("db2.mdb")), path(QStringLiteral("copy.mdb")), {}, &why));
    EXPECT_TRUE(why.contains(QStringLiteral("正在"))) << why.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("copy.mdb"))));
    writer->execute(QStringLiteral("COMMIT"));
    ASSERT_TRUE(CopyDatabaseFile(path(QStringLiteral("db2.mdb")), path(QStringLiteral("copy.mdb")), {}, &why));
    EXPECT_EQ(open(QStringLiteral("copy.mdb"))->scalar(QStringLiteral("select count(*) from t")).toInt(), 4);
}

TEST_F(FileCopies, DestinationInUseIsLeftAsItWas) {
    makeDb(QStringLiteral("set/db2.mdb"), {}, 5);
    makeDb(QStringLiteral("db2.mdb"), {}, 1);
    const QByteArray before = read(QStringLiteral("db2.mdb"));
    auto user = open(QStringLiteral("db2.mdb"));
    user->execute(QStringLiteral("BEGIN"));
    user->scalar(QStringLiteral("select count(*) from t"));  // a reader in the middle of its transaction
    QString why;
    EXPECT_FALSE(CopyDatabaseFile(path(QStringLiteral("set/db2.mdb")), path(QStringLiteral("db2.mdb")), {}, &why));
    EXPECT_TRUE(why.contains(QStringLiteral("正在使用"))) << why.toStdString();
    user->execute(QStringLiteral("COMMIT"));
    EXPECT_EQ(read(QStringLiteral("db2.mdb")), before);
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
