#include "MainWindowInput.h"
#include "TestProgram.h"
#include "UserInput.h"

#include "platform/WindowHost.h"
#include "records/formygdd.h"
#include "shell/Form1.h"
#include "shell/Views.h"
#include "common/ModuleState.h"

using namespace platform;
using namespace halvern;
using namespace halvern::test;

class Transfer : public ProgramTest {
protected:
    // The main window is up, as it is whenever these windows open; its grid is refreshed after each change.
    void SetUp() override {
        ProgramTest::SetUp();
        WindowHost::Default<Form1>()->Load();
        clearMessages();
    }
    formygdd* open() {
        auto* w = WindowHost::Default<formygdd>();
        WindowHost::Show(w, ShowMode::Modal);
        return w;
    }
    // Fills the boxes and confirms, the picker set to a day that is not today.
    void transfer(formygdd* w, const QString& no, const QString& department, QDate on = QDate(2021, 2, 3)) {
        w->ui.Text1->setText(no);
        w->ui.Text2->setEditText(department);
        w->ui.text3->setDateTime(QDateTime(on, QTime(9, 30)));
        clickControl(w->ui.Command1);
    }
    QVariant companyHistory(const QString& no) {
        return db()->scalar(QStringLiteral("select 本公司经历 from 覆历 where 员工编号=?"), {no});
    }
    QVariant department(const QString& no) {
        return db()->scalar(QStringLiteral("select 部门 from 员工信息 where 员工编号=?"), {no});
    }
};

TEST_F(Transfer, StoresTheNewDepartmentAndAppendsTheDatedLine) {
    addEmployee(QStringLiteral("T1"), QStringLiteral("张三"), {{QStringLiteral("部门"), QStringLiteral("行政部 ")}});
    db()->execute(QStringLiteral("insert into 覆历 (员工编号, 本公司经历) values ('T1', '入职 ')"));
    db()->execute(QStringLiteral("insert into 培训 (员工编号, 部门) values ('T1', '行政部 ')"));
    auto* w = open();
    transfer(w, QStringLiteral("T1"), QStringLiteral("销售部"));

    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("调入成功!"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Information);
    EXPECT_EQ(messages()[0].title, QStringLiteral("提示"));
    EXPECT_EQ(department(QStringLiteral("T1")).toString(), QStringLiteral("销售部"));
    EXPECT_EQ(companyHistory(QStringLiteral("T1")).toString(), QStringLiteral("入职 \r\n2021-02-03从行政部调往销售部"));
    EXPECT_EQ(db()->scalar(QStringLiteral("select 部门 from 培训 where 员工编号='T1'")).toString(),
              QStringLiteral("行政部 "));
    // The window stays for the next transfer: boxes cleared, date and list kept.
    ASSERT_TRUE(WindowHost::Exists<formygdd>());
    EXPECT_TRUE(w->ui.Text1->text().isEmpty());
    EXPECT_TRUE(w->ui.Text2->currentText().isEmpty());
    EXPECT_EQ(w->ui.text3->date(), QDate(2021, 2, 3));
    EXPECT_EQ(w->ui.Text2->count(), 6);

    clearMessages();
    transfer(w, QStringLiteral("T1"), QStringLiteral("销售部"), QDate(2022, 11, 30));
    EXPECT_EQ(lastMessage(), QStringLiteral("调入成功!"));
    EXPECT_EQ(companyHistory(QStringLiteral("T1")).toString(),
              QStringLiteral("入职 \r\n2021-02-03从行政部调往销售部\r\n2022-11-30从销售部调往销售部"));
}

TEST_F(Transfer, ARehiredEmployeesLineGoesIntoHisOwnHistoryNotTheLeavers) {
    db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名, 部门) values ('T3', '王五', '旧部 ')"));
    db()->execute(QStringLiteral("insert into 覆历 (员工编号, 本公司经历) values ('T3', '第一次 ')"));
    addEmployee(QStringLiteral("T3"), QStringLiteral("王五"), {{QStringLiteral("部门"), QStringLiteral("行政部 ")}});
    db()->execute(QStringLiteral("insert into 覆历 (员工编号, 本公司经历) values ('T3', '第二次 ')"));
    transfer(open(), QStringLiteral("T3"), QStringLiteral("销售部"));
    EXPECT_EQ(lastMessage(), QStringLiteral("调入成功!"));
    EXPECT_EQ(db()->scalar(QStringLiteral("select group_concat(本公司经历, '|') from "
                                          "(select * from 覆历 where 员工编号='T3' order by rowid)")),
              QStringLiteral("第一次 |第二次 \r\n2021-02-03从行政部调往销售部"));
}

TEST_F(Transfer, ADepartmentNotInTheListIsStoredAsTyped) {
    addEmployee(QStringLiteral("T2"), QStringLiteral("李四"));  // no department yet
    db()->execute(QStringLiteral("insert into 覆历 (员工编号) values ('T2')"));
    transfer(open(), QStringLiteral("T2"), QStringLiteral(" 外包部"));
    EXPECT_EQ(lastMessage(), QStringLiteral("调入成功!"));
    EXPECT_EQ(department(QStringLiteral("T2")).toString(), QStringLiteral(" 外包部"));
    EXPECT_EQ(companyHistory(QStringLiteral("T2")).toString(), QStringLiteral("\r\n2021-02-03从调往 外包部"));
}

