// Keeping the department list (部门管理) and the assessment column headings
// (定义表头): add from the text box, delete the name in the combo box.
#include "MainWindowInput.h"
#include "TestProgram.h"

#include "platform/WindowHost.h"
#include "shell/Form1.h"
#include "training/Formbtdy.h"
#include "training/Formcsh.h"

using namespace platform;
using namespace halvern;
using halvern::test::ProgramTest;
using halvern::test::chooseMainMenu;
using halvern::test::clickControl;

namespace {

QStringList items(const QComboBox* box) {
    QStringList names;
    for (int i = 0; i < box->count(); ++i) names << box->itemText(i);
    return names;
}

}  // namespace

class ListEditors : public ProgramTest {
protected:
    template <class T>
    T* open(ShowMode mode) {
        auto* w = WindowHost::Default<T>();
        WindowHost::Show(w, mode);
        return w;
    }
    Formcsh* departments() { return open<Formcsh>(ShowMode::Modeless); }
    Formbtdy* headings() { return open<Formbtdy>(ShowMode::Modal); }
    QStringList departmentNames() {
        QStringList names;
        Statement st(*db(), QStringLiteral("select 部门 from 部门表"));
        while (st.next()) names << st.value(0).toString();
        return names;
    }
};

TEST_F(ListEditors, DepartmentListShowsTheTableAndEndsTheDeleteBoxOnTheLastName) {
    auto* w = departments();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("部门管理"));
    EXPECT_EQ(w->ui.Label1->text(), QStringLiteral("原有部门："));
    EXPECT_EQ(w->ui.Label2->text(), QStringLiteral("请输入要增加的部门："));
    EXPECT_EQ(w->ui.Label3->text(), QStringLiteral("请输入要删除的部门："));
    EXPECT_EQ(w->ui.Command1->text(), QStringLiteral("确   定"));
    const QStringList names = departmentNames();
    EXPECT_EQ(w->ui.MSHFlexGrid1->Rows(), names.size() + 1);
    EXPECT_EQ(w->ui.MSHFlexGrid1->TextMatrix(0, 0), QStringLiteral("部门"));
    EXPECT_EQ(items(w->ui.Text2), names);
    EXPECT_EQ(w->ui.Text2->currentText(), names.last());
    EXPECT_TRUE(w->ui.Text1->text().isEmpty());
}

TEST_F(ListEditors, AddedDepartmentIsStoredAsTypedAndShown) {
    auto* w = departments();
    w->ui.Text1->setText(QStringLiteral(" 研发部 "));
    clickControl(w->ui.Command1);
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(departmentNames().contains(QStringLiteral(" 研发部 ")));
    EXPECT_EQ(w->ui.MSHFlexGrid1->Rows(), departmentNames().size() + 1);
    EXPECT_TRUE(items(w->ui.Text2).contains(QStringLiteral(" 研发部 ")));
    EXPECT_EQ(w->ui.Text2->currentText(), departmentNames().last());
    EXPECT_TRUE(w->ui.Text1->text().isEmpty());
}

TEST_F(ListEditors, DuplicateDepartmentIsRefusedAndTheNameKept) {
    auto* w = departments();
    const QStringList before = departmentNames();
    w->ui.Text1->setText(QStringLiteral("行政部"));
    clickControl(w->ui.Command1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("部门重复！！！"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(messages()[0].title, QStringLiteral("提示"));
    EXPECT_EQ(departmentNames(), before);
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("行政部"));
    EXPECT_EQ(items(w->ui.Text2), before);
}

TEST_F(ListEditors, EmptyBoxesAreRefusedWithTheWindowsOwnWord) {
    auto* d = departments();
    clickControl(d->ui.Command1);
    d->ui.Text2->setEditText(QString());
    clickControl(d->ui.Command2);
    auto* h = headings();
    clickControl(h->ui.Command1);
    h->ui.Text2->setEditText(QString());
    clickControl(h->ui.Command2);
    ASSERT_EQ(messages().size(), 4u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("请填写部门"));
    EXPECT_EQ(messages()[1].text, QStringLiteral("请填写部门"));
    EXPECT_EQ(messages()[2].text, QStringLiteral("请填写表头"));
    EXPECT_EQ(messages()[3].text, QStringLiteral("请填写表头"));
    EXPECT_EQ(count(QStringLiteral("部门表")), 6);
    EXPECT_EQ(count(QStringLiteral("横")), 5);
}

TEST_F(ListEditors, DeleteRemovesTheNamedDepartmentAndRefusesAnUnknownOne) {
    auto* w = departments();
    w->ui.Text1->setText(QStringLiteral("保留"));
    w->ui.Text2->setEditText(QStringLiteral("销售部"));
    clickControl(w->ui.Command2);
    EXPECT_TRUE(messages().empty());
    EXPECT_FALSE(departmentNames().contains(QStringLiteral("销售部")));
    EXPECT_FALSE(items(w->ui.Text2).contains(QStringLiteral("销售部")));
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("保留"));

    const QStringList before = departmentNames();
    w->ui.Text2->setEditText(QStringLiteral("不存在的部门"));
    clickControl(w->ui.Command2);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("输入有误！"));
    EXPECT_EQ(departmentNames(), before);
    EXPECT_EQ(w->ui.Text2->currentText(), QStringLiteral("不存在的部门"));
}

