#include "KillAtRename.h"
#include "MainWindowInput.h"
#include "TestProgram.h"
#include "UserInput.h"

#include "platform/Database.h"
#include "platform/FileSystem.h"
#include "platform/ProgramDir.h"
#include "platform/WindowHost.h"
#include "shell/Form1.h"
#include "shell/Formsjbf.h"
#include "shell/Formsjhf.h"
#include "common/ModuleState.h"
#include "shell/Startup.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/resource.h>

using namespace platform;
using namespace halvern;
using halvern::test::ProgramTest;
using halvern::test::DamagePages;
using halvern::test::PageCount;

namespace {

QByteArray bytesOf(const QString& file) { return halvern::test::FileBytes(file); }

void writeFile(const QString& file, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList filesIn(const QString& dir) { return QDir(dir).entryList(QDir::Files, QDir::Name); }

const QString kBackupDone = QStringLiteral("备份完成，请确认目录下有cuser.mdb与db2.mdb及pic目录!!如无，请再次备份!!");

}  // namespace

class BackupRestore : public ProgramTest {
protected:
    QTemporaryDir store;  // the folder the user picks
    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(store.isValid());
        writeFile(path("pic/A001.jpg"), QByteArray("\xFF\xD8 photo of A001", 16));
        writeFile(path("pic/B002.gif"), "GIF89a photo of B002");
        addEmployee("A001", "张三");
    }
    QString set(const QString& rel) const { return store.path() + QLatin1Char('/') + rel; }
    Formsjbf* backupWindow(const QString& folder) {
        auto* f = WindowHost::Default<Formsjbf>();
        WindowHost::Show(f, ShowMode::Modal);
        EXPECT_TRUE(f->ui.Dir1->SetPath(folder));
        return f;
    }
    Formsjhf* restoreWindow(const QString& folder) {
        auto* f = WindowHost::Default<Formsjhf>();
        WindowHost::Show(f, ShowMode::Modal);
        EXPECT_TRUE(f->ui.Dir1->SetPath(folder));
        return f;
    }
    // A click on the window's 确定.
    static void confirm(BackupFolderForm* f) {
        halvern::test::activate(f);
        halvern::test::click(f->ui.Command1);
    }
    void backup(const QString& folder) {
        confirm(backupWindow(folder));
        processEvents();
    }
    void restore(const QString& folder) {
        confirm(restoreWindow(folder));
        processEvents();
    }
    // The one message shown is a refusal that names what.
    ::testing::AssertionResult refusedNaming(const QString& what) const {
        if (messages().size() != 1) return ::testing::AssertionFailure() << messages().size() << " messages";
        const QString text = messages()[0].text;
        if (messages()[0].icon != MsgIcon::Critical) return ::testing::AssertionFailure() << "no refusal: " << text.toStdString();
        if (!text.contains(what)) return ::testing::AssertionFailure() << text.toStdString();
        return ::testing::AssertionSuccess();
    }
    void expectSameSet(const QString& a, const QString& b) {
        for (const char* f : {"db2.mdb", "cuser.mdb"})
            EXPECT_EQ(bytesOf(a + "/" + f), bytesOf(b + "/" + f)) << f;
        EXPECT_EQ(filesIn(a + "/pic"), filesIn(b + "/pic"));
        for (const QString& f : filesIn(a + "/pic")) EXPECT_EQ(bytesOf(a + "/pic/" + f), bytesOf(b + "/pic/" + f)) << f.toStdString();
    }
};

TEST_F(BackupRestore, WindowsOpenOnTheHomeFolderOfTheRootDrive) {
    auto* b = WindowHost::Default<Formsjbf>();
    WindowHost::Show(b, ShowMode::Modal);
    EXPECT_EQ(b->windowTitle(), QStringLiteral("数据备份"));
    EXPECT_EQ(b->ui.Label1->text(), QStringLiteral("请选择："));
    EXPECT_EQ(b->ui.Dir1->Path(), QDir::homePath());
    EXPECT_EQ(b->ui.Drive1->Drive(), QStringLiteral("/"));
    // The home folder lies on the root drive already, so a person's choice of it changes
    // nothing; what a change to a drive does is run here: its root opens.
    b->ui.Drive1->setCurrentIndex(b->ui.Drive1->findData(QStringLiteral("/")));
    b->Drive1_Change();
    EXPECT_EQ(b->ui.Dir1->Path(), QStringLiteral("/"));
    auto* r = WindowHost::Default<Formsjhf>();
    WindowHost::Show(r, ShowMode::Modal);
    EXPECT_EQ(r->windowTitle(), QStringLiteral("数据还原"));
    EXPECT_EQ(r->ui.Dir1->Path(), QDir::homePath());
}

