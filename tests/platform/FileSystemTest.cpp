#include "platform/Database.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

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

TEST_F(FileCopies, FolderCopiesTakeNoLinkNorPipeAndNameThem) {
    write(QStringLiteral("pic/A1.jpg"), "one");
    write(QStringLiteral("outside.txt"), "no photograph");
    ASSERT_TRUE(QFile::link(path(QStringLiteral("outside.txt")), path(QStringLiteral("pic/L1.jpg"))));
    ASSERT_TRUE(QFile::link(path(QStringLiteral("gone.jpg")), path(QStringLiteral("pic/L2.jpg"))));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("pic/P1.jpg"))).constData(), 0644), 0);
    const std::vector<NotAFile> others = NonFileEntries(path(QStringLiteral("pic")));
    ASSERT_EQ(others.size(), 3u);
    EXPECT_EQ(others[0].name, QStringLiteral("L1.jpg"));
    EXPECT_EQ(others[0].what, QStringLiteral("符号链接，指向 ") + path(QStringLiteral("outside.txt")));
    EXPECT_EQ(others[1].what, QStringLiteral("符号链接，指向的 ") + path(QStringLiteral("gone.jpg")) + QStringLiteral(" 不存在"));
    EXPECT_EQ(others[2].what, QStringLiteral("命名管道"));

    ASSERT_TRUE(CreateFolder(path(QStringLiteral("set/pic"))));
    EXPECT_TRUE(CopyFolderFiles(path(QStringLiteral("pic")), path(QStringLiteral("set/pic"))).isEmpty());
    EXPECT_EQ(QDir(path(QStringLiteral("set/pic"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList{"A1.jpg"});
    // Named one by one, neither is read: the link is refused, the pipe is no regular file (and no wait).
    QString why;
    EXPECT_FALSE(StageCopy(path(QStringLiteral("pic/L1.jpg")), path(QStringLiteral("set/L1.jpg")), &why, Links::Refuse));
    EXPECT_TRUE(why.contains(QStringLiteral("符号链接"))) << why.toStdString();
    EXPECT_FALSE(StageCopy(path(QStringLiteral("pic/P1.jpg")), path(QStringLiteral("set/P1.jpg")), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("不是普通文件"))) << why.toStdString();
    // A database behind a link is not opened.
    makeDb(QStringLiteral("real.mdb"), {}, 1);
    ASSERT_TRUE(QFile::link(path(QStringLiteral("real.mdb")), path(QStringLiteral("set/db2.mdb"))));
    EXPECT_FALSE(CheckDatabaseFile(path(QStringLiteral("set/db2.mdb")), {}, &why));
    EXPECT_TRUE(why.contains(QStringLiteral("符号链接"))) << why.toStdString();
    EXPECT_EQ(QDir(path(QStringLiteral("set/pic"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList{"A1.jpg"});
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

TEST_F(FileCopies, FileNamesStayOneNameInsideTheirFolderAndNoTwoTextsShareOne) {
    // What a file name holds as it stands keeps its name.
    for (const char* plain : {"E01.jpg", "E01 .jpg", "A_B.jpg", ".._varno.jpg", ".hidden.jpg", "张三.jpg", "K01.part"})
        EXPECT_EQ(SafeFileName(QString::fromUtf8(plain)), QString::fromUtf8(plain));
    EXPECT_EQ(SafeFileName(QStringLiteral("..\\varno.jpg")), QStringLiteral("..%5Cvarno.jpg"));
    EXPECT_EQ(SafeFileName(QStringLiteral("A/B.jpg")), QStringLiteral("A%2FB.jpg"));
    EXPECT_EQ(SafeFileName(QStringLiteral("A%2FB.jpg")), QStringLiteral("A%252FB.jpg"));
    EXPECT_EQ(SafeFileName(QStringLiteral("N1\nN2\t.jpg")), QStringLiteral("N1%0AN2%09.jpg"));
    EXPECT_EQ(SafeFileName(QStringLiteral("..")), QStringLiteral("%2E%2E"));
    EXPECT_EQ(SafeFileName(QStringLiteral(".K01.part")), QStringLiteral("%2EK01.part"));
    EXPECT_EQ(SafeFileName(QString(QChar(0xD800)) + QStringLiteral(".jpg")), QStringLiteral("%uD800.jpg"));

    // Every short text over the characters that need care: one name each, and a name of its own.
    const QList<QChar> alphabet{QLatin1Char('%'), QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char('.'),
                                QLatin1Char('_'), QLatin1Char('2'), QLatin1Char('F'),  QChar(0x01), QChar(0xDC00)};
    QHash<QString, QString> owner;
    QStringList texts{QString()};
    for (int length = 1; length <= 4; ++length) {
        QStringList longer;
        for (const QString& t : std::as_const(texts))
            if (t.size() == length - 1)
                for (QChar c : alphabet) longer << t + c;
        texts << longer;
    }
    for (const QString& text : std::as_const(texts)) {
        if (text.isEmpty()) continue;
        const QString name = SafeFileName(text);
        EXPECT_FALSE(name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String("..") ||
                     IsLeftoverName(name))
            << name.toStdString();
        const auto taken = owner.constFind(name);
        EXPECT_TRUE(taken == owner.cend()) << name.toStdString() << " for two texts";
        owner.insert(name, text);
    }
    EXPECT_GT(owner.size(), 7000);
}

TEST_F(FileCopies, PassingNamesAreKnownAsLeftoversAndNothingElseIs) {
    EXPECT_EQ(QFileInfo(StagingPath(path(QStringLiteral("pic/K01.jpg")))).fileName(), QStringLiteral(".K01.jpg.part"));
    EXPECT_EQ(QFileInfo(DeletingPath(path(QStringLiteral("pic/D01.jpg")))).fileName(), QStringLiteral(".D01.jpg.deleting"));
    EXPECT_EQ(QFileInfo(JournalPath(path(QStringLiteral("pic")), QStringLiteral("K01.jpg"))).fileName(),
              QStringLiteral(".K01.jpg.journal"));
    for (const char* name : {".K01.jpg.part", ".D01.jpg.deleting", ".K01.jpg.journal"})
        EXPECT_TRUE(IsLeftoverName(QString::fromLatin1(name))) << name;
    EXPECT_TRUE(IsJournalName(QStringLiteral(".K01.jpg.journal")));
    EXPECT_FALSE(IsJournalName(QStringLiteral(".K01.jpg.part")));
    for (const char* name : {"K01.jpg.part", ".part", "..part", ".hidden.jpg", "D01.jpg.deleting", ".deleting", ".journal"})
        EXPECT_FALSE(IsLeftoverName(QString::fromLatin1(name))) << name;
    EXPECT_EQ(DeletedFileName(QStringLiteral(".D01.jpg.deleting")), QStringLiteral("D01.jpg"));
    EXPECT_EQ(DeletedFileName(QStringLiteral(".K01.jpg.part")), QString());
}

TEST_F(FileCopies, AJournalledSetStoppedAmongItsRenamesIsFinishedFromItsJournal) {
    makeDb(QStringLiteral("set/db2.mdb"), {}, 5);
    write(QStringLiteral("set/pic/a.jpg"), "new a");
    write(QStringLiteral("set/pic/b.jpg"), "new b");
    write(QStringLiteral("pic/a.jpg"), "old a");
    makeDb(QStringLiteral("db2.mdb"), {}, 1);
    const QString journal = JournalPath(dir.path(), QStringLiteral("set"));
    QMap<QString, QByteArray> left;  // what a program stopped after the first rename leaves
    {
        StagedFiles staged;
        EXPECT_TRUE(staged.AddFolderFiles(path(QStringLiteral("set/pic")), path(QStringLiteral("pic"))).isEmpty());
        QString why;
        ASSERT_TRUE(staged.AddDatabase(path(QStringLiteral("set/db2.mdb")), path(QStringLiteral("db2.mdb")), {}, &why))
            << why.toStdString();
        ASSERT_TRUE(staged.Record(journal, QStringLiteral("a note"), &why)) << why.toStdString();
        EXPECT_EQ(JournalNote(journal), QStringLiteral("a note"));
        ASSERT_TRUE(RenameReplacing(StagingPath(path(QStringLiteral("pic/a.jpg"))), path(QStringLiteral("pic/a.jpg"))));
        for (const QString& rel : {QStringLiteral("pic/.b.jpg.part"), QStringLiteral(".db2.mdb.part"), QStringLiteral(".set.journal")})
            left.insert(rel, read(rel));
    }  // dropped: what it staged and its journal go
    EXPECT_FALSE(QFile::exists(journal));
    for (auto it = left.cbegin(); it != left.cend(); ++it) write(it.key(), it.value());
    write(QStringLiteral("db2.mdb-journal"), QByteArray(512, 'j'));  // the replaced database's, never the new one's

    QString why;
    ASSERT_TRUE(FinishStagedSet(journal, &why)) << why.toStdString();
    EXPECT_EQ(read(QStringLiteral("pic/a.jpg")), QByteArray("new a"));
    EXPECT_EQ(read(QStringLiteral("pic/b.jpg")), QByteArray("new b"));
    EXPECT_EQ(read(QStringLiteral("db2.mdb")), read(QStringLiteral("set/db2.mdb")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("db2.mdb-journal"))));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"db2.mdb"});
    EXPECT_EQ(QDir(path(QStringLiteral("pic"))).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"a.jpg", "b.jpg"}));

    // Dropped instead, a set leaves what was there.
    for (auto it = left.cbegin(); it != left.cend(); ++it) write(it.key(), it.value());
    write(QStringLiteral("pic/b.jpg"), "old b");
    DropStagedSet(journal);
    EXPECT_EQ(read(QStringLiteral("pic/b.jpg")), QByteArray("old b"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"db2.mdb"});
    EXPECT_EQ(QDir(path(QStringLiteral("pic"))).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(FileCopies, AJournalNamingFilesOutsideItsFolderMovesAndDeletesNothing) {
    // A journal that came with a folder the user picked, made to replace a file elsewhere.
    write(QStringLiteral("notes.txt"), "the user's notes");
    write(QStringLiteral(".notes.txt.part"), "planted");
    write(QStringLiteral("set/db2.mdb"), "the set's database");
    write(QStringLiteral("set/pic/.a.jpg.part"), "a staged photograph");
    const QString journal = JournalPath(path(QStringLiteral("set")), QStringLiteral("halvern-set"));
    write(QStringLiteral("set/.halvern-set.journal"),
          R"({"note":"","files":[{"staged":"pic/.a.jpg.part","destination":"pic/a.jpg","database":false},
                                 {"staged":"../.notes.txt.part","destination":"../notes.txt","database":false}]})");
    QString why;
    EXPECT_TRUE(FinishStagedSet(journal, &why)) << why.toStdString();
    EXPECT_EQ(read(QStringLiteral("notes.txt")), QByteArray("the user's notes"));
    EXPECT_EQ(read(QStringLiteral(".notes.txt.part")), QByteArray("planted"));
    EXPECT_FALSE(QFile::exists(journal));
    // Nor does a staged file stand for another name than its own.
    write(QStringLiteral("set/.halvern-set.journal"),
          R"({"note":"","files":[{"staged":"pic/.a.jpg.part","destination":"db2.mdb","database":true}]})");
    EXPECT_TRUE(FinishStagedSet(journal, &why)) << why.toStdString();
    EXPECT_EQ(read(QStringLiteral("set/db2.mdb")), QByteArray("the set's database"));
    EXPECT_FALSE(QFile::exists(journal));
}

TEST_F(FileCopies, AFolderIsHeldByOneHolderAtATime) {
    FolderLock first;
    FolderLock second;
    EXPECT_EQ(first.Acquire(dir.path()), FolderLock::Result::Held);
    EXPECT_EQ(first.Folder(), dir.path());
    EXPECT_EQ(second.Acquire(dir.path()), FolderLock::Result::HeldByAnother);
    EXPECT_TRUE(second.Folder().isEmpty());
    first.Release();
    EXPECT_EQ(second.Acquire(dir.path()), FolderLock::Result::Held);
    QString why;
    EXPECT_EQ(first.Acquire(path(QStringLiteral("absent")), &why), FolderLock::Result::Failed);
    EXPECT_TRUE(why.contains(path(QStringLiteral("absent")))) << why.toStdString();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
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
