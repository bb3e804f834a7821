#include "TestProgram.h"
#include "MainWindowInput.h"
#include "UserInput.h"

#include "platform/WindowHost.h"
#include "records/Formlr.h"
#include "shell/Form1.h"
#include "shell/QuickSearch.h"

#include <QToolBar>

using namespace platform;
using namespace halvern;
using halvern::test::chooseView;
using halvern::test::ProgramTest;
using halvern::test::quickSearch;
using halvern::test::toolbarButton;

namespace {

const QStringList kListFields{QStringLiteral("员工编号"), QStringLiteral("姓名"), QStringLiteral("部门"),
                              QStringLiteral("职位")};
const QStringList kLoadFields{QStringLiteral("员工编号"), QStringLiteral("姓名"),     QStringLiteral("部门"),
                              QStringLiteral("职位"),     QStringLiteral("性别"),     QStringLiteral("出生日期"),
                              QStringLiteral("民族"),     QStringLiteral("身高"),     QStringLiteral("体重"),
                              QStringLiteral("录用日期"), QStringLiteral("身份证号"), QStringLiteral("学历"),
                              QStringLiteral("籍贯")};
// Columns of the searched tables as the query builder is given them.
const QStringList kEmployeeColumns = kLoadFields + QStringList{QStringLiteral("合同生效日"), QStringLiteral("图片")};
const QStringList kLeaverColumns = kLoadFields;

// ---------------------------------------------------------------- query building

TEST(QuickSearchQuery, LikeContainsTheTextForEmployeesAndIsTheTypedTextForLeavers) {
    const SearchQuery emp = BuildQuickSearch(QuickSearchKind::Employees, QStringLiteral("基本情况"), kListFields,
                                             kEmployeeColumns, QStringLiteral("姓名"), QStringLiteral("like(包含)"),
                                             QStringLiteral("张_"));
    EXPECT_TRUE(emp.sql().endsWith(QStringLiteral(" from 员工信息 where \"姓名\" like ?"))) << emp.sql().toStdString();
    EXPECT_EQ(emp.params, QVariantList{QStringLiteral("%张_%")});

    const SearchQuery left = BuildQuickSearch(QuickSearchKind::Leavers, QStringLiteral("离职人员"), kLoadFields,
                                              kLeaverColumns, QStringLiteral("姓名"), QStringLiteral("like(包含)"),
                                              QStringLiteral("张%"));
    EXPECT_EQ(left.sql(), QStringLiteral("select \"员工编号\",\"姓名\",\"部门\",\"职位\",\"性别\",\"出生日期\",\"民族\",\"身高\","
                                       "\"体重\",\"录用日期\",\"身份证号\",\"学历\",\"籍贯\" from 员工离职 "
                                       "where \"姓名\" like ?"));
    EXPECT_EQ(left.params, QVariantList{QStringLiteral("张%")});
}

TEST(QuickSearchQuery, BirthDateIsReadAsADateWithItsBlanksTrimmed) {
    const SearchQuery q = BuildQuickSearch(QuickSearchKind::Employees, QStringLiteral("完整资料"), kLoadFields,
                                           kEmployeeColumns, QStringLiteral("出生日期"), QStringLiteral("=(等于)"), QStringLiteral(" 1980-1-2 "));
    EXPECT_TRUE(q.sql().endsWith(QStringLiteral("where \"出生日期\" = ?")));
    EXPECT_EQ(q.params, QVariantList{QStringLiteral("1980-01-02")});
}

TEST(QuickSearchQuery, AssessmentViewsSelectTheirFieldsAndHiringDateOfManagersOrOthers) {
    const SearchQuery m = BuildQuickSearch(QuickSearchKind::Employees, QStringLiteral("经理级考核记录"), kListFields,
                                           kEmployeeColumns, QStringLiteral("员工编号"), QStringLiteral("=(等于)"), QStringLiteral("1 "));
    EXPECT_TRUE(m.sql().startsWith(QStringLiteral("select \"员工编号\",\"姓名\",\"部门\",\"职位\",录用日期 from 员工信息 where ")))
        << m.sql().toStdString();
    EXPECT_TRUE(m.sql().endsWith(QStringLiteral(" and rtrim(职位)='经理'"))) << m.sql().toStdString();
    // Every value is bound, without its trailing blanks.
    EXPECT_FALSE(m.params.isEmpty());
    EXPECT_EQ(m.params.first(), QStringLiteral("1"));
    const SearchQuery s = BuildQuickSearch(QuickSearchKind::Employees, QStringLiteral("员工级考核记录"), kListFields,
                                           kEmployeeColumns, QStringLiteral("员工编号"), QStringLiteral(">=(大于等于)"), QStringLiteral("1"));
    EXPECT_TRUE(s.sql().endsWith(QStringLiteral(" and rtrim(职位)<>'经理'"))) << s.sql().toStdString();
    EXPECT_EQ(s.params, QVariantList{QStringLiteral("1")});
}

TEST(QuickSearchQuery, FieldsTheTableLacksUnknownOperatorsAndNonDatesAreRefusedWithAReason) {
    const auto build = [](const QString& field, const QString& op, const QString& value) {
        return BuildQuickSearch(QuickSearchKind::Employees, QStringLiteral("基本情况"), kLoadFields, kEmployeeColumns, field,
                                op, value);
    };
    // A column of the table that the view does not list is still a column.
    EXPECT_NO_THROW(build(QStringLiteral("图片"), QStringLiteral("=(等于)"), QStringLiteral("x")));
    EXPECT_THROW(build(QStringLiteral("培训方式"), QStringLiteral("=(等于)"), QStringLiteral("x")), SearchError);
    // The leavers' view selects its field list: an item the table lacks is refused too.
    EXPECT_THROW(BuildQuickSearch(QuickSearchKind::Leavers, QStringLiteral("离职人员"),
                                  kLoadFields + QStringList{QStringLiteral("图片")}, kLeaverColumns, QStringLiteral("姓名"),
                                  QStringLiteral("=(等于)"), QStringLiteral("x")),
                 SearchError);
    EXPECT_THROW(build(QStringLiteral("姓名\" or 1=1 --"), QStringLiteral("=(等于)"), QStringLiteral("x")), SearchError);
    EXPECT_THROW(build(QStringLiteral("姓名"), QStringLiteral("= 1 or 1=(等于)"), QStringLiteral("x")), SearchError);
    EXPECT_THROW(build(QStringLiteral("姓名"), QStringLiteral("≈"), QStringLiteral("x")), SearchError);
    try {
        build(QStringLiteral("录用日期"), QStringLiteral("<(小于)"), QStringLiteral("去年"));
        FAIL();
    } catch (const SearchError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("去年")));
        EXPECT_TRUE(e.message().contains(QStringLiteral("日期")));
    }
}