TEST_F(BackupRestore, RoundTripGivesBackByteIdenticalDatabasesAndPhotographs) {
    backup(store.path());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, kBackupDone) << messages()[0].text.toStdString();
    EXPECT_EQ(messages()[0].icon, MsgIcon::Information);
    EXPECT_FALSE(WindowHost::Exists<Formsjbf>());
    expectSameSet(dir(), store.path());

    const QByteArray db2 = bytesOf(set("db2.mdb"));
    const QByteArray cuser = bytesOf(set("cuser.mdb"));
    // Life goes on: new data, a changed account, a photograph replaced and one deleted.
    addEmployee("C003", "王五");
    userDb()->execute(QStringLiteral("update cuser set cpwd='changed'"));
    writeFile(path("pic/A001.jpg"), "a newer photo");
    QFile::remove(path("pic/B002.gif"));
    clearMessages();
    restore(store.path());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("还原完成！！"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Information);
    EXPECT_FALSE(WindowHost::Exists<Formsjhf>());
    EXPECT_EQ(bytesOf(path("db2.mdb")), db2);
    EXPECT_EQ(bytesOf(path("cuser.mdb")), cuser);
    expectSameSet(dir(), store.path());
    EXPECT_EQ(count("员工信息", "员工编号='C003'"), 0);
    EXPECT_EQ(userDb()->scalar(QStringLiteral("select cpwd from cuser")).toString(), QStringLiteral("lorap"));
}

TEST_F(BackupRestore, EmptyPhotographFolderStillBacksUpBothDatabasesAndMakesAnEmptyPic) {
    for (const QString& f : filesIn(path("pic"))) QFile::remove(path("pic/" + f));
    backup(store.path());
    EXPECT_EQ(lastMessage(), kBackupDone);
    EXPECT_TRUE(QFileInfo(set("pic")).isDir());
    EXPECT_TRUE(filesIn(set("pic")).isEmpty());
    expectSameSet(dir(), store.path());
}

