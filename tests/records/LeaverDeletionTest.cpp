#include "MainWindowInput.h"
#include "TestProgram.h"

#include "platform/WindowHost.h"
#include "records/Formdel.h"
#include "records/formygdd.h"
#include "shell/Form1.h"
#include "shell/Views.h"
#include "common/ModuleState.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <unistd.h>

using namespace platform;
using namespace halvern;
using halvern::test::ProgramTest;
using namespace halvern::test;

class LeaverDeletion : public ProgramTest {
protected:
    // The main window is up, as it is whenever the window opens; its grid is refreshed after a deletion.
    void SetUp() override {
        ProgramTest::SetUp();
        QDir().mkpath(path(QStringLiteral("pic")));
        WindowHost::Default<Form1>()->Load();
        clearMessages();
    }
    void addLeaver(const QString& no, const QVariant& picture, bool withHistory = true) {
        db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名, 图片, 离职原因) values (?, '某人', ?, '原因')"),
                      {no, picture});
        if (withHistory)
            db()->execute(QStringLiteral("insert into 覆历 (员工编号, 本公司经历) values (?, '经历')"), {no});
    }
    void writeFile(const QString& rel) {
        QFile f(path(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("jpeg");
    }
    bool fileThere(const QString& rel) { return QFile::exists(path(rel)); }
    void deleteLeaver(const QString& no) {
        auto* w = WindowHost::Default<Formdel>();
        WindowHost::Show(w, ShowMode::Modal);
        w->ui.Text1->setText(no);
        clickControl(w->ui.Command1);  // 确  定
    }
    int rows(const QString& table, const QString& no) { return count(table, QStringLiteral("员工编号=?"), {no}); }
};

TEST_F(LeaverDeletion, RemovesLeaverHistoryAndPhotographAndCloses) {
    addLeaver(QStringLiteral("L1"), QStringLiteral("\\pic\\L1.jpg"));
    writeFile(QStringLiteral("pic/L1.jpg"));
    writeFile(QStringLiteral("pic/L10.jpg"));  // a neighbour whose name starts alike
    deleteLeaver(QStringLiteral("L1"));
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(rows(QStringLiteral("员工离职"), QStringLiteral("L1")), 0);
    EXPECT_EQ(rows(QStringLiteral("覆历"), QStringLiteral("L1")), 0);
    EXPECT_FALSE(fileThere(QStringLiteral("pic/L1.jpg")));
    EXPECT_TRUE(fileThere(QStringLiteral("pic/L10.jpg")));
    EXPECT_EQ(QDir(path(QStringLiteral("pic"))).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_FALSE(WindowHost::Exists<Formdel>());
}

TEST_F(LeaverDeletion, MissingHistoryEmptyPictureAndMissingFileAreNoErrors) {
    addLeaver(QStringLiteral("L2"), QStringLiteral("\\pic\\L2.jpg"), false);
    addLeaver(QStringLiteral("L3"), QStringLiteral(" "));
    addLeaver(QStringLiteral("L4"), QVariant());
    writeFile(QStringLiteral("pic/other.jpg"));
    for (const QString& no : {QStringLiteral("L2"), QStringLiteral("L3"), QStringLiteral("L4")}) deleteLeaver(no);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    for (const QString& no : {QStringLiteral("L2"), QStringLiteral("L3"), QStringLiteral("L4")}) {
        EXPECT_EQ(rows(QStringLiteral("员工离职"), no), 0);
        EXPECT_EQ(rows(QStringLiteral("覆历"), no), 0);
    }
    EXPECT_TRUE(fileThere(QStringLiteral("pic/other.jpg")));
}

TEST_F(LeaverDeletion, APictureOutsideThePhotographFolderIsNeverTouched) {
    writeFile(QStringLiteral("victim.jpg"));
    addLeaver(QStringLiteral("L5"), QStringLiteral("\\pic\\..\\victim.jpg"));
    addLeaver(QStringLiteral("L6"), QStringLiteral("\\db2.mdb"));
    addLeaver(QStringLiteral("L7"), QStringLiteral("\\pic\\"));
    deleteLeaver(QStringLiteral("L5"));
    deleteLeaver(QStringLiteral("L6"));
    deleteLeaver(QStringLiteral("L7"));
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_TRUE(fileThere(QStringLiteral("victim.jpg")));
    EXPECT_TRUE(fileThere(QStringLiteral("db2.mdb")));
    EXPECT_TRUE(QDir(path(QStringLiteral("pic"))).exists());
    EXPECT_EQ(rows(QStringLiteral("员工离职"), QStringLiteral("L5")), 0);
    EXPECT_EQ(rows(QStringLiteral("员工离职"), QStringLiteral("L6")), 0);
}

TEST_F(LeaverDeletion, ThePlaceholderIsRefusedWithAPlainBox) {
    deleteLeaver(QStringLiteral("."));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("不能删除此条记录!"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::None);
    EXPECT_EQ(messages()[0].title, kAppTitle);
    EXPECT_EQ(rows(QStringLiteral("员工离职"), QStringLiteral(".")), 1);
    EXPECT_TRUE(WindowHost::Exists<Formdel>());
}

TEST_F(LeaverDeletion, UnknownNumbersAndCurrentEmployeesAreNotLeavers) {
    addEmployee(QStringLiteral("E1"), QStringLiteral("在职"));
    db()->execute(QStringLiteral("insert into 覆历 (员工编号) values ('E1')"));
    addLeaver(QStringLiteral("L8"), QVariant());
    for (const QString& no : {QStringLiteral("E1"), QStringLiteral("L8'"), QStringLiteral(" L8"), QString()})
        deleteLeaver(no);
    ASSERT_EQ(messages().size(), 4u);
    for (const auto& m : messages()) {
        EXPECT_EQ(m.text, QStringLiteral("员工编号不存在或者出现异常错误! "));
        EXPECT_EQ(m.icon, MsgIcon::Critical);
        EXPECT_EQ(m.title, QStringLiteral("错误"));
    }
    EXPECT_EQ(rows(QStringLiteral("覆历"), QStringLiteral("E1")), 1);
    EXPECT_EQ(rows(QStringLiteral("员工离职"), QStringLiteral("L8")), 1);
}

// The employee hired again under a leaver's number is transferred, then the leaver deleted.
TEST_F(LeaverDeletion, TheHistoryOfTheEmployeeHiredAgainUnderTheNumberStaysWithHim) {
    addLeaver(QStringLiteral("L7"), QVariant());
    addEmployee(QStringLiteral("L7"), QStringLiteral("再入职"), {{QStringLiteral("部门"), QStringLiteral("行政部 ")}});
    db()->execute(QStringLiteral("insert into 覆历 (员工编号, 本公司经历) values ('L7', '他自己的 ')"));
    auto* transfer = WindowHost::Default<formygdd>();
    WindowHost::Show(transfer, ShowMode::Modal);
    transfer->ui.Text1->setText(QStringLiteral("L7"));
    transfer->ui.Text2->setEditText(QStringLiteral("销售部"));
    transfer->ui.text3->setDate(QDate(2021, 2, 3));
    clickControl(transfer->ui.Command1);
    ASSERT_EQ(lastMessage(), QStringLiteral("调入成功!"));
    transfer->Unload();
    clearMessages();

    deleteLeaver(QStringLiteral("L7"));
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(rows(QStringLiteral("员工离职"), QStringLiteral("L7")), 0);
    EXPECT_EQ(db()->scalar(QStringLiteral("select group_concat(本公司经历) from 覆历 where 员工编号='L7'")),
              QStringLiteral("他自己的 \r\n2021-02-03从行政部调往销售部"));
}

TEST_F(LeaverDeletion, AFailingHistoryDeleteKeepsLeaverAndPhotograph) {
    addLeaver(QStringLiteral("L9"), QStringLiteral("\\pic\\L9.jpg"));
    writeFile(QStringLiteral("pic/L9.jpg"));
    db()->execute(QStringLiteral("create trigger keep before delete on 覆历 begin select raise(abort, 'locked'); end"));
    deleteLeaver(QStringLiteral("L9"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("员工编号不存在或者出现异常错误! "));
    EXPECT_EQ(rows(QStringLiteral("员工离职"), QStringLiteral("L9")), 1);
    EXPECT_EQ(rows(QStringLiteral("覆历"), QStringLiteral("L9")), 1);
    EXPECT_TRUE(fileThere(QStringLiteral("pic/L9.jpg")));
}

TEST_F(LeaverDeletion, APhotographThatCannotBeDeletedIsReportedAndNothingIsDeleted) {
    addLeaver(QStringLiteral("LA"), QStringLiteral("\\pic\\LA.jpg"));
    writeFile(QStringLiteral("pic/LA.jpg"));
    const QString file = path(QStringLiteral("pic/LA.jpg"));
    // The superuser may delete anything in a folder it cannot write; an immutable file stops it too.
    const bool root = geteuid() == 0;
    if (root) {
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), file}) != 0)
            GTEST_SKIP() << "cannot make a file undeletable here";
    } else {
        QFile::setPermissions(path(QStringLiteral("pic")), QFile::ReadOwner | QFile::ExeOwner);
    }
    deleteLeaver(QStringLiteral("LA"));
    if (root)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), file});
    else
        QFile::setPermissions(path(QStringLiteral("pic")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("LA.jpg")));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(rows(QStringLiteral("员工离职"), QStringLiteral("LA")), 1);
    EXPECT_EQ(rows(QStringLiteral("覆历"), QStringLiteral("LA")), 1);
    EXPECT_TRUE(fileThere(QStringLiteral("pic/LA.jpg")));
}

TEST_F(LeaverDeletion, TheMenuAsksFirstThePopupDoesNot) {
    auto* main = WindowHost::Default<Form1>();
    const QString staff = QStringLiteral("员工管理(&Y)");
    const QString deleteLeavers = QStringLiteral("删除离职人员资料");
    answer(MsgAnswer::Cancel);
    ASSERT_TRUE(chooseMainMenu(main, staff, deleteLeavers));
    EXPECT_FALSE(WindowHost::Exists<Formdel>());
    ASSERT_TRUE(chooseMainMenu(main, staff, deleteLeavers));
    EXPECT_TRUE(WindowHost::Exists<Formdel>());
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("此操作将真正删除数据库中数据，请慎重操作"));
    WindowHost::Default<Formdel>()->Unload();
    processEvents();
    chooseView(main, kLeaverView);
    ASSERT_GT(main->dgrid->Rows(), 1);
    ASSERT_TRUE(chooseFromGridPopup(main, 1, QStringLiteral("删除资料(&D)")));
    EXPECT_TRUE(WindowHost::Exists<Formdel>());
    EXPECT_EQ(messages().size(), 2u);
}