TEST_F(Transfer, AnEmployeeWithoutHistoryGetsOneHoldingTheLine) {
    addEmployee(QStringLiteral("T3"), QStringLiteral("王五"), {{QStringLiteral("部门"), QStringLiteral("财务部")}});
    transfer(open(), QStringLiteral("t3"), QStringLiteral("技术部"));
    EXPECT_EQ(lastMessage(), QStringLiteral("调入成功!"));
    EXPECT_EQ(count(QStringLiteral("覆历"), QStringLiteral("员工编号='T3'")), 1);
    EXPECT_EQ(companyHistory(QStringLiteral("T3")).toString(), QStringLiteral("\r\n2021-02-03从财务部调往技术部"));
}

TEST_F(Transfer, AFailingHistoryWriteLeavesTheDepartmentUnchanged) {
    addEmployee(QStringLiteral("T4"), QStringLiteral("赵六"), {{QStringLiteral("部门"), QStringLiteral("财务部")}});
    db()->execute(QStringLiteral("insert into 覆历 (员工编号, 本公司经历) values ('T4', '旧')"));
    db()->execute(QStringLiteral("create trigger keep before update on 覆历 begin select raise(abort, 'locked'); end"));
    auto* w = open();
    transfer(w, QStringLiteral("T4"), QStringLiteral("技术部"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_NE(messages()[0].text, QStringLiteral("调入成功!"));
    EXPECT_EQ(department(QStringLiteral("T4")).toString(), QStringLiteral("财务部"));
    EXPECT_EQ(companyHistory(QStringLiteral("T4")).toString(), QStringLiteral("旧"));
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("T4"));
}

TEST_F(Transfer, IncompleteInputAndUnknownNumbersChangeNothing) {
    addEmployee(QStringLiteral("T5"), QStringLiteral("钱七"), {{QStringLiteral("部门"), QStringLiteral("财务部")}});
    auto* w = open();
    transfer(w, QString(), QStringLiteral("技术部"));
    transfer(w, QStringLiteral("T5"), QString());
    ASSERT_EQ(messages().size(), 2u);
    for (const auto& m : messages()) {
        EXPECT_EQ(m.text, QStringLiteral("请填写完整！！！ "));
        EXPECT_EQ(m.icon, MsgIcon::Critical);
        EXPECT_EQ(m.title, QStringLiteral("错误"));
    }
    clearMessages();
    // The number is taken as typed: blanks around it or a quote name nobody.
    for (const QString& no : {QStringLiteral("T5 "), QStringLiteral("T5'"), QStringLiteral("  ")})
        transfer(w, no, QStringLiteral("技术部"));
    ASSERT_EQ(messages().size(), 3u);
    for (const auto& m : messages()) {
        EXPECT_EQ(m.text, QStringLiteral("员工编号不存在!"));
        EXPECT_EQ(m.title, QStringLiteral("错误"));
    }
    EXPECT_EQ(department(QStringLiteral("T5")).toString(), QStringLiteral("财务部"));
    EXPECT_EQ(count(QStringLiteral("覆历"), QStringLiteral("员工编号='T5'")), 0);
}

TEST_F(Transfer, OpensWithTheDepartmentsAndTheMainGridsNumber) {
    addEmployee(QStringLiteral("T6"), QStringLiteral("孙八"));
    auto* main = WindowHost::Default<Form1>();
    chooseView(main, kFullView);
    const int row = mainGridRow(main, QStringLiteral("T6"));
    ASSERT_GT(row, 0);
    clickCell(main->dgrid, row, 0);
    clearMessages();
    const QDate today = QDate::currentDate();
    auto* w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("员工内部调动"));
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("T6"));
    EXPECT_EQ(w->ui.Text2->currentText(), QStringLiteral("行政部"));
    QStringList items;
    for (int i = 0; i < w->ui.Text2->count(); ++i) items << w->ui.Text2->itemText(i);
    EXPECT_EQ(items, (QStringList{"行政部", "人事部", "财务部", "销售部", "生产部", "技术部"}));
    EXPECT_GE(w->ui.text3->date(), today);
    EXPECT_TRUE(messages().empty());
}

TEST_F(Transfer, AnEmptyDepartmentListLeavesTheBoxEmpty) {
    db()->execute(QStringLiteral("delete from 部门表"));
    auto* w = open();
    EXPECT_TRUE(w->ui.Text2->currentText().isEmpty());
    EXPECT_EQ(w->ui.Text2->count(), 0);
    EXPECT_TRUE(messages().empty());
}

TEST_F(Transfer, AClerkTabsThroughTheBoxesAndConfirmsWithEnterOnTheButton) {
    addEmployee(QStringLiteral("A1"), QStringLiteral("张三"), {{QStringLiteral("部门"), QStringLiteral("财务部")}});
    auto* w = open();
    activate(w);
    w->ui.Text1->setFocus();
    type(QStringLiteral("A1"));
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), w->ui.Text2);
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("QA"));
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), w->ui.text3);
    press(Qt::Key_Tab);  // one Tab leaves the date picker
    ASSERT_EQ(focused(), w->ui.Command1);
    press(Qt::Key_Return);
    EXPECT_EQ(department(QStringLiteral("A1")).toString(), QStringLiteral("QA"));
}