TEST_F(BackupRestore, ABackupThatCannotTakeEveryFileTakesNoneAndSaysWhich) {
    // A missing user database; then a personnel database in the middle of a change.
    const QByteArray cuser = bytesOf(path("cuser.mdb"));
    QFile::remove(path("cuser.mdb"));
    backup(store.path());
    ASSERT_TRUE(refusedNaming(QStringLiteral("cuser.mdb（找不到文件")));
    EXPECT_FALSE(messages()[0].text.contains(QStringLiteral("db2.mdb（")));
    EXPECT_FALSE(WindowHost::Exists<Formsjbf>());
    EXPECT_TRUE(QDir(store.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());

    writeFile(path("cuser.mdb"), cuser);
    auto writer = db();
    writer->execute(QStringLiteral("BEGIN IMMEDIATE"));
    writer->execute(QStringLiteral("insert into 员工信息 (员工编号,姓名) values ('H1','半条')"));
    clearMessages();
    backup(store.path());
    writer->execute(QStringLiteral("ROLLBACK"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("db2.mdb（"))) << lastMessage().toStdString();
    EXPECT_TRUE(QDir(store.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(BackupRestore, BackingUpIntoTheProgramFolderIsRefused) {
    const QByteArray before = bytesOf(path("db2.mdb"));
    confirm(backupWindow(dir()));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(WindowHost::Exists<Formsjbf>()) << "the user may pick another folder";
    EXPECT_FALSE(QFileInfo::exists(path("pic/pic")));
    EXPECT_EQ(bytesOf(path("db2.mdb")), before);
}

TEST_F(BackupRestore, InvalidRestoreSourceIsRefusedAndNothingReplaced) {
    const QByteArray db2 = bytesOf(path("db2.mdb"));
    const QByteArray cuser = bytesOf(path("cuser.mdb"));
    writeFile(set("pic/A001.jpg"), "would overwrite");
    // No databases at all; then a db2.mdb that is text; then a cuser.mdb without its key.
    confirm(restoreWindow(store.path()));
    writeFile(set("db2.mdb"), QByteArray(4096, 't'));
    QFile::copy(path("cuser.mdb"), set("cuser.mdb"));
    confirm(WindowHost::Default<Formsjhf>());
    QFile::remove(set("db2.mdb"));
    QFile::remove(set("cuser.mdb"));
    QFile::copy(path("db2.mdb"), set("db2.mdb"));
    QFile::copy(path("db2.mdb"), set("cuser.mdb"));
    confirm(WindowHost::Default<Formsjhf>());
    ASSERT_EQ(messages().size(), 3u);
    for (const auto& m : messages()) {
        EXPECT_EQ(m.icon, MsgIcon::Critical);
        EXPECT_TRUE(m.text.contains(QStringLiteral("没有还原任何文件"))) << m.text.toStdString();
    }
    EXPECT_TRUE(messages()[1].text.contains(QStringLiteral("db2.mdb：")));
    EXPECT_FALSE(messages()[1].text.contains(QStringLiteral("cuser.mdb：")));
    EXPECT_TRUE(messages()[2].text.contains(QStringLiteral("cuser.mdb：")));
    EXPECT_EQ(bytesOf(path("db2.mdb")), db2);
    EXPECT_EQ(bytesOf(path("cuser.mdb")), cuser);
    EXPECT_EQ(bytesOf(path("pic/A001.jpg")), QByteArray("\xFF\xD8 photo of A001", 16));
    EXPECT_TRUE(WindowHost::Exists<Formsjhf>());
}

TEST_F(BackupRestore, RestoreWithoutPicFolderStillRestoresAndMakesTheProgramsPic) {
    backup(store.path());
    QDir(set("pic")).removeRecursively();
    QDir(path("pic")).removeRecursively();
    addEmployee("C003", "王五");
    clearMessages();
    restore(store.path());
    EXPECT_EQ(lastMessage(), QStringLiteral("还原完成！！"));
    EXPECT_TRUE(QFileInfo(path("pic")).isDir());
    EXPECT_EQ(bytesOf(path("db2.mdb")), bytesOf(set("db2.mdb")));
}

TEST_F(BackupRestore, DatabaseInUseIsNotReplacedAndTheRestoreSaysSo) {
    backup(store.path());
    addEmployee("C003", "王五");
    const QByteArray busy = bytesOf(path("db2.mdb"));
    auto user = db();
    user->execute(QStringLiteral("BEGIN"));
    user->scalar(QStringLiteral("select count(*) from 员工信息"));
    clearMessages();
    restore(store.path());
    user->execute(QStringLiteral("COMMIT"));
    ASSERT_TRUE(refusedNaming(QStringLiteral("db2.mdb 正在使用")));
    EXPECT_EQ(bytesOf(path("db2.mdb")), busy);
    EXPECT_EQ(bytesOf(path("cuser.mdb")), bytesOf(set("cuser.mdb")));
    EXPECT_TRUE(QDir(dir()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".part")).isEmpty());
}

TEST_F(BackupRestore, FoldersAtARootGetTheirFileNamesWithoutADoubledSeparator) {
    if (QFileInfo::exists(QStringLiteral("/db2.mdb")) || QFileInfo::exists(QStringLiteral("/cuser.mdb")))
        GTEST_SKIP() << "the root holds databases of its own";
    confirm(restoreWindow(QStringLiteral("/")));  // the root picked as backup folder
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("找不到文件 /db2.mdb"))) << lastMessage().toStdString();
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("找不到文件 /cuser.mdb")));
    EXPECT_FALSE(messages()[0].text.contains(QStringLiteral("//")));
    clearMessages();
    SetProgramDir(QStringLiteral("/"));  // the program itself at the root
    backup(store.path());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("找不到文件 /db2.mdb"))) << lastMessage().toStdString();
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("找不到文件 /cuser.mdb")));
    EXPECT_FALSE(messages()[0].text.contains(QStringLiteral("//")));
}

