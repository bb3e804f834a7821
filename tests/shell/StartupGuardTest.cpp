// Before anything else the start-up claims the program folder for this copy of
// the program and settles what a copy stopped midway left behind.
#include "KillAtRename.h"
#include "TestProgram.h"

#include "platform/FileSystem.h"
#include "platform/ProgramDir.h"
#include "platform/WindowHost.h"
#include "records/Formdel.h"
#include "records/Formlr.h"
#include "records/Formmod.h"
#include "shell/Form1.h"
#include "common/ModuleState.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;
using namespace halvern;
using halvern::test::FileBytes;
using halvern::test::ProgramTest;

class StartupGuard : public ProgramTest {
protected:
    // A picture the clerk picks, outside the program folder, and the empty pic/ it goes to.
    void choosePhoto() const {
        QDir().mkpath(path(QStringLiteral("pic")));
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(path(QStringLiteral("tmp/chosen.jpg")), "JPG"));
    }
    // The entry window saves employee K01 with the chosen picture (its save's handler:
    // these run in a child copy that is stopped midway, where only what it leaves on disk counts).
    void enterK01WithPhoto() const {
        auto* w = WindowHost::Default<Formlr>();
        WindowHost::Show(w, ShowMode::Modal);
        w->ui.Text1->setText(QStringLiteral("K01"));
        w->ui.Text2->setText(QStringLiteral("丙"));
        Module().PicturePath = path(QStringLiteral("tmp/chosen.jpg"));
        w->Command1_Click();
    }
    void writeFile(const QString& rel, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path(rel)).path());
        QFile f(path(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

namespace {

// Starts a first copy of the program on the folder in a child process, which
// runs until killed; returns its process id once it holds the folder.
pid_t startFirstCopy(const std::function<void()>& before = {}) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        ::close(ready[0]);
        if (before) before();
        const char verdict = Main() ? 'y' : 'n';
        (void)!::write(ready[1], &verdict, 1);
        for (;;) pause();
    }
    ::close(ready[1]);
    char verdict = 0;
    const bool started = ::read(ready[0], &verdict, 1) == 1 && verdict == 'y';
    ::close(ready[0]);
    if (!started && child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return -1;
    }
    return child;
}

void stopCopy(pid_t copy) {
    kill(copy, SIGKILL);  // no clean-up: the folder stays as a crash leaves it
    waitpid(copy, nullptr, 0);
}

}  // namespace

TEST_F(StartupGuard, ASecondCopyOnTheSameProgramFolderIsRefusedUntilTheFirstEndsHoweverItEnds) {
    const pid_t first = startFirstCopy();
    ASSERT_GT(first, 0);
    EXPECT_FALSE(Main());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("已经在运行"))) << lastMessage().toStdString();
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(shown().isEmpty());

    // Once the first copy has died the folder is free again, and this copy holds it.
    stopCopy(first);
    clearMessages();
    EXPECT_TRUE(Main());
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(shown(), QStringList{"frmSplash"});
    FolderLock third;
    EXPECT_EQ(third.Acquire(dir()), FolderLock::Result::HeldByAnother);
}

TEST_F(StartupGuard, TheFolderIsHeldWithoutWritingAFileEvenOnAFullDisk) {
    // A name the lock of earlier versions used, taken by a folder, stands in no one's way.
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("halvern.lock"))));
    const auto before = QDir(dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    // The first copy starts on a disk that takes no byte more.
    const pid_t first = startFirstCopy([] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit none{0, 0};
        setrlimit(RLIMIT_FSIZE, &none);
    });
    ASSERT_GT(first, 0);
    EXPECT_EQ(QDir(dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name), before);
    EXPECT_FALSE(Main());
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("已经在运行"))) << lastMessage().toStdString();
    stopCopy(first);
}