TEST_F(ListEditors, ANameWithASingleQuoteIsAddedAndDeletedSafely) {
    auto* w = departments();
    w->ui.Text1->setText(QStringLiteral("O'Neil 部"));
    clickControl(w->ui.Command1);
    EXPECT_TRUE(departmentNames().contains(QStringLiteral("O'Neil 部")));
    w->ui.Text2->setEditText(QStringLiteral("O'Neil 部"));
    clickControl(w->ui.Command2);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_FALSE(departmentNames().contains(QStringLiteral("O'Neil 部")));
    EXPECT_EQ(count(QStringLiteral("部门表")), 6);
}

TEST_F(ListEditors, DeletingTheLastDepartmentLeavesAnEmptyGridAndBox) {
    auto* w = departments();
    for (const QString& name : departmentNames()) {
        w->ui.Text2->setEditText(name);
        clickControl(w->ui.Command2);
    }
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(count(QStringLiteral("部门表")), 0);
    EXPECT_EQ(w->ui.MSHFlexGrid1->Rows(), 1);
    EXPECT_EQ(w->ui.Text2->count(), 0);
    EXPECT_TRUE(w->ui.Text2->currentText().isEmpty());
}

TEST_F(ListEditors, HeadingsMayRepeatAndOneDeleteRemovesOneOfThem) {
    auto* w = headings();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("定义表头"));
    EXPECT_EQ(w->ui.Label1->text(), QStringLiteral("原有表头："));
    EXPECT_EQ(w->ui.Text2->currentText(), QStringLiteral("备注"));
    for (int i = 0; i < 2; ++i) {
        w->ui.Text1->setText(QStringLiteral("出勤"));
        clickControl(w->ui.Command1);
    }
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(count(QStringLiteral("横"), QStringLiteral("hei='出勤'")), 2);
    // A new heading stands last.
    EXPECT_EQ(db()->scalar(QStringLiteral("select hei from 横 order by id desc limit 1")).toString(), QStringLiteral("出勤"));
    EXPECT_EQ(w->ui.Text2->currentText(), QStringLiteral("出勤"));
    clickControl(w->ui.Command2);
    EXPECT_EQ(count(QStringLiteral("横"), QStringLiteral("hei='出勤'")), 1);
    EXPECT_EQ(w->ui.MSHFlexGrid1->Rows(), count(QStringLiteral("横")) + 1);
}

TEST_F(ListEditors, HeadingThatCannotBeStoredGivesTheHeadingWindowsMessage) {
    db()->execute(QStringLiteral("create trigger no_heading before insert on 横 begin select raise(abort, 'no'); end"));
    auto* w = headings();
    w->ui.Text1->setText(QStringLiteral("出勤"));
    clickControl(w->ui.Command1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("异常错误！！"));
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("出勤"));
    EXPECT_EQ(count(QStringLiteral("横")), 5);
}

TEST_F(ListEditors, MainWindowMenuOpensTheDepartmentListBesideItAndTheHeadingsModal) {
    auto* main = WindowHost::Default<Form1>();
    WindowHost::Show(main, ShowMode::Modeless);
    WindowHost::ClearLog();
    ASSERT_TRUE(chooseMainMenu(main, QStringLiteral("系统初始化(&I)"), QStringLiteral("部门初始化")));
    auto* list = WindowHost::Default<Formcsh>();
    EXPECT_FALSE(list->IsModal());
    // Chosen again while open: the same window, not reloaded.
    db()->execute(QStringLiteral("insert into 部门表 (部门) values ('外部添加')"));
    ASSERT_TRUE(chooseMainMenu(main, QStringLiteral("系统初始化(&I)"), QStringLiteral("部门初始化")));
    EXPECT_EQ(WindowHost::Default<Formcsh>(), list);
    EXPECT_FALSE(items(list->ui.Text2).contains(QStringLiteral("外部添加")));
    ASSERT_TRUE(chooseMainMenu(main, QStringLiteral("考核情况(&K)"), QStringLiteral("表头定义")));
    EXPECT_TRUE(WindowHost::Default<Formbtdy>()->IsModal());
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("Formcsh"), QStringLiteral("Formcsh"), QStringLiteral("Formbtdy")}));
}