TEST_F(BackupRestore, BackupMenuEndsTheProgramAndRestoreMenuDoesNot) {
    auto* main = WindowHost::Default<Form1>();
    WindowHost::Show(main, ShowMode::Modeless);
    processEvents();
    main->resize(1200, 800);  // as wide as a common screen: the menu bar shows every heading
    halvern::test::menuCommand(main, QStringLiteral("数据处理(&B)"), QStringLiteral("数据备份"));
    EXPECT_FALSE(WindowHost::Exists<Form1>());
    EXPECT_EQ(shown().last(), QStringLiteral("Formsjbf"));
    EXPECT_TRUE(programEnded());

    WindowHost::UnloadAll();
    processEvents();
    main = WindowHost::Default<Form1>();
    WindowHost::Show(main, ShowMode::Modeless);
    processEvents();
    EXPECT_TRUE(programEnded());  // from before; the restore below must not end it again
    WindowHost::ClearLog();
    int ends = 0;
    WindowHost::SetEndHandler([&] { ++ends; });
    main->resize(1200, 800);
    halvern::test::menuCommand(main, QStringLiteral("数据处理(&B)"), QStringLiteral("数据还原"));
    EXPECT_FALSE(WindowHost::Exists<Form1>());
    EXPECT_EQ(shown(), QStringList{"Formsjhf"});
    EXPECT_EQ(ends, 0);
}

// ---- what no failure may do to the data -------------------------------------------

namespace {

// Every file of a folder tree (hidden ones included) with its bytes.
QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        files.insert(QDir(root).relativeFilePath(f), bytesOf(f));
    }
    return files;
}

// Lets this process write files of at most `bytes` bytes, as a disk that fills up
// would; writes beyond fail with the system's "File too large".
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    static QString reason() { return QString::fromLocal8Bit(std::strerror(EFBIG)); }

private:
    rlimit saved_{};
};

}  // namespace

TEST_F(BackupRestore, ASetWithDamagedDataPagesIsRefusedBeforeAnythingIsReplaced) {
    // Enough employees for a database of several pages, the first of which stays intact.
    for (int i = 0; i < 40; ++i)
        addEmployee(QStringLiteral("P%1").arg(i), QStringLiteral("员工%1").arg(i), {{"备注", QString(200, QChar(u'记'))}});
    backup(store.path());
    ASSERT_EQ(lastMessage(), kBackupDone);
    ASSERT_GE(PageCount(set("db2.mdb")), 6);
    DamagePages(set("db2.mdb"), 2, 4);
    writeFile(set("pic/A001.jpg"), "a photo from the damaged set");
    addEmployee("C003", "王五");
    const auto before = snapshot(dir());

    clearMessages();
    restore(store.path());
    ASSERT_TRUE(refusedNaming(QStringLiteral("没有还原任何文件")));
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("db2.mdb：数据库文件已损坏"))) << lastMessage().toStdString();
    EXPECT_FALSE(messages()[0].text.contains(QStringLiteral("cuser.mdb：")));
    EXPECT_EQ(snapshot(dir()), before);
    EXPECT_TRUE(WindowHost::Exists<Formsjhf>());
}