// ---------------------------------------------------------------- the toolbar's searches

class QuickSearchTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        addEmployee(QStringLiteral("1"), QStringLiteral("张三"),
                    {{QStringLiteral("职位"), QStringLiteral("经理")}, {QStringLiteral("出生日期"), QStringLiteral("1980-01-02")},
                     {QStringLiteral("部门"), QStringLiteral("销售部")}});
        addEmployee(QStringLiteral("2"), QStringLiteral("李张"),
                    {{QStringLiteral("职位"), QStringLiteral("职员")}, {QStringLiteral("出生日期"), QStringLiteral("1990-12-31")}});
        addEmployee(QStringLiteral("3"), QStringLiteral("王五"),
                    {{QStringLiteral("职位"), QStringLiteral("职员")}, {QStringLiteral("出生日期"), QStringLiteral("1975-06-01")}});
        f = WindowHost::Default<Form1>();
        // The main window is up, as it is whenever the clerk searches, as wide as a common
        // screen makes it (the toolbar shows every button); the log holds only what opens next.
        WindowHost::Show(f, ShowMode::Modeless);
        processEvents();
        f->resize(1200, 800);
        processEvents();
        WindowHost::ClearLog();
    }
    void view(int position) { chooseView(f, position); }
    // The search row filled in, then the toolbar button of the key clicked.
    void search(const QString& key, const QString& field, const QString& op, const QString& value) {
        if (!field.isEmpty()) {
            const int i = f->ui.Combo1->findText(field);
            ASSERT_GE(i, 0) << field.toStdString();
            f->ui.Combo1->setCurrentIndex(i);
        }
        f->ui.Combo2->setCurrentIndex(f->ui.Combo2->findText(op));
        f->ui.Text1->setText(value);
        toolbarButton(f, key);
    }
    QStringList column(int col) const {
        QStringList out;
        for (int r = 1; r < f->dgrid->Rows(); ++r) out << f->dgrid->TextMatrix(r, col);
        return out;
    }
    Form1* f = nullptr;
};

