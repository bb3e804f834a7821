#include "MainWindowInput.h"
#include "TestProgram.h"

#include "platform/Database.h"
#include "platform/WindowHost.h"
#include "records/Formyglz.h"
#include "shell/Form1.h"
#include "shell/Views.h"
#include "common/ModuleState.h"

using namespace platform;
using namespace halvern;
using halvern::test::ProgramTest;
using namespace halvern::test;

namespace {

// Every column of a row, by name, as stored.
QVariantMap storedRow(const ConnectionPtr& conn, const QString& table, const QString& no) {
    QVariantMap row;
    Statement st(*conn, QStringLiteral("select * from \"%1\" where 员工编号=?").arg(table), {no});
    if (!st.next()) return row;
    for (int i = 0; i < st.columnCount(); ++i) row.insert(st.columnName(i), st.value(i));
    return row;
}

}  // namespace

class Resignation : public ProgramTest {
protected:
    // The main window is up, as it is whenever these windows open; its grid is refreshed after each change.
    void SetUp() override {
        ProgramTest::SetUp();
        WindowHost::Default<Form1>()->Load();
        clearMessages();
    }
    Formyglz* open() {
        auto* w = WindowHost::Default<Formyglz>();
        WindowHost::Show(w, ShowMode::Modal);
        return w;
    }
    // A full record as the editing windows leave it: trailing blanks, dates, some columns empty.
    void addFullEmployee(const QString& no) {
        addEmployee(no, QStringLiteral("王小明"),
                    {{QStringLiteral("部门"), QStringLiteral("销售部 ")},
                     {QStringLiteral("职位"), QStringLiteral("经理 ")},
                     {QStringLiteral("性别"), QStringLiteral("男 ")},
                     {QStringLiteral("出生日期"), QStringLiteral("1980-02-29")},
                     {QStringLiteral("民族"), QStringLiteral("汉族 ")},
                     {QStringLiteral("学历"), QStringLiteral("本科 ")},
                     {QStringLiteral("身高"), QStringLiteral("175 ")},
                     {QStringLiteral("体重"), QStringLiteral("70 ")},
                     {QStringLiteral("上岗证"), QStringLiteral("有 ")},
                     {QStringLiteral("暂住证"), QStringLiteral(" ")},
                     {QStringLiteral("婚育证"), QVariant()},
                     {QStringLiteral("录用日期"), QStringLiteral("2005-07-01")},
                     {QStringLiteral("身份证号"), QStringLiteral("110101198002290011")},
                     {QStringLiteral("合同编号"), QStringLiteral("HT-001 ")},
                     {QStringLiteral("合同生效日"), QStringLiteral("2005-07-01")},
                     {QStringLiteral("合同到期日"), QVariant()},
                     {QStringLiteral("住址"), QStringLiteral("北京市东城区 ")},
                     {QStringLiteral("政治面貌"), QStringLiteral("群众 ")},
                     {QStringLiteral("特长"), QStringLiteral("  ")},
                     {QStringLiteral("籍贯"), QStringLiteral("北京市东城区")},
                     {QStringLiteral("外语情况"), QStringLiteral("英语 ")},
                     {QStringLiteral("婚否"), QStringLiteral("已婚 ")},
                     {QStringLiteral("联系电话"), QStringLiteral("010-1234 ")},
                     {QStringLiteral("毕业院校"), QStringLiteral("北京大学 ")},
                     {QStringLiteral("专业"), QStringLiteral("数学 ")},
                     {QStringLiteral("主要履历"), QStringLiteral("多年销售 ")},
                     {QStringLiteral("备注"), QStringLiteral("无 ")},
                     {QStringLiteral("图片"), QStringLiteral("\\pic\\") + no + QStringLiteral(".jpg")}});
        db()->execute(QStringLiteral("insert into 覆历 (员工编号, 教育背景) values (?, ?)"),
                      {no, QStringLiteral("大学 ")});
    }
    int leavers(const QString& no) { return count(QStringLiteral("员工离职"), QStringLiteral("员工编号=?"), {no}); }
    int employees(const QString& no) { return count(QStringLiteral("员工信息"), QStringLiteral("员工编号=?"), {no}); }
};