TEST_F(BackupRestore, ARestoreThatCannotWriteEveryFileReplacesNoneAndLeavesNoTrace) {
    // db2.mdb is far larger than the photographs and cuser.mdb: the disk "fills" on it.
    for (int i = 0; i < 200; ++i)
        addEmployee(QStringLiteral("P%1").arg(i), QStringLiteral("员工%1").arg(i), {{"备注", QString(300, QChar(u'记'))}});
    backup(store.path());
    ASSERT_EQ(lastMessage(), kBackupDone);
    const qint64 limit = QFileInfo(set("cuser.mdb")).size() + 1024;
    ASSERT_GT(QFileInfo(set("db2.mdb")).size(), limit);
    // Since the backup: a new employee, a changed password, a changed photograph.
    addEmployee("C003", "王五");
    userDb()->execute(QStringLiteral("update cuser set cpwd='changed'"));
    writeFile(path("pic/A001.jpg"), "a newer photo");
    const auto before = snapshot(dir());

    clearMessages();
    {
        FileSizeLimit full(static_cast<rlim_t>(limit));
        restore(store.path());
    }
    ASSERT_TRUE(refusedNaming(QStringLiteral("没有还原任何文件")));
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("db2.mdb（"))) << lastMessage().toStdString();
    EXPECT_TRUE(messages()[0].text.contains(FileSizeLimit::reason())) << lastMessage().toStdString();
    EXPECT_EQ(snapshot(dir()), before);
    EXPECT_EQ(userDb()->scalar(QStringLiteral("select cpwd from cuser")).toString(), QStringLiteral("changed"));

    // With room again the same set restores whole.
    clearMessages();
    restore(store.path());
    EXPECT_EQ(lastMessage(), QStringLiteral("还原完成！！"));
    expectSameSet(dir(), store.path());
}

TEST_F(BackupRestore, ABackupThatRunsOutOfRoomLeavesTheEarlierSetAsItWasAndSaysWhy) {
    for (int i = 0; i < 200; ++i)
        addEmployee(QStringLiteral("P%1").arg(i), QStringLiteral("员工%1").arg(i), {{"备注", QString(300, QChar(u'记'))}});
    backup(store.path());
    ASSERT_EQ(lastMessage(), kBackupDone);
    const auto earlier = snapshot(store.path());
    // Since then: a new employee, a changed password, a changed photograph.
    addEmployee("C003", "王五");
    userDb()->execute(QStringLiteral("update cuser set cpwd='changed'"));
    writeFile(path("pic/A001.jpg"), "a newer photo");
    const qint64 limit = QFileInfo(path("cuser.mdb")).size() + 1024;
    ASSERT_GT(QFileInfo(path("db2.mdb")).size(), limit);

    clearMessages();
    {
        FileSizeLimit full(static_cast<rlim_t>(limit));
        backup(store.path());
    }
    ASSERT_TRUE(refusedNaming(QStringLiteral("db2.mdb（")));
    EXPECT_TRUE(messages()[0].text.contains(FileSizeLimit::reason())) << lastMessage().toStdString();
    EXPECT_FALSE(messages()[0].text.contains(QStringLiteral("Unknown error")));
    // The photograph and cuser.mdb, staged before the disk ran full, replaced nothing.
    EXPECT_EQ(snapshot(store.path()), earlier);

    // With room again the backup is whole.
    clearMessages();
    backup(store.path());
    EXPECT_EQ(lastMessage(), kBackupDone);
    expectSameSet(dir(), store.path());
}

TEST_F(BackupRestore, ADamagedDatabaseIsReportedNotBackedUp) {
    for (int i = 0; i < 40; ++i)
        addEmployee(QStringLiteral("P%1").arg(i), QStringLiteral("员工%1").arg(i), {{"备注", QString(200, QChar(u'记'))}});
    backup(store.path());
    ASSERT_EQ(lastMessage(), kBackupDone);
    const auto earlier = snapshot(store.path());
    ASSERT_GE(PageCount(path("db2.mdb")), 6);
    DamagePages(path("db2.mdb"), 2, 4);

    clearMessages();
    backup(store.path());
    ASSERT_TRUE(refusedNaming(QStringLiteral("db2.mdb（数据库文件已损坏")));
    EXPECT_EQ(snapshot(store.path()), earlier);
}