TEST_F(QuickSearchTest, EmployeeSearchShowsTheFullRecordOfEveryMatchAndCountsThemInPanel5) {
    view(4);
    search(QStringLiteral("cx"), QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张"));
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(f->PanelText(5), QStringLiteral("共有符合条件的记录2条"));
    EXPECT_EQ(f->dgrid->Cols(), 27);
    EXPECT_EQ(f->dgrid->TextMatrix(0, 5), QStringLiteral("出生日期"));
    QStringList names = column(1);
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("张三"), QStringLiteral("李张")}));
    // The view itself stays: its name, its mode and its field list.
    EXPECT_EQ(f->PanelText(3), QStringLiteral("基本情况"));
    EXPECT_EQ(f->ViewMode, 4);
    EXPECT_EQ(f->ui.Combo1->count(), 4);
}

TEST_F(QuickSearchTest, DatesCompareAsDatesWhateverWayTheyAreTyped) {
    view(2);
    search(QStringLiteral("cx"), QStringLiteral("出生日期"), QStringLiteral("=(等于)"), QStringLiteral("1980-1-2"));
    EXPECT_EQ(column(0), QStringList{QStringLiteral("1")});
    search(QStringLiteral("cx"), QStringLiteral("出生日期"), QStringLiteral("<(小于)"), QStringLiteral("1985/01/01"));
    QStringList found = column(0);
    found.sort();
    EXPECT_EQ(found, (QStringList{QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_EQ(f->PanelText(5), QStringLiteral("共有符合条件的记录2条"));
}

TEST_F(QuickSearchTest, ManagerViewFindsOnlyManagersWithTheViewsColumnsAndHiringDate) {
    view(13);
    search(QStringLiteral("cx"), QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张"));
    EXPECT_EQ(column(0), QStringList{QStringLiteral("1")});
    EXPECT_EQ(f->dgrid->Cols(), 5);
    EXPECT_EQ(f->dgrid->TextMatrix(0, 4), QStringLiteral("录用日期"));
    view(14);
    search(QStringLiteral("cx"), QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张"));
    EXPECT_EQ(column(0), QStringList{QStringLiteral("2")});
}

TEST_F(QuickSearchTest, QuotesMatchLiterallyAndLikeValuesKeepTheirWildcards) {
    addEmployee(QStringLiteral("10"), QStringLiteral("O'Neil"));
    addEmployee(QStringLiteral("11"), QStringLiteral("五0%折"));
    addEmployee(QStringLiteral("12"), QStringLiteral("五0折"));
    addEmployee(QStringLiteral("13"), QStringLiteral("五_折"));
    view(4);
    search(QStringLiteral("cx"), QStringLiteral("姓名"), QStringLiteral("=(等于)"), QStringLiteral("O'Neil"));
    EXPECT_EQ(column(0), QStringList{QStringLiteral("10")});
    // "_" is any one character, "%" any run: 五_折 finds 五0折 and 五_折, 五%折 all three.
    search(QStringLiteral("cx"), QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("五_折"));
    QStringList found = column(0);
    found.sort();
    EXPECT_EQ(found, (QStringList{QStringLiteral("12"), QStringLiteral("13")}));
    search(QStringLiteral("cx"), QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("五%折"));
    EXPECT_EQ(f->PanelText(5), QStringLiteral("共有符合条件的记录3条"));
    // Nothing pasted: the table is still whole.
    EXPECT_EQ(count(QStringLiteral("员工信息")), 8);
}

TEST_F(QuickSearchTest, AnIncompleteRowOrNoMatchQueriesNothingAndKeepsTheGrid) {
    view(4);
    const platform::Query source = f->data1->RecordSource;
    const int rows = f->dgrid->Rows();
    const QString panel5 = f->PanelText(5);

    search(QStringLiteral("cx"), QStringLiteral("姓名"), QStringLiteral("like(包含)"), QString());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("请完整填写查询条件"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(messages()[0].title, QStringLiteral("提示"));

    search(QStringLiteral("cx"), QStringLiteral("姓名"), QStringLiteral("=(等于)"), QStringLiteral("赵六"));
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].text, QStringLiteral("查询到0条记录"));
    EXPECT_EQ(messages()[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(messages()[1].title, QStringLiteral("查询结果"));

    EXPECT_EQ(f->data1->RecordSource, source);
    EXPECT_EQ(f->dgrid->Rows(), rows);
    EXPECT_EQ(f->PanelText(5), panel5);
}

TEST_F(QuickSearchTest, ADateFieldHoldingNoDateStopsEveryToolbarButton) {
    WindowHost::Show(f, ShowMode::Modeless);
    WindowHost::ClearLog();
    view(8);  // the leavers' view, where 删除 would ask first
    const platform::Query source = f->data1->RecordSource;
    search(QStringLiteral("cx"), QStringLiteral("录用日期"), QStringLiteral("=(等于)"), QStringLiteral("2020-13-45"));
    ASSERT_EQ(messages().size(), 1u);
    clearMessages();
    // Each button, clicked where it stands on the toolbar, only tells.
    for (QAction* button : f->ui.Toolbar1Buttons) {
        QWidget* tool = f->ui.Toolbar1->widgetForAction(button);
        ASSERT_TRUE(tool) << button->data().toString().toStdString();
        halvern::test::click(tool);
        ASSERT_EQ(messages().size(), 1u) << button->data().toString().toStdString();
        EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
        EXPECT_EQ(messages()[0].title, QStringLiteral("提示"));
        EXPECT_TRUE(messages()[0].text.contains(QStringLiteral("2020-13-45")));
        clearMessages();
    }
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(f->data1->RecordSource, source);

    // A like search takes the text as a pattern, and nothing typed yet is no wrong date.
    search(QStringLiteral("lr"), QStringLiteral("录用日期"), QStringLiteral("like(包含)"), QStringLiteral("2020-13"));
    search(QStringLiteral("sx"), QStringLiteral("出生日期"), QStringLiteral("<(小于)"), QString());
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Formlr")});
}

TEST_F(QuickSearchTest, LeaverSearchTakesTheLikeValueAsTypedWithItsWildcards) {
    for (const QString& name : {QStringLiteral("张"), QStringLiteral("张离"), QStringLiteral("小张")})
        db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名) values (?, ?)"),
                      {QStringLiteral("L-") + name, name});
    view(8);
    search(QStringLiteral("hcx"), QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张"));
    EXPECT_EQ(column(1), QStringList{QStringLiteral("张")});
    EXPECT_EQ(f->dgrid->Cols(), 13);
    EXPECT_EQ(f->PanelText(5), QStringLiteral("共有符合条件的记录1条"));
    search(QStringLiteral("hcx"), QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张%"));
    QStringList found = column(1);
    found.sort();
    EXPECT_EQ(found, (QStringList{QStringLiteral("张"), QStringLiteral("张离")}));
    search(QStringLiteral("hcx"), QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("_张"));
    EXPECT_EQ(column(1), QStringList{QStringLiteral("小张")});
}

TEST_F(QuickSearchTest, TrainingAndHistorySearchesShowEveryColumnOfTheirTable) {
    db()->execute(QStringLiteral("insert into 培训 (员工编号, 姓名, 培训时间, 培训项目) values "
                                 "('1', '张三', '2020-03-04', '安全'), ('2', '李张', '2021-05-06', '礼仪')"));
    db()->execute(QStringLiteral("insert into 覆历 (员工编号, 教育背景) values ('1', '大学'), ('2', '中学')"));
    view(10);
    search(QStringLiteral("hhcx"), QStringLiteral("培训时间"), QStringLiteral("=(等于)"), QStringLiteral("2020-03-04"));
    EXPECT_EQ(column(0), QStringList{QStringLiteral("1")});
    EXPECT_EQ(f->dgrid->Cols(), 12);
    search(QStringLiteral("hhcx"), QStringLiteral("姓名"), QStringLiteral("like(包含)"), QStringLiteral("张"));
    EXPECT_EQ(f->PanelText(5), QStringLiteral("共有符合条件的记录2条"));
    view(9);
    search(QStringLiteral("hhhcx"), QStringLiteral("员工编号"), QStringLiteral("=(等于)"), QStringLiteral("2"));
    EXPECT_EQ(f->dgrid->Cols(), 5);
    EXPECT_EQ(column(1), QStringList{QStringLiteral("中学")});
}

TEST_F(QuickSearchTest, TrainingTimeIsFreeTextAndComparesAsTyped) {
    db()->execute(QStringLiteral("insert into 培训 (员工编号, 姓名, 培训时间) values "
                                 "('1', '张三', 'abc '), ('2', '李张', '2020-03-04 '), ('3', '王五', '2020年春 ')"));
    view(10);
    search(QStringLiteral("hhcx"), QStringLiteral("培训时间"), QStringLiteral("like(包含)"), QStringLiteral("abc"));
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(column(0), QStringList{QStringLiteral("1")});
    search(QStringLiteral("hhcx"), QStringLiteral("培训时间"), QStringLiteral("=(等于)"), QStringLiteral("2020年春 "));
    EXPECT_EQ(column(0), QStringList{QStringLiteral("3")});
    // Typed another way, a date is another text.
    search(QStringLiteral("hhcx"), QStringLiteral("培训时间"), QStringLiteral("=(等于)"), QStringLiteral("2020-3-4"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("查询到0条记录"));
}

TEST_F(QuickSearchTest, AFieldTheSearchedTableLacksIsAnErrorForEachSearchKey) {
    db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名) values ('L1', '张离')"));
    db()->execute(QStringLiteral("insert into 培训 (员工编号, 姓名, 培训方式) values ('1', '张三', '面授 ')"));
    db()->execute(QStringLiteral("insert into 覆历 (员工编号, 教育背景) values ('1', '大学')"));
    struct Case {
        int view;
        const char* key;
        const char* field;  // listed by the view, lacked by the key's table
    };
    const Case cases[] = {{10, "cx", "培训方式"}, {10, "hcx", "培训方式"}, {4, "hhcx", "职位"}, {4, "hhhcx", "姓名"}};
    for (const Case& c : cases) {
        for (const QString& op : {QStringLiteral("=(等于)"), QStringLiteral("like(包含)")}) {
            const std::string what = std::string(c.key) + " " + op.toStdString();
            view(c.view);
            const platform::Query source = f->data1->RecordSource;
            const QString panel5 = f->PanelText(5);
            const int rows = f->dgrid->Rows();
            clearMessages();
            search(QString::fromLatin1(c.key), QString::fromUtf8(c.field), op, QStringLiteral("培"));
            ASSERT_EQ(messages().size(), 1u) << what;
            EXPECT_EQ(messages()[0].icon, MsgIcon::Critical) << what;
            EXPECT_EQ(messages()[0].title, QStringLiteral("提示")) << what;
            EXPECT_TRUE(messages()[0].text.contains(QString::fromUtf8(c.field))) << what;
            EXPECT_EQ(f->data1->RecordSource, source) << what;
            EXPECT_EQ(f->dgrid->Rows(), rows) << what;
            EXPECT_EQ(f->PanelText(5), panel5) << what;
        }
    }
}

// ---------------------------------------------------------------- texts stored with a blank after them

// The entry window stores the department and the title with one blank after
// them; a transfer writes the department without. The clerk runs each search
// from the search row.
class StoredBlanksTest : public QuickSearchTest {
protected:
    // An employee saved through the entry window.
    void enter(const QString& no, const QString& name, const QString& department, const QString& title) {
        auto* e = WindowHost::Default<Formlr>();
        WindowHost::Show(e, ShowMode::Modal);
        e->ui.Text1->setText(no);
        e->ui.Text2->setText(name);
        e->ui.text3->setEditText(department);
        e->ui.Text4->setText(title);
        halvern::test::activate(e);
        halvern::test::click(e->ui.Command1);
        EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
        e->Unload();
        processEvents();
        WindowHost::ClearLog();
    }
    QStringList found(int col = 0) const {
        QStringList out = column(col);
        out.sort();
        return out;
    }
};

TEST_F(StoredBlanksTest, ADepartmentIsFoundWhetherTheEntryWindowOrATransferWroteIt) {
    enter(QStringLiteral("21"), QStringLiteral("赵工"), QStringLiteral("技术部"), QStringLiteral("职员"));
    ASSERT_EQ(count(QStringLiteral("员工信息"), QStringLiteral("部门='技术部 '")), 1);
    addEmployee(QStringLiteral("22"), QStringLiteral("钱工"), {{QStringLiteral("部门"), QStringLiteral("技术部")}});
    view(4);
    quickSearch(f, QStringLiteral("cx"), QStringLiteral("部门"), QStringLiteral("=(等于)"), QStringLiteral("技术部"));
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(found(), (QStringList{QStringLiteral("21"), QStringLiteral("22")}));
    EXPECT_EQ(f->PanelText(5), QStringLiteral("共有符合条件的记录2条"));
    // A blank typed after the value makes no difference either.
    quickSearch(f, QStringLiteral("cx"), QStringLiteral("部门"), QStringLiteral("=(等于)"), QStringLiteral("技术部 "));
    EXPECT_EQ(found(), (QStringList{QStringLiteral("21"), QStringLiteral("22")}));
    // Nor to "not equal": both are left out, the other department stays (no department is no answer).
    quickSearch(f, QStringLiteral("cx"), QStringLiteral("部门"), QStringLiteral("<>(不等于)"), QStringLiteral("技术部"));
    EXPECT_EQ(found(), QStringList{QStringLiteral("1")});
    EXPECT_EQ(count(QStringLiteral("员工信息"), QStringLiteral("部门='技术部 '")), 1);  // nothing rewritten
}

TEST_F(StoredBlanksTest, TheManagersListFindsAManagerEnteredThroughTheProgramAndTheStaffListLeavesHimOut) {
    enter(QStringLiteral("21"), QStringLiteral("赵工"), QStringLiteral("技术部"), QStringLiteral("经理"));
    enter(QStringLiteral("23"), QStringLiteral("孙工"), QStringLiteral("技术部"), QStringLiteral("职员"));
    view(13);
    quickSearch(f, QStringLiteral("cx"), QStringLiteral("员工编号"), QStringLiteral("=(等于)"), QStringLiteral("21"));
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(found(), QStringList{QStringLiteral("21")});
    quickSearch(f, QStringLiteral("cx"), QStringLiteral("部门"), QStringLiteral("=(等于)"), QStringLiteral("技术部"));
    EXPECT_EQ(found(), QStringList{QStringLiteral("21")});
    view(14);
    quickSearch(f, QStringLiteral("cx"), QStringLiteral("部门"), QStringLiteral("=(等于)"), QStringLiteral("技术部"));
    EXPECT_EQ(found(), QStringList{QStringLiteral("23")});
}

TEST_F(StoredBlanksTest, LeaverTrainingAndHistorySearchesFindTextsStoredWithABlank) {
    // A resignation copies the row as stored; the register stores the number as typed.
    db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名, 部门) values ('L1', '周离', '技术部 '), ('L2', '吴离', '人事部 ')"));
    db()->execute(QStringLiteral("insert into 培训 (员工编号, 姓名, 培训项目) values "
                                 "('1 ', '张三 ', '安全培训 '), ('2', '李张 ', '消防 ')"));
    db()->execute(QStringLiteral("insert into 覆历 (员工编号, 教育背景) values ('1', '大学 '), ('2', '中学 ')"));
    view(8);
    quickSearch(f, QStringLiteral("hcx"), QStringLiteral("部门"), QStringLiteral("=(等于)"), QStringLiteral("技术部"));
    EXPECT_EQ(found(), QStringList{QStringLiteral("L1")});
    view(10);
    quickSearch(f, QStringLiteral("hhcx"), QStringLiteral("培训项目"), QStringLiteral("=(等于)"), QStringLiteral("安全培训"));
    EXPECT_EQ(found(4), QStringList{QStringLiteral("安全培训 ")});
    quickSearch(f, QStringLiteral("hhcx"), QStringLiteral("员工编号"), QStringLiteral("=(等于)"), QStringLiteral("1"));
    EXPECT_EQ(found(4), QStringList{QStringLiteral("安全培训 ")});
    view(9);
    quickSearch(f, QStringLiteral("hhhcx"), QStringLiteral("员工编号"), QStringLiteral("=(等于)"), QStringLiteral("2 "));
    EXPECT_EQ(found(1), QStringList{QStringLiteral("中学 ")});
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
}

TEST_F(StoredBlanksTest, EveryComparisonIgnoresTrailingBlanksOnBothSidesAndLetterCaseStaysIgnored) {
    addEmployee(QStringLiteral("31"), QStringLiteral("Ann "), {{QStringLiteral("身高"), QStringLiteral("165")}});
    addEmployee(QStringLiteral("32"), QStringLiteral("Bob "), {{QStringLiteral("身高"), QStringLiteral("170 ")}});
    addEmployee(QStringLiteral("33"), QStringLiteral("Cid "), {{QStringLiteral("身高"), QStringLiteral("180  ")}});
    view(2);
    const struct {
        const char* op;
        QStringList found;
    } cases[] = {
        {"=(等于)", {QStringLiteral("32")}},
        {"<>(不等于)", {QStringLiteral("31"), QStringLiteral("33")}},
        {"<(小于)", {QStringLiteral("31")}},
        {">(大于)", {QStringLiteral("33")}},
        {"<=(小于等于)", {QStringLiteral("31"), QStringLiteral("32")}},
        {">=(大于等于)", {QStringLiteral("32"), QStringLiteral("33")}},
    };
    for (const auto& c : cases) {
        search(QStringLiteral("cx"), QStringLiteral("身高"), QString::fromUtf8(c.op), QStringLiteral("170 "));
        EXPECT_EQ(found(), c.found) << c.op;
    }
    search(QStringLiteral("cx"), QStringLiteral("姓名"), QStringLiteral("=(等于)"), QStringLiteral("bob"));
    EXPECT_EQ(found(), QStringList{QStringLiteral("32")});
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
}

TEST_F(StoredBlanksTest, EqualOnTheEmployeeNumberStaysAnIndexLookUpInEveryTable) {
    const auto plan = [this](const SearchQuery& q) {
        Statement st(*db(), QStringLiteral("explain query plan ") + q.sql(), q.params);
        QString detail;
        while (st.next()) detail += st.value(3).toString() + QLatin1Char('\n');
        return detail;
    };
    const QString number = QStringLiteral("员工编号");
    const QString equal = QStringLiteral("=(等于)");
    const struct {
        QuickSearchKind kind;
        const char* view;
        const char* index;
    } cases[] = {
        {QuickSearchKind::Employees, "基本情况", "员工信息_员工编号"},
        {QuickSearchKind::Employees, "经理级考核记录", "员工信息_员工编号"},
        {QuickSearchKind::Leavers, "离职人员", "员工离职_员工编号"},
        {QuickSearchKind::Training, "人事培训", "培训_员工编号"},
        {QuickSearchKind::History, "员工履历", "覆历_员工编号"},
    };
    for (const auto& c : cases) {
        const QString table = QuickSearchTable(c.kind);
        const SearchQuery q = BuildQuickSearch(c.kind, QString::fromUtf8(c.view), kListFields.mid(0, 1),
                                               TableColumns(*db(), table), number, equal, QStringLiteral("1"));
        const QString detail = plan(q);
        EXPECT_TRUE(detail.contains(QStringLiteral("USING INDEX ") + QString::fromUtf8(c.index)) ||
                    detail.contains(QStringLiteral("USING COVERING INDEX ") + QString::fromUtf8(c.index)))
            << c.view << ": " << detail.toStdString();
    }
    const SearchQuery combined =
        BuildCombinedSearch({{number, equal, QStringLiteral("1"), {}}}, TableColumns(*db(), QStringLiteral("员工信息")));
    EXPECT_TRUE(plan(combined).contains(QStringLiteral("INDEX 员工信息_员工编号"))) << plan(combined).toStdString();
}

// ---------------------------------------------------------------- the toolbar's windows

TEST_F(QuickSearchTest, EntryButtonOpensTheTrainingRegisterInTheTrainingViewElseTheEntryWindow) {
    view(10);
    toolbarButton(f, QStringLiteral("lr"));
    view(4);
    toolbarButton(f, QStringLiteral("lr"));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("frmdadj"), QStringLiteral("Formlr")}));
}

TEST_F(QuickSearchTest, LeaverDeletionAsksFirstAndOnlyInTheLeaversView) {
    view(4);
    toolbarButton(f, QStringLiteral("de"));
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(shown().isEmpty());

    view(8);
    answer(MsgAnswer::Cancel);
    toolbarButton(f, QStringLiteral("de"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("此操作将真正删除数据库中离职人员全部数据，请慎重操作"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Information);
    EXPECT_EQ(messages()[0].buttons, MsgButtons::OKCancel);
    EXPECT_TRUE(shown().isEmpty());

    toolbarButton(f, QStringLiteral("de"));
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Formdel")});
}

TEST_F(QuickSearchTest, ModifyOpensOnlyInEmployeeViewsAndTransferInAnyView) {
    view(10);
    toolbarButton(f, QStringLiteral("sx"));
    EXPECT_TRUE(shown().isEmpty());
    view(5);
    toolbarButton(f, QStringLiteral("sx"));
    view(9);
    toolbarButton(f, QStringLiteral("ygdd"));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("Formmod"), QStringLiteral("formygdd")}));
}

}  // namespace