TEST_F(Resignation, CopiesEveryColumnAsStoredWithReasonAndThePickersTimeOfDay) {
    addFullEmployee(QStringLiteral("A1"));
    const QVariantMap before = storedRow(db(), QStringLiteral("员工信息"), QStringLiteral("A1"));
    auto* w = open();
    w->ui.Text1->setText(QStringLiteral("A1"));
    w->ui.Text2->setText(QStringLiteral("个人原因"));
    w->ui.text3->setDateTime(QDateTime(QDate(2023, 5, 6), QTime(14, 25, 36)));
    clickControl(w->ui.Command1);

    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(employees(QStringLiteral("A1")), 0);
    ASSERT_EQ(leavers(QStringLiteral("A1")), 1);
    const QVariantMap after = storedRow(db(), QStringLiteral("员工离职"), QStringLiteral("A1"));
    ASSERT_EQ(before.size(), 30);
    for (auto it = before.begin(); it != before.end(); ++it) {
        EXPECT_EQ(after.value(it.key()).isNull(), it.value().isNull()) << it.key().toStdString();
        EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
    }
    EXPECT_EQ(after.value(QStringLiteral("离职原因")).toString(), QStringLiteral("个人原因"));
    EXPECT_EQ(after.value(QStringLiteral("离职时间")).toString(), QStringLiteral("2023-05-06 14:25:36"));
    // History and photograph stay with the leaver; the window has closed.
    EXPECT_EQ(count(QStringLiteral("覆历"), QStringLiteral("员工编号='A1'")), 1);
    EXPECT_FALSE(WindowHost::Exists<Formyglz>());
}

TEST_F(Resignation, OpensWithTheMainGridsNumberTrimmedAndTheCurrentTime) {
    addEmployee(QStringLiteral("B7  "), QStringLiteral("李四"));
    auto* main = WindowHost::Default<Form1>();
    chooseView(main, kFullView);
    const int row = mainGridRow(main, QStringLiteral("B7"));
    ASSERT_GT(row, 0);
    clickCell(main->dgrid, row, 0);
    ASSERT_EQ(main->dgrid->Text(), QStringLiteral("B7  "));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    auto* w = open();
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("B7"));
    EXPECT_GE(w->ui.text3->dateTime(), before);
    EXPECT_LE(w->ui.text3->dateTime(), QDateTime::currentDateTime().addSecs(1));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("员工离职"));
}

TEST_F(Resignation, AFailureAfterTheLeaverRowWasWrittenLeavesTheEmployeeAsBefore) {
    addFullEmployee(QStringLiteral("A2"));
    db()->execute(QStringLiteral(
        "create trigger keep_employee before delete on 员工信息 begin select raise(abort, 'locked'); end"));
    auto* w = open();
    w->ui.Text1->setText(QStringLiteral("A2"));
    w->ui.Text2->setText(QStringLiteral("调走"));
    clickControl(w->ui.Command1);

    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("该员工已经离职或者员工编号不存在或者出现异常错误! "));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(messages()[0].title, QStringLiteral("错误"));
    EXPECT_EQ(employees(QStringLiteral("A2")), 1);
    EXPECT_EQ(leavers(QStringLiteral("A2")), 0);
    // The window stays open with what was typed.
    ASSERT_TRUE(WindowHost::Exists<Formyglz>());
    EXPECT_EQ(w->ui.Text2->text(), QStringLiteral("调走"));
}