TEST_F(BackupRestore, ASetWhoseDatabasesLackTheProgramsTablesIsRefusedAndNothingReplaced) {
    backup(store.path());
    addEmployee("C003", "王五");
    const auto before = snapshot(dir());
    const auto refused = [&](const char* file, const QString& reason) {
        clearMessages();
        confirm(restoreWindow(store.path()));
        ASSERT_EQ(messages().size(), 1u) << file;
        EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
        EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("没有还原任何文件"))) << lastMessage().toStdString();
        EXPECT_TRUE(messages()[0].text.contains(QString::fromUtf8(file) + QStringLiteral("：") + reason))
            << lastMessage().toStdString();
        EXPECT_EQ(snapshot(dir()), before) << file;
    };
    const QByteArray goodDb2 = bytesOf(set("db2.mdb"));
    const QByteArray goodCuser = bytesOf(set("cuser.mdb"));

    // A database, but not the program's.
    QFile::remove(set("db2.mdb"));
    Connection::create(set("db2.mdb"))->executeScript(QStringLiteral("create table 其他 (x text);"));
    refused("db2.mdb", QStringLiteral("不是本程序的数据库"));
    // An empty file.
    writeFile(set("db2.mdb"), QByteArray());
    refused("db2.mdb", QStringLiteral("不是本程序的数据库"));
    // The program's tables, one column short.
    writeFile(set("db2.mdb"), goodDb2);
    {
        auto c = Connection::open(QStringLiteral("Data Source=") + set("db2.mdb"));
        c->executeScript(QStringLiteral("drop table 员工离职; create table 员工离职 (员工编号 text, 姓名 text);"));
    }
    refused("db2.mdb", QStringLiteral("缺少“员工离职”的列“部门”"));
    // A user database that opens with the key but holds no accounts table.
    writeFile(set("db2.mdb"), goodDb2);
    QFile::remove(set("cuser.mdb"));
    Connection::create(set("cuser.mdb"), QStringLiteral("wgm"))->executeScript(QStringLiteral("create table t (x);"));
    refused("cuser.mdb", QStringLiteral("不是本程序的数据库，其中没有表“cuser”"));

    writeFile(set("cuser.mdb"), goodCuser);
    clearMessages();
    restore(store.path());
    EXPECT_EQ(lastMessage(), QStringLiteral("还原完成！！"));
    expectSameSet(dir(), store.path());
}

TEST_F(BackupRestore, PassingFilesOfAnInterruptedRunAreNeverCopied) {
    writeFile(path("pic/.K01.jpg.part"), "half a photo");
    writeFile(path("pic/.D01.jpg.deleting"), "a photo on its way out");
    writeFile(path("pic/.hidden.jpg"), "a photograph whose number starts with a dot");
    backup(store.path());
    EXPECT_EQ(lastMessage(), kBackupDone);
    EXPECT_EQ(QDir(set("pic")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{".hidden.jpg", "A001.jpg", "B002.gif"}));

    writeFile(set("pic/.X.jpg.part"), "half a photo in the set");
    clearMessages();
    restore(store.path());
    EXPECT_EQ(lastMessage(), QStringLiteral("还原完成！！"));
    EXPECT_FALSE(QFileInfo::exists(path("pic/.X.jpg.part")));

    // What an interrupted backup left in the set goes with the next backup into it;
    // a file of the user's that only looks like a passing one stays.
    writeFile(set(".db2.mdb.part"), "half a database");
    writeFile(set("pic/.Y.jpg.part"), "half a photo of an interrupted backup");
    writeFile(set(".notes.txt.part"), "the user's own download");
    clearMessages();
    backup(store.path());
    EXPECT_EQ(lastMessage(), kBackupDone);
    EXPECT_EQ(QDir(store.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{".notes.txt.part", "cuser.mdb", "db2.mdb"}));
    EXPECT_EQ(QDir(set("pic")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{".hidden.jpg", "A001.jpg", "B002.gif"}));
}

// ---- a copy killed while it puts a set in place --------------------------------------

namespace {

// Puts a folder back to the files of a snapshot (hidden ones included).
void putBack(const QString& root, const QMap<QString, QByteArray>& files) {
    for (const QString& f : snapshot(root).keys())
        if (!files.contains(f)) QFile::remove(root + QLatin1Char('/') + f);
    for (auto it = files.cbegin(); it != files.cend(); ++it) writeFile(root + QLatin1Char('/') + it.key(), it.value());
}

}  // namespace