TEST_F(StartupGuard, LeftoversOfACopyStoppedMidwayAreSettled) {
    db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名, 图片) values ('D01', '甲', '\\pic\\D01.jpg')"));
    db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名, 图片) values ('D02', '乙', '\\pic\\D02.jpg')"));
    addEmployee(QStringLiteral("K01"), QStringLiteral("丙"), {{QStringLiteral("图片"), QStringLiteral("\\pic\\K01.jpg")}});
    writeFile(QStringLiteral("pic/.D01.jpg.deleting"), "photo of a leaver whose deletion never finished");
    writeFile(QStringLiteral("pic/.D02.jpg.deleting"), "an older copy");
    writeFile(QStringLiteral("pic/D02.jpg"), "the photo in place");
    writeFile(QStringLiteral("pic/.X9.jpg.deleting"), "photo of a leaver whose deletion went through");
    writeFile(QStringLiteral("pic/.K01.jpg.part"), "half of a photo being saved");
    writeFile(QStringLiteral("pic/K01.jpg"), "K01's photo");
    writeFile(QStringLiteral("pic/.hidden.jpg"), "a photo whose number starts with a dot");
    writeFile(QStringLiteral(".db2.mdb.part"), "half of a restored database");
    const QByteArray db2 = FileBytes(path(QStringLiteral("db2.mdb")));

    EXPECT_TRUE(Main());
    EXPECT_EQ(QDir(path(QStringLiteral("pic"))).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{".hidden.jpg", "D01.jpg", "D02.jpg", "K01.jpg"}));
    EXPECT_EQ(FileBytes(path(QStringLiteral("pic/D01.jpg"))), QByteArray("photo of a leaver whose deletion never finished"));
    EXPECT_EQ(FileBytes(path(QStringLiteral("pic/D02.jpg"))), QByteArray("the photo in place"));
    EXPECT_EQ(FileBytes(path(QStringLiteral("pic/K01.jpg"))), QByteArray("K01's photo"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral(".db2.mdb.part"))));
    EXPECT_EQ(FileBytes(path(QStringLiteral("db2.mdb"))), db2);
}

// ---- a copy killed in the middle of a change ----------------------------------------

namespace {

// Runs work in a child copy of this test and kills it (SIGKILL) once `file` has
// appeared, while the child waits for the database held by `reader`.
void killWhenFileAppears(const std::function<void()>& work, const QString& file) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        work();
        _exit(0);
    }
    bool seen = false;
    // Once there, the file stays while the child waits (3 s) for the database.
    for (int i = 0; i < 10000 && !seen; ++i) {
        seen = QFileInfo::exists(file);
        if (!seen) usleep(1000);
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(seen) << file.toStdString();
    ASSERT_TRUE(WIFSIGNALED(status));
}

}  // namespace

TEST_F(StartupGuard, ALeaverDeletionKilledBeforeItsCommitKeepsRowsAndPhotograph) {
    WindowHost::Default<Form1>()->Load();
    db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名, 图片) values ('D01', '甲', '\\pic\\D01.jpg')"));
    db()->execute(QStringLiteral("insert into 覆历 (员工编号) values ('D01')"));
    writeFile(QStringLiteral("pic/D01.jpg"), "photo of D01");
    auto reader = db();  // a reader that the deletion's commit has to wait for
    reader->execute(QStringLiteral("BEGIN"));
    reader->scalar(QStringLiteral("select count(*) from 员工离职"));
    killWhenFileAppears(
        [] {
            auto* w = WindowHost::Default<Formdel>();
            WindowHost::Show(w, ShowMode::Modal);
            w->ui.Text1->setText(QStringLiteral("D01"));
            w->Command1_Click();
        },
        path(QStringLiteral("pic/.D01.jpg.deleting")));
    reader->execute(QStringLiteral("COMMIT"));
    ASSERT_FALSE(QFile::exists(path(QStringLiteral("pic/D01.jpg"))));

    EXPECT_TRUE(Main());
    EXPECT_EQ(count(QStringLiteral("员工离职"), QStringLiteral("员工编号='D01'")), 1);
    EXPECT_EQ(count(QStringLiteral("覆历"), QStringLiteral("员工编号='D01'")), 1);
    EXPECT_EQ(FileBytes(path(QStringLiteral("pic/D01.jpg"))), QByteArray("photo of D01"));
    EXPECT_EQ(QDir(path(QStringLiteral("pic"))).entryList(QDir::Files | QDir::Hidden), QStringList{"D01.jpg"});
    EXPECT_EQ(db()->scalar(QStringLiteral("pragma integrity_check")).toString(), QStringLiteral("ok"));
}