TEST_F(Resignation, ThePlaceholderIsRefusedWithAPlainBox) {
    auto* w = open();
    w->ui.Text1->setText(QStringLiteral("."));
    w->ui.Text2->setText(QStringLiteral("x"));
    clickControl(w->ui.Command1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("不能离职此员工"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::None);
    EXPECT_EQ(messages()[0].title, kAppTitle);
    EXPECT_EQ(employees(QStringLiteral(".")), 1);
    EXPECT_EQ(leavers(QStringLiteral(".")), 1);
}

TEST_F(Resignation, EmptyNumberOrReasonIsRefusedButBlanksCount) {
    addEmployee(QStringLiteral("A3"), QStringLiteral("张三"));
    auto* w = open();
    w->ui.Text1->setText(QStringLiteral("A3"));
    w->ui.Text2->clear();
    clickControl(w->ui.Command1);
    w->ui.Text1->clear();
    w->ui.Text2->setText(QStringLiteral("原因"));
    clickControl(w->ui.Command1);
    ASSERT_EQ(messages().size(), 2u);
    for (const auto& m : messages()) {
        EXPECT_EQ(m.text, QStringLiteral("员工编号不存在或者出现异常错误!或填定不完整！！ "));
        EXPECT_EQ(m.icon, MsgIcon::Critical);
        EXPECT_EQ(m.title, QStringLiteral("错误"));
    }
    EXPECT_EQ(employees(QStringLiteral("A3")), 1);

    clearMessages();
    w->ui.Text1->setText(QStringLiteral("A3"));
    w->ui.Text2->setText(QStringLiteral("   "));
    clickControl(w->ui.Command1);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(storedRow(db(), QStringLiteral("员工离职"), QStringLiteral("A3")).value(QStringLiteral("离职原因")),
              QVariant(QStringLiteral("   ")));
}

TEST_F(Resignation, UnknownOrAlreadyResignedNumbersAndQuotesWriteNothing) {
    addEmployee(QStringLiteral("A4"), QStringLiteral("赵六"));
    auto* w = open();
    w->ui.Text2->setText(QStringLiteral("原因"));
    for (const QString& no : {QStringLiteral("ZZ"), QStringLiteral("A4'"), QStringLiteral(" A4")}) {
        w->ui.Text1->setText(no);
        clickControl(w->ui.Command1);
    }
    ASSERT_EQ(messages().size(), 3u);
    for (const auto& m : messages())
        EXPECT_EQ(m.text, QStringLiteral("该员工已经离职或者员工编号不存在或者出现异常错误! "));
    EXPECT_EQ(count(QStringLiteral("员工离职")), 1);  // only the placeholder

    clearMessages();
    w->ui.Text1->setText(QStringLiteral("A4"));
    clickControl(w->ui.Command1);
    EXPECT_TRUE(messages().empty());
    auto* again = open();
    again->ui.Text1->setText(QStringLiteral("A4"));
    again->ui.Text2->setText(QStringLiteral("原因"));
    clickControl(again->ui.Command1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(leavers(QStringLiteral("A4")), 1);
}

TEST_F(Resignation, MenuAndPopupOpenTheWindowAndTheLeaverLeavesTheEmployeeViews) {
    addEmployee(QStringLiteral("A5"), QStringLiteral("孙五"));
    auto* main = WindowHost::Default<Form1>();
    chooseView(main, kFullView);
    const int row = mainGridRow(main, QStringLiteral("A5"));
    ASSERT_GT(row, 0);
    ASSERT_TRUE(chooseFromGridPopup(main, row, QStringLiteral("离职 (&L)")));
    ASSERT_TRUE(WindowHost::Exists<Formyglz>());
    auto* w = WindowHost::Default<Formyglz>();
    w->ui.Text1->setText(QStringLiteral("A5"));
    w->ui.Text2->setText(QStringLiteral("退休"));
    clickControl(w->ui.Command1);
    EXPECT_FALSE(WindowHost::Exists<Formyglz>());
    bool listed = false;
    for (int r = 1; r < main->dgrid->Rows(); ++r) listed |= main->dgrid->TextMatrix(r, 0) == QStringLiteral("A5");
    EXPECT_FALSE(listed);
    ASSERT_TRUE(chooseMainMenu(main, QStringLiteral("员工管理(&Y)"), QStringLiteral("员工离职处理")));
    EXPECT_EQ(shown().count(QStringLiteral("Formyglz")), 2);
}