TEST_F(BackupRestore, ARestoreKilledAmongItsRenamesIsFinishedAtTheNextStart) {
    if (!halvern::test::CanKillAtRename()) GTEST_SKIP() << "no way to stop a child at a system call here";
    backup(store.path());
    ASSERT_EQ(lastMessage(), kBackupDone);
    const auto set = snapshot(store.path());
    // Since the backup: a new employee, a changed password, a changed and a new photograph.
    addEmployee("C003", "王五");
    userDb()->execute(QStringLiteral("update cuser set cpwd='changed'"));
    writeFile(path("pic/A001.jpg"), "a newer photo");
    writeFile(path("pic/C003.jpg"), "a photo the backup does not have");
    const auto before = snapshot(dir());
    auto expectedAfterRestore = before;
    for (auto it = set.cbegin(); it != set.cend(); ++it) expectedAfterRestore.insert(it.key(), it.value());

    // Killed before each rename of the restore in turn: the journal's own, each photograph's, each database's.
    const QStringList killPoints{SetJournal(dir()), path("pic/A001.jpg"), path("pic/B002.gif"), path("db2.mdb"),
                                 path("cuser.mdb")};
    for (const QString& point : killPoints) {
        SCOPED_TRACE(point.toStdString());
        putBack(dir(), before);
        ASSERT_TRUE(halvern::test::KillBeforeRename(
            [&] { restoreWindow(store.path())->Command1_Click(); },
            [&](const QString& target) { return QDir::cleanPath(target) == QDir::cleanPath(point); }));
        ASSERT_NE(snapshot(dir()), before);  // passing files at least

        clearMessages();
        EXPECT_TRUE(Main());
        EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
        // Killed before its journal was in place the restore had replaced nothing; after, it is finished.
        EXPECT_EQ(snapshot(dir()), point == SetJournal(dir()) ? before : expectedAfterRestore);
        WindowHost::UnloadAll();
    }
    EXPECT_EQ(userDb()->scalar(QStringLiteral("select cpwd from cuser")).toString(), QStringLiteral("lorap"));
    EXPECT_EQ(db()->scalar(QStringLiteral("pragma integrity_check")).toString(), QStringLiteral("ok"));
}

TEST_F(BackupRestore, ABackupKilledAmongItsRenamesLeavesASetThatRestoresWhole) {
    if (!halvern::test::CanKillAtRename()) GTEST_SKIP() << "no way to stop a child at a system call here";
    backup(store.path());
    ASSERT_EQ(lastMessage(), kBackupDone);
    const auto earlierSet = snapshot(store.path());
    // Since the backup: a new employee, a changed password, a changed and a new photograph.
    addEmployee("C003", "王五");
    userDb()->execute(QStringLiteral("update cuser set cpwd='changed'"));
    writeFile(path("pic/A001.jpg"), "a newer photo");
    writeFile(path("pic/C003.jpg"), "C003's photo");
    const auto backedUp = snapshot(dir());
    QTemporaryDir elsewhere;  // the set a backup that is not stopped makes of it
    backup(elsewhere.path());
    ASSERT_EQ(lastMessage(), kBackupDone);
    const auto newSet = snapshot(elsewhere.path());

    // Killed before each rename of the backup in turn: the journal's own, a photograph's, each database's.
    const QStringList killPoints{SetJournal(store.path()), set("pic/A001.jpg"), set("db2.mdb"), set("cuser.mdb")};
    for (const QString& point : killPoints) {
        SCOPED_TRACE(point.toStdString());
        putBack(store.path(), earlierSet);
        putBack(dir(), backedUp);
        ASSERT_TRUE(halvern::test::KillBeforeRename(
            [&] { backupWindow(store.path())->Command1_Click(); },
            [&](const QString& target) { return QDir::cleanPath(target) == QDir::cleanPath(point); }));
        ASSERT_NE(snapshot(store.path()), earlierSet);  // passing files at least
        addEmployee("D004", "赵六");  // work goes on after the restart
        auto expected = snapshot(dir());

        clearMessages();
        restore(store.path());
        EXPECT_EQ(lastMessage(), QStringLiteral("还原完成！！"));
        // Killed before its journal was in place the backup had replaced nothing and the
        // earlier set comes back; after, its own set was whole and is finished, then restored.
        const bool journalled = point != SetJournal(store.path());
        const auto& restored = journalled ? newSet : earlierSet;
        for (auto it = restored.cbegin(); it != restored.cend(); ++it) expected.insert(it.key(), it.value());
        EXPECT_EQ(snapshot(dir()), expected);
        if (journalled) {
            EXPECT_EQ(snapshot(store.path()), newSet);
        }
        WindowHost::UnloadAll();
    }
}

