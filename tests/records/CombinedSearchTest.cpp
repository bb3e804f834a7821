#include "TestProgram.h"
#include "UserInput.h"

#include "platform/WindowHost.h"
#include "records/AddSearch.h"
#include "shell/Form1.h"
#include "common/Searches.h"


using namespace platform;
using namespace halvern;
using halvern::test::ProgramTest;
using halvern::test::clickControl;
using halvern::test::clickItem;
using halvern::test::clickItemWith;

namespace {

class CombinedSearchTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        const auto add = [this](const char* no, const char* name, const char* sex, const char* dept) {
            addEmployee(QString::fromUtf8(no), QString::fromUtf8(name),
                        {{QStringLiteral("性别"), QString::fromUtf8(sex)}, {QStringLiteral("部门"), QString::fromUtf8(dept)}});
        };
        add("1", "张三", "男", "销售部");
        add("2", "张丽", "女", "销售部");
        add("3", "李四", "男", "人事部");
        add("4", "王五", "女", "人事部");
        add("5", "O'Brien", "男", "技术部");
        main = WindowHost::Default<Form1>();
        main->Load();
        w = WindowHost::Default<AddSearch>();
        WindowHost::Show(w, ShowMode::Modal);
    }
    // Fills the row and presses 添加.
    void add(const QString& field, const QString& op, const QString& value, const QString& relation = {}) {
        w->ui.Combo1->setCurrentIndex(w->ui.Combo1->findText(field));
        w->ui.Combo2->setCurrentIndex(w->ui.Combo2->findText(op));
        w->ui.Text1->setText(value);
        w->ui.Combo3->setCurrentIndex(w->ui.Combo3->findText(relation));
        clickControl(w->ui.Command1);
    }
    QStringList found() const {
        QStringList out;
        for (int r = 1; r < main->dgrid->Rows(); ++r) out << main->dgrid->TextMatrix(r, 0);
        out.sort();
        return out;
    }
    int rows() const { return w->ui.list1->count(); }
    // Types text into a control as the keyboard does: each character to the focused widget.
    void typeInto(QWidget* control, const QString& text) {
        halvern::test::activate(w);
        control->setFocus();
        ASSERT_TRUE(halvern::test::focused());
        ASSERT_EQ(halvern::test::focused()->window(), w);
        halvern::test::type(text);
    }

    Form1* main = nullptr;
    AddSearch* w = nullptr;
};

TEST_F(CombinedSearchTest, OpensEmptyWithItsListsFilled) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("综合查询"));
    EXPECT_EQ(w->ui.Combo1->count(), 11);
    EXPECT_EQ(w->ui.Combo1->itemText(10), QStringLiteral("籍贯"));
    EXPECT_EQ(w->ui.Combo2->count(), 7);
    EXPECT_EQ(w->ui.Combo3->count(), 3);
    EXPECT_EQ(rows(), 0);
}