TEST_F(StartupGuard, AnEntrySaveKilledBeforeItsCommitLeavesNoRowAndNoPassingPhotograph) {
    choosePhoto();
    auto reader = db();
    reader->execute(QStringLiteral("BEGIN"));
    reader->scalar(QStringLiteral("select count(*) from 员工信息"));
    killWhenFileAppears(
        [this] { enterK01WithPhoto(); },
        path(QStringLiteral("pic/.K01.jpg.part")));
    reader->execute(QStringLiteral("COMMIT"));

    EXPECT_TRUE(Main());
    EXPECT_EQ(count(QStringLiteral("员工信息"), QStringLiteral("员工编号='K01'")), 0);
    EXPECT_EQ(count(QStringLiteral("覆历"), QStringLiteral("员工编号='K01'")), 0);
    EXPECT_TRUE(QDir(path(QStringLiteral("pic"))).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(StartupGuard, AnEntrySaveKilledAfterItsCommitHasItsPhotographPutInPlaceAtTheNextStart) {
    if (!halvern::test::CanKillAtRename()) GTEST_SKIP() << "no way to stop a child at a system call here";
    choosePhoto();
    // Killed in the moment between the commit of the rows and the rename of the photograph.
    ASSERT_TRUE(halvern::test::KillBeforeRename(
        [this] { enterK01WithPhoto(); },
        [this](const QString& target) { return target == path(QStringLiteral("pic/K01.jpg")); }));
    ASSERT_EQ(count(QStringLiteral("员工信息"), QStringLiteral("员工编号='K01'")), 1);
    ASSERT_FALSE(QFile::exists(path(QStringLiteral("pic/K01.jpg"))));

    EXPECT_TRUE(Main());
    EXPECT_EQ(db()->scalar(QStringLiteral("select 图片 from 员工信息 where 员工编号='K01'")).toString(),
              QStringLiteral("\\pic\\K01.jpg"));
    EXPECT_EQ(FileBytes(path(QStringLiteral("pic/K01.jpg"))), FileBytes(path(QStringLiteral("tmp/chosen.jpg"))));
    EXPECT_EQ(QDir(path(QStringLiteral("pic"))).entryList(QDir::Files | QDir::Hidden), QStringList{"K01.jpg"});
}

TEST_F(StartupGuard, AModifyKilledBeforeItsCommitKeepsTheEmployeesRowsAndPhotographAsTheyWere) {
    writeFile(QStringLiteral("pic/K01.jpg"), "K01's photo");
    addEmployee(QStringLiteral("K01"), QStringLiteral("丙"), {{QStringLiteral("图片"), QStringLiteral("\\pic\\K01.jpg")}});
    writeFile(QStringLiteral("tmp/new.jpg"), "a new photo of K01");
    auto reader = db();  // a reader that the save's commit has to wait for
    reader->execute(QStringLiteral("BEGIN"));
    reader->scalar(QStringLiteral("select count(*) from 员工信息"));
    // The new photograph goes to the same file name; it is staged and recorded when the kill comes.
    killWhenFileAppears(
        [this] {
            Module().CurrentEmployeeNo = QStringLiteral("K01");
            auto* w = WindowHost::Default<Formmod>();
            WindowHost::Show(w, ShowMode::Modal);
            w->ui.Text2->setText(QStringLiteral("丙改"));
            Module().PicturePath = path(QStringLiteral("tmp/new.jpg"));
            w->Command1_Click();
        },
        path(QStringLiteral("pic/.K01.jpg.journal")));
    reader->execute(QStringLiteral("COMMIT"));

    EXPECT_TRUE(Main());
    EXPECT_EQ(db()->scalar(QStringLiteral("select 姓名 from 员工信息 where 员工编号='K01'")).toString(), QStringLiteral("丙"));
    EXPECT_EQ(FileBytes(path(QStringLiteral("pic/K01.jpg"))), QByteArray("K01's photo"));
    EXPECT_EQ(QDir(path(QStringLiteral("pic"))).entryList(QDir::Files | QDir::Hidden), QStringList{"K01.jpg"});
}