TEST_F(BackupRestore, ABackupIntoAFolderWhoseLastBackupWasKilledFinishesThatOneFirst) {
    if (!halvern::test::CanKillAtRename()) GTEST_SKIP() << "no way to stop a child at a system call here";
    backup(store.path());
    ASSERT_EQ(lastMessage(), kBackupDone);
    addEmployee("C003", "王五");
    userDb()->execute(QStringLiteral("update cuser set cpwd='changed'"));
    writeFile(path("pic/A001.jpg"), "a newer photo");
    QTemporaryDir elsewhere;
    backup(elsewhere.path());
    const auto newSet = snapshot(elsewhere.path());
    ASSERT_TRUE(halvern::test::KillBeforeRename([&] { backup(store.path()); },
                                                [&](const QString& target) { return target == set("db2.mdb"); }));

    // The next backup into the folder fails, on a missing user database: the folder
    // holds the killed backup's set whole, not its new photographs beside old databases.
    QFile::remove(path("cuser.mdb"));
    clearMessages();
    backup(store.path());
    ASSERT_TRUE(refusedNaming(QStringLiteral("cuser.mdb（找不到文件")));
    EXPECT_EQ(snapshot(store.path()), newSet);
}

// ---- links among the photographs -----------------------------------------------------

TEST_F(BackupRestore, ASetHoldingLinksIsRefusedWholeAndEachLinkNamed) {
    backup(store.path());
    QTemporaryDir elsewhere;
    writeFile(elsewhere.path() + "/secret.txt", "a file of the user's, no photograph");
    ASSERT_TRUE(QFile::link(elsewhere.path() + "/secret.txt", set("pic/E2.jpg")));
    ASSERT_TRUE(QFile::link(elsewhere.path() + "/gone.jpg", set("pic/E3.jpg")));  // names nothing
    // A database of the program's shape elsewhere, and the set's db2.mdb a link to it.
    ASSERT_TRUE(QFile::rename(set("db2.mdb"), elsewhere.path() + "/db2.mdb"));
    ASSERT_TRUE(QFile::link(elsewhere.path() + "/db2.mdb", set("db2.mdb")));
    addEmployee("C003", "王五");
    const auto before = snapshot(dir());

    clearMessages();
    restore(store.path());
    ASSERT_EQ(messages().size(), 1u);
    const QString text = messages()[0].text;
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(text.contains(QStringLiteral("没有还原任何文件"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("pic/E2.jpg：符号链接，指向 ") + elsewhere.path() + "/secret.txt"))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("pic/E3.jpg：符号链接"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("db2.mdb：") + set("db2.mdb") + QStringLiteral(" 是符号链接")))
        << text.toStdString();
    EXPECT_EQ(snapshot(dir()), before);
    EXPECT_FALSE(QFileInfo::exists(path("pic/E2.jpg")));
}

TEST_F(BackupRestore, ABackupLeavesLinksAmongThePhotographsOutAndNamesThem) {
    QTemporaryDir elsewhere;
    writeFile(elsewhere.path() + "/secret.txt", "a file of the user's, no photograph");
    ASSERT_TRUE(QFile::link(elsewhere.path() + "/secret.txt", path("pic/E2.jpg")));
    ASSERT_TRUE(QFile::link(elsewhere.path() + "/gone.jpg", path("pic/E3.jpg")));
    backup(store.path());
    ASSERT_EQ(messages().size(), 1u);
    const QString text = messages()[0].text;
    EXPECT_TRUE(text.startsWith(kBackupDone)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("没有备份"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("pic/E2.jpg（符号链接，指向 ") + elsewhere.path() + "/secret.txt"))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("pic/E3.jpg（符号链接"))) << text.toStdString();
    EXPECT_EQ(QDir(set("pic")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
              (QStringList{"A001.jpg", "B002.gif"}));
    EXPECT_EQ(bytesOf(set("db2.mdb")), bytesOf(path("db2.mdb")));
}