TEST_F(CombinedSearchTest, ConditionsJoinedByAndFillTheMainGridAndStayForRefining) {
    add(QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张"), QStringLiteral("无"));
    add(QStringLiteral("性别"), QStringLiteral("=(等于)"), QStringLiteral("男"), QStringLiteral("并且"));
    ASSERT_EQ(rows(), 2) << lastMessage().toStdString();
    EXPECT_EQ(w->ui.list1->item(0)->text(), QStringLiteral("姓名        like(包含)        张无"));
    EXPECT_EQ(w->ui.list1->item(1)->text(), QStringLiteral("性别        =(等于)        男并且"));
    EXPECT_EQ(w->CondValues[1], QStringLiteral("'男'"));

    clickControl(w->ui.Command3);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(found(), QStringList{QStringLiteral("1")});
    EXPECT_EQ(main->PanelText(5), QStringLiteral("共有符合条件的记录1条"));
    EXPECT_TRUE(main->ui.Frame3->isHidden());
    EXPECT_EQ(main->dgrid->Cols(), 30);
    EXPECT_TRUE(w->isVisible());

    // Or binds looser than and, as the conditions read: 张 and 男, or 人事部.
    add(QStringLiteral("部门"), QStringLiteral("=(等于)"), QStringLiteral("人事部"), QStringLiteral("或者"));
    clickControl(w->ui.Command3);
    EXPECT_EQ(found(), (QStringList{QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("4")}));
    EXPECT_EQ(main->PanelText(5), QStringLiteral("共有符合条件的记录3条"));
}

TEST_F(CombinedSearchTest, TheFirstRowsRelationIsIgnoredQuotesMatchLiterallyAndLikeKeepsItsWildcards) {
    add(QStringLiteral("姓名"), QStringLiteral("=(等于)"), QStringLiteral("O'Brien"), QStringLiteral("或者"));
    clickControl(w->ui.Command3);
    EXPECT_EQ(found(), QStringList{QStringLiteral("5")});
    clickControl(w->ui.Command2);
    add(QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("_四"), QStringLiteral("并且"));
    clickControl(w->ui.Command3);
    EXPECT_EQ(found(), QStringList{QStringLiteral("3")});
    clickControl(w->ui.Command2);
    add(QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张%丽"));
    clickControl(w->ui.Command3);
    EXPECT_EQ(found(), QStringList{QStringLiteral("2")});
    clickControl(w->ui.Command2);
    add(QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张_丽"));
    clickControl(w->ui.Command3);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("查询到0条记录"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages()[0].title, QStringLiteral("查询结果"));
    EXPECT_EQ(count(QStringLiteral("员工信息")), 6);
}

TEST_F(CombinedSearchTest, TextsStoredWithABlankAfterThemAreFoundByTheirComparisons) {
    // As the entry window stores a department: one blank after it.
    addEmployee(QStringLiteral("6"), QStringLiteral("赵工"),
                {{QStringLiteral("性别"), QStringLiteral("男")}, {QStringLiteral("部门"), QStringLiteral("技术部 ")}});
    namespace input = halvern::test;
    const auto condition = [this](const QString& field, const QString& op, const QString& value, const QString& relation) {
        input::activate(w);
        ASSERT_TRUE(input::chooseItem(w->ui.Combo1, field));
        ASSERT_TRUE(input::chooseItem(w->ui.Combo2, op));
        input::click(w->ui.Text1);
        input::press(Qt::Key_A, Qt::ControlModifier);
        input::type(value);
        if (!relation.isEmpty()) {
            ASSERT_TRUE(input::chooseItem(w->ui.Combo3, relation));
        }
        input::click(w->ui.Command1);
    };
    condition(QStringLiteral("部门"), QStringLiteral("=(等于)"), QStringLiteral("技术部"), {});
    input::click(w->ui.Command3);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(found(), (QStringList{QStringLiteral("5"), QStringLiteral("6")}));

    input::click(w->ui.Command2);
    ASSERT_EQ(rows(), 0);
    condition(QStringLiteral("部门"), QStringLiteral("<>(不等于)"), QStringLiteral("技术部"), {});
    condition(QStringLiteral("性别"), QStringLiteral("=(等于)"), QStringLiteral("男"), QStringLiteral("并且"));
    input::click(w->ui.Command3);
    EXPECT_EQ(found(), (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
}

TEST_F(CombinedSearchTest, TheSameConditionRightAfterItselfIsAddedOnce) {
    add(QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张"));
    add(QStringLiteral("性别"), QStringLiteral("=(等于)"), QStringLiteral("男"), QStringLiteral("并且"));
    add(QStringLiteral("性别"), QStringLiteral("=(等于)"), QStringLiteral(" 男 "), QStringLiteral("并且"));
    EXPECT_EQ(rows(), 2);
    add(QStringLiteral("部门"), QStringLiteral("=(等于)"), QStringLiteral("销售部"), QStringLiteral("或者"));
    add(QStringLiteral("性别"), QStringLiteral("=(等于)"), QStringLiteral("男"), QStringLiteral("并且"));
    EXPECT_EQ(rows(), 4);
    EXPECT_TRUE(messages().empty());
}

TEST_F(CombinedSearchTest, IncompleteRowsMissingRelationsAndA22ndConditionAreRefused) {
    add(QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("  "));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("请输入查询条件!"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(rows(), 0);

    add(QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张"));  // first row: no relation needed
    ASSERT_EQ(rows(), 1);
    clearMessages();
    add(QStringLiteral("性别"), QStringLiteral("=(等于)"), QStringLiteral("男"), QStringLiteral("无"));
    add(QStringLiteral("性别"), QStringLiteral("=(等于)"), QStringLiteral("男"));
    EXPECT_EQ(rows(), 1);
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(messages()[0].title, QStringLiteral("提示"));

    for (int i = 2; i <= 21; ++i)
        add(QStringLiteral("员工编号"), QStringLiteral("<>(不等于)"), QString::number(100 + i), QStringLiteral("并且"));
    ASSERT_EQ(rows(), 21);
    clearMessages();
    add(QStringLiteral("员工编号"), QStringLiteral("<>(不等于)"), QStringLiteral("999"), QStringLiteral("并且"));
    EXPECT_EQ(rows(), 21);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("21")));

    // All 21 still search together.
    clearMessages();
    clickControl(w->ui.Command3);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(found(), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
}

TEST_F(CombinedSearchTest, DeleteRemovesTheSelectedRowOrElseTheLastWithItsStoredCondition) {
    add(QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张"));
    add(QStringLiteral("性别"), QStringLiteral("=(等于)"), QStringLiteral("女"), QStringLiteral("并且"));
    add(QStringLiteral("部门"), QStringLiteral("=(等于)"), QStringLiteral("销售部"), QStringLiteral("并且"));
    clickItem(w->ui.list1, w->ui.list1->model()->index(1, 0));
    ASSERT_TRUE(w->ui.list1->item(1)->isSelected());
    clickControl(w->ui.Command2);
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(w->CondFields[1], QStringLiteral("部门"));
    EXPECT_EQ(w->CondValues[1], QStringLiteral("'销售部'"));
    EXPECT_TRUE(w->CondFields[2].isEmpty());
    clickControl(w->ui.Command3);
    EXPECT_EQ(found(), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));

    // Ctrl+click takes the highlight off the row that has it now: nothing is chosen.
    const QList<QListWidgetItem*> chosen = w->ui.list1->selectedItems();
    if (!chosen.isEmpty())
        clickItemWith(w->ui.list1, w->ui.list1->indexFromItem(chosen.first()), Qt::ControlModifier);
    ASSERT_TRUE(w->ui.list1->selectedItems().isEmpty());
    clickControl(w->ui.Command2);
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(w->CondFields[0], QStringLiteral("姓名"));
    clickControl(w->ui.Command2);
    clickControl(w->ui.Command2);  // nothing left: nothing happens
    EXPECT_EQ(rows(), 0);
}

TEST_F(CombinedSearchTest, SearchingAnEmptyListOrFindingNothingLeavesTheMainWindowAlone) {
    const platform::Query source = main->data1->RecordSource;
    const QString panel5 = main->PanelText(5);
    clickControl(w->ui.Command3);
    EXPECT_TRUE(messages().empty());
    add(QStringLiteral("籍贯"), QStringLiteral("=(等于)"), QStringLiteral("火星"));
    clickControl(w->ui.Command3);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("查询到0条记录"));
    EXPECT_EQ(main->data1->RecordSource, source);
    EXPECT_EQ(main->PanelText(5), panel5);
    EXPECT_FALSE(main->ui.Frame3->isHidden());
}

TEST_F(CombinedSearchTest, CancelClosesTheWindowAndTheNextOpeningStartsEmpty) {
    add(QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张"));
    clickControl(w->ui.Command4);
    EXPECT_FALSE(WindowHost::Exists<AddSearch>());
    processEvents();
    w = WindowHost::Default<AddSearch>();
    WindowHost::Show(w, ShowMode::Modal);
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(w->CondFields[0].isEmpty());
}

TEST_F(CombinedSearchTest, TypedFieldsAndOperatorsSearchAndTheirDatesAreConverted) {
    db()->execute(QStringLiteral("update 员工信息 set 出生日期='1980-01-02' where 员工编号 in ('1','3')"));
    db()->execute(QStringLiteral("update 员工信息 set 出生日期='1990-06-30' where 员工编号 in ('2','4')"));
    typeInto(w->ui.Combo1, QStringLiteral("出生日期"));
    typeInto(w->ui.Combo2, QStringLiteral(">="));
    typeInto(w->ui.Text1, QStringLiteral("1985/1/1"));
    EXPECT_EQ(w->ui.Combo1->currentText(), QStringLiteral("出生日期"));
    EXPECT_EQ(w->ui.Combo2->currentText(), QStringLiteral(">="));
    clickControl(w->ui.Command1);
    ASSERT_EQ(rows(), 1) << lastMessage().toStdString();
    EXPECT_EQ(w->ui.list1->item(0)->text(), QStringLiteral("出生日期        >=        1985/1/1"));
    clickControl(w->ui.Command3);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(found(), (QStringList{QStringLiteral("2"), QStringLiteral("4")}));

    // A typed like without "(" works as the item does.
    clickControl(w->ui.Command2);
    w->ui.Combo1->setEditText(QString());
    w->ui.Combo2->setEditText(QString());
    w->ui.Text1->clear();
    typeInto(w->ui.Combo1, QStringLiteral("姓名"));
    typeInto(w->ui.Combo2, QStringLiteral("like"));
    typeInto(w->ui.Text1, QStringLiteral("张"));
    clickControl(w->ui.Command1);
    clickControl(w->ui.Command3);
    EXPECT_EQ(found(), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
}

TEST_F(CombinedSearchTest, TypedFieldsOutsideTheTableAndDatesThatAreNoDatesQueryNothing) {
    const platform::Query source = main->data1->RecordSource;
    w->ui.Combo1->setEditText(QStringLiteral("培训方式"));
    w->ui.Combo2->setCurrentIndex(0);
    w->ui.Text1->setText(QStringLiteral("面授"));
    clickControl(w->ui.Command1);
    EXPECT_EQ(rows(), 0);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("培训方式")));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);

    // An operator that is none of the seven is refused when added.
    clearMessages();
    w->ui.Combo1->setEditText(QStringLiteral("姓名"));
    w->ui.Combo2->setEditText(QStringLiteral("≈"));
    clickControl(w->ui.Command1);
    EXPECT_EQ(rows(), 0);
    ASSERT_EQ(messages().size(), 1u);

    clearMessages();
    w->ui.Combo1->setEditText(QStringLiteral("录用日期"));
    w->ui.Combo2->setEditText(QStringLiteral("<"));
    w->ui.Text1->setText(QStringLiteral("去年"));
    clickControl(w->ui.Command1);
    ASSERT_EQ(rows(), 1);
    clickControl(w->ui.Command3);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("去年")));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(messages()[0].title, QStringLiteral("提示"));
    EXPECT_EQ(main->data1->RecordSource, source);
    EXPECT_FALSE(main->ui.Frame3->isHidden());
}

TEST(CombinedSearchQuery, DateFieldsTakeDatesAndRelationsMustBeAndOrOr) {
    const QStringList fields{QStringLiteral("姓名"), QStringLiteral("出生日期")};
    const SearchQuery q = BuildCombinedSearch(
        {{QStringLiteral("出生日期"), QStringLiteral(">=(大于等于)"), QStringLiteral("1980-1-2"), QStringLiteral("无")},
         {QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张"), QStringLiteral("或者")}},
        fields);
    EXPECT_EQ(q.sql(), QStringLiteral("select * from 员工信息 where \"出生日期\" >= ? or \"姓名\" like ?"));
    EXPECT_EQ(q.params, (QVariantList{QStringLiteral("1980-01-02"), QStringLiteral("%张%")}));
    EXPECT_THROW(BuildCombinedSearch({{QStringLiteral("出生日期"), QStringLiteral("=(等于)"), QStringLiteral("1980"), {}}}, fields),
                 SearchError);
    EXPECT_THROW(BuildCombinedSearch({{QStringLiteral("姓名"), QStringLiteral("=(等于)"), QStringLiteral("a"), {}},
                                      {QStringLiteral("姓名"), QStringLiteral("=(等于)"), QStringLiteral("b"), QStringLiteral("无")}},
                                     fields),
                 SearchError);
    EXPECT_THROW(BuildCombinedSearch({{QStringLiteral("图片"), QStringLiteral("=(等于)"), QStringLiteral("a"), {}}}, fields),
                 SearchError);
}

}  // namespace
