#include "TestProgram.h"
#include "MainWindowInput.h"
#include "UserInput.h"

#include "platform/WindowHost.h"
#include "shell/Form1.h"
#include "common/ModuleState.h"

#include <QTreeWidgetItem>

using namespace platform;
using namespace halvern;
using halvern::test::ProgramTest;
namespace input = halvern::test;
using halvern::test::chooseView;
using halvern::test::menuCommand;

namespace {

QStringList headers(FlexGrid* g) {
    QStringList out;
    for (int c = 0; c < g->Cols(); ++c) out << g->TextMatrix(0, c);
    return out;
}

QStringList column(FlexGrid* g, int col) {
    QStringList out;
    for (int r = 1; r < g->Rows(); ++r) out << g->TextMatrix(r, col);
    return out;
}

QStringList comboItems(QComboBox* c) {
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
}

}  // namespace

class MainWindowViews : public ProgramTest {
protected:
    Form1* w = nullptr;
    void SetUp() override {
        ProgramTest::SetUp();
        addEmployee("A1", "甲", {{"部门", "财务部"}, {"职位", "会计"}, {"录用日期", "2003-04-05"}});
        addEmployee("B2", "乙", {{"部门", "销售部"}, {"职位", "销售经理"}, {"录用日期", "2004-05-06"}});
        addEmployee("C3", "丙", {{"部门", "技术部"}, {"职位", "工程师"}, {"出生日期", "1979-02-03"}});
        w = WindowHost::Default<Form1>();
        WindowHost::Show(w, ShowMode::Modeless);
        processEvents();
        input::activate(w);
    }
    // A click on the node at that position of the tree (its group opened first, as a user must).
    void click(int position) { chooseView(w, position); }
};

TEST_F(MainWindowViews, EmployeeViewsShowTheirColumnsByDepartmentDescending) {
    const QStringList list{"员工编号", "姓名", "部门", "职位"};
    struct Case {
        int position;
        QStringList headers;
        QString format;
        QStringList combo;
    } cases[] = {
        {2,
         {"员工编号", "姓名", "部门", "职位", "性别", "出生日期", "民族", "学历", "身高", "体重", "上岗证", "暂住证",
          "婚育证", "录用日期", "身份证号", "合同编号", "合同生效日", "合同到期日", "政治面貌", "籍贯", "特长",
          "外语情况", "婚否", "住址", "联系电话", "毕业院校", "专业"},
         "xx",
         {"员工编号", "姓名", "部门", "职位", "性别", "出生日期", "民族", "身高", "体重", "录用日期", "身份证号", "学历", "籍贯"}},
        {4, {"员工编号", "姓名", "部门", "职位", "录用日期"},
         "^     员工编号|^      姓名|^       部门|^       职位|^     录用日期", list},
        {5, {"员工编号", "姓名", "录用日期", "合同编号", "合同生效日", "部门"},
         "^    员工编号|^      姓名|^     录用日期|^     合同编号|^      合同生效日",
         {"员工编号", "姓名", "录用日期", "合同编号", "合同生效日"}},
        {6, {"员工编号", "姓名", "上岗证", "暂住证", "婚育证", "部门"},
         "^    员工编号|^       姓名|^      上岗证|^      暂住证|^      婚育证",
         {"员工编号", "姓名", "上岗证", "暂住证", "婚育证"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        click(c.position);
        EXPECT_EQ(headers(w->dgrid), c.headers);
        EXPECT_EQ(w->GridFormat, c.format);
        EXPECT_EQ(comboItems(w->ui.Combo1), c.combo);
        EXPECT_TRUE(w->ui.Combo1->currentText().isEmpty());
        EXPECT_EQ(w->PanelText(3), w->Node(c.position)->text(0));
        EXPECT_EQ(w->PanelText(5), QStringLiteral("共有记录4条"));
        EXPECT_EQ(w->ViewMode, c.position);
        EXPECT_EQ(column(w->dgrid, 0), (QStringList{"B2", "A1", "C3", "."}));  // 销售部, 财务部, 技术部, none
        for (int col = 0; col < w->dgrid->Cols(); ++col) EXPECT_EQ(w->dgrid->CellAlignment(0, col), FlexGrid::CenterCenter);
    }
    click(2);
    const int born = headers(w->dgrid).indexOf("出生日期");
    EXPECT_EQ(w->dgrid->TextMatrix(column(w->dgrid, 0).indexOf("C3") + 1, born), QStringLiteral("1979-02-03"));
}

TEST_F(MainWindowViews, LeaverHistoryAndTrainingViewsReadTheirTables) {
    db()->execute("insert into 员工离职 (员工编号,姓名,部门) values ('L1','离一','财务部'),('L2','离二','销售部')");
    db()->execute("insert into 覆历 (员工编号,教育背景) values ('A1','大学'),('B2','中学')");
    db()->execute("insert into 培训 (员工编号,姓名,培训时间,培训项目) values ('A1','甲','2010-01-02','安全'),('Z9','子','2011-02-03','消防')");

    click(8);
    EXPECT_EQ(headers(w->dgrid), (QStringList{"员工编号", "姓名", "部门", "职位", "性别", "学历"}));
    EXPECT_EQ(column(w->dgrid, 0), (QStringList{"L2", "L1", "."}));
    EXPECT_EQ(w->PanelText(3), QStringLiteral("离职人员"));
    EXPECT_EQ(w->PanelText(5), QStringLiteral("共有记录3条"));
    EXPECT_EQ(comboItems(w->ui.Combo1).size(), 13);
    EXPECT_EQ(w->GridFormat, QStringLiteral("^     员工编号|^         姓名|^          部门|^        职位|^       性别|^        学历   "));

    for (int pos : {9, 11}) {
        click(pos);
        EXPECT_EQ(headers(w->dgrid), (QStringList{"员工编号", "教育背景", "工作经历", "奖罚记录", "本公司经历"}));
        EXPECT_EQ(column(w->dgrid, 0), (QStringList{"A1", "B2"}));  // 大学 before 中学 in descending order
        EXPECT_EQ(w->PanelText(3), w->Node(pos)->text(0));
        EXPECT_EQ(comboItems(w->ui.Combo1), QStringList{"员工编号"});
        EXPECT_EQ(w->GridFormat, QStringLiteral("^    员工编号    |^         教育背景|^         工作经历|^        奖罚记录|^       本公司经历   "));
    }

    click(10);
    EXPECT_EQ(headers(w->dgrid), (QStringList{"员工编号", "姓名", "部门", "培训时间", "培训项目", "考核成绩"}));
    EXPECT_EQ(column(w->dgrid, 0), (QStringList{"Z9", "A1", "."}));
    EXPECT_EQ(w->dgrid->TextMatrix(1, 3), QStringLiteral("2011-02-03"));
    EXPECT_EQ(w->PanelText(3), QStringLiteral("人事培训"));
    EXPECT_EQ(w->PanelText(5), QStringLiteral("共有记录3条"));
    EXPECT_EQ(comboItems(w->ui.Combo1),
              (QStringList{"员工编号", "姓名", "部门", "培训方式", "培训项目", "培训时间", "考核方式", "考核成绩"}));
}

TEST_F(MainWindowViews, ManagerAndStaffListsSplitOnTheTitleAndBothKeepThePlaceholder) {
    click(13);
    EXPECT_EQ(column(w->dgrid, 0), (QStringList{"B2", "."}));
    EXPECT_EQ(w->PanelText(3), QStringLiteral("经理级考核记录"));
    EXPECT_EQ(w->GridFormat, QStringLiteral("^    员工编号    |^        姓名|^         部门|^        职位|^      录用日期    "));
    EXPECT_EQ(w->dgrid->TextMatrix(1, 4), QStringLiteral("2004-05-06"));
    click(14);
    EXPECT_EQ(column(w->dgrid, 0), (QStringList{"A1", "C3", "."}));
    EXPECT_EQ(w->PanelText(3), QStringLiteral("员工级考核记录"));
    EXPECT_EQ(w->GridFormat, QStringLiteral("^   员工编号    |^          姓名|^         部门|^        职位|^       录用日期    "));
}

TEST_F(MainWindowViews, BothListsKeepThePlaceholderWithABlankAfterItsNumber) {
    db()->execute(QStringLiteral("update 员工信息 set 员工编号='. ' where 员工编号='.'"));
    click(13);
    EXPECT_EQ(column(w->dgrid, 0), (QStringList{"B2", ". "}));
    click(14);
    EXPECT_EQ(column(w->dgrid, 0), (QStringList{"A1", "C3", ". "}));
}

TEST_F(MainWindowViews, LeafClickMarksItselfAndResetsEveryOtherImage) {
    click(1);  // group: opens
    EXPECT_TRUE(w->Node(1)->isExpanded());
    EXPECT_EQ(w->NodeImage(1), 4);
    EXPECT_EQ(w->ViewMode, 0);
    EXPECT_FALSE(w->ui.Frame3->isHidden());
    click(3);
    EXPECT_EQ(w->NodeImage(3), 4);
    click(3);  // closes, keeps its image until the next leaf click
    EXPECT_FALSE(w->Node(3)->isExpanded());
    EXPECT_EQ(w->NodeImage(3), 4);

    click(2);
    EXPECT_TRUE(w->ui.Frame3->isHidden());
    EXPECT_EQ(w->NodeImage(2), 3);
    EXPECT_EQ(w->NodeImage(1), 1);
    EXPECT_EQ(w->NodeImage(3), 1);
    EXPECT_TRUE(w->Node(1)->isExpanded());
    click(4);
    EXPECT_EQ(w->NodeImage(2), 1);
    EXPECT_EQ(w->NodeImage(4), 3);
}

TEST_F(MainWindowViews, LeafWithoutAViewOnlyRenamesTheView) {
    db()->execute("insert into 节点 (父节点,节点编号,节点名,节点分类) values ('n12','n15','年度汇总',15)");
    w->Unload();
    processEvents();
    w = WindowHost::Default<Form1>();
    WindowHost::Show(w, ShowMode::Modeless);
    input::activate(w);
    ASSERT_EQ(w->NodeCount(), 15);
    click(4);
    const QStringList before = headers(w->dgrid);
    const QString combo = comboItems(w->ui.Combo1).join(',');
    click(15);
    EXPECT_EQ(w->ViewMode, 15);
    EXPECT_EQ(w->PanelText(3), QStringLiteral("年度汇总"));
    EXPECT_EQ(w->PanelText(5), QStringLiteral("共有记录4条"));
    EXPECT_EQ(headers(w->dgrid), before);
    EXPECT_EQ(comboItems(w->ui.Combo1).join(','), combo);
    EXPECT_EQ(w->GridFormat, QStringLiteral("^     员工编号|^      姓名|^       部门|^       职位|^     录用日期"));
}

TEST_F(MainWindowViews, ArrowKeysInTheTreeShowTheViewOfTheNodeTheyReach) {
    click(4);  // 基本情况
    ASSERT_EQ(input::focused(), w->ui.tree);
    input::press(Qt::Key_Down);
    EXPECT_EQ(w->ViewMode, 5);
    EXPECT_EQ(w->PanelText(3), QStringLiteral("工作情况"));
    EXPECT_EQ(headers(w->dgrid).value(3), QStringLiteral("合同编号"));
    EXPECT_EQ(w->NodeImage(5), 3);
    EXPECT_EQ(w->NodeImage(4), 1);
    input::press(Qt::Key_Down);
    EXPECT_EQ(w->ViewMode, 6);
    EXPECT_EQ(headers(w->dgrid).value(2), QStringLiteral("上岗证"));
    input::press(Qt::Key_Up);
    input::press(Qt::Key_Up);
    EXPECT_EQ(w->ViewMode, 4);
    EXPECT_EQ(w->PanelText(3), QStringLiteral("基本情况"));
    EXPECT_EQ(headers(w->dgrid).value(3), QStringLiteral("职位"));
    // Onto a group node the keys close it, as its click does, and the view stays.
    input::press(Qt::Key_Up);
    EXPECT_EQ(w->ui.tree->currentItem(), w->Node(3));
    EXPECT_FALSE(w->Node(3)->isExpanded());
    EXPECT_EQ(w->ViewMode, 4);
    EXPECT_EQ(w->PanelText(3), QStringLiteral("基本情况"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(MainWindowViews, ClickingTheSameLeafAgainRereadsItsRows) {
    click(4);
    addEmployee("D4", "丁", {{"部门", "行政部"}});
    click(4);
    EXPECT_EQ(w->PanelText(5), QStringLiteral("共有记录5条"));
    EXPECT_TRUE(column(w->dgrid, 0).contains("D4"));
}

TEST_F(MainWindowViews, MenuViewsKeepViewModeAndTrainingViewKeepsTheViewName) {
    click(4);
    menuCommand(w, QStringLiteral("培训档案(&P)"), QStringLiteral("档案查看"));
    EXPECT_EQ(headers(w->dgrid).value(3), QStringLiteral("培训时间"));
    EXPECT_EQ(w->PanelText(3), QStringLiteral("基本情况"));
    EXPECT_EQ(w->ViewMode, 4);
    menuCommand(w, QStringLiteral("人事档案(&F)"), QStringLiteral("其他情况"));
    EXPECT_EQ(w->PanelText(3), QStringLiteral("其他情况"));
    EXPECT_EQ(w->ViewMode, 4);
    menuCommand(w, QStringLiteral("人事档案(&F)"), QStringLiteral("工作情况"));
    EXPECT_EQ(w->PanelText(3), QStringLiteral("工作情况"));
    menuCommand(w, QStringLiteral("人事档案(&F)"), QStringLiteral("完整资料"));
    EXPECT_EQ(w->PanelText(3), QStringLiteral("完整资料"));
    EXPECT_EQ(w->dgrid->Cols(), 27);
    menuCommand(w, QStringLiteral("人事档案(&F)"), QStringLiteral("基本情况"));
    EXPECT_EQ(w->PanelText(3), QStringLiteral("基本情况"));
    EXPECT_EQ(w->dgrid->Cols(), 5);
    EXPECT_TRUE(w->ui.Frame3->isHidden());
}

TEST_F(MainWindowViews, EmptyViewShowsTheHeaderRowAndCountsZero) {
    click(9);
    EXPECT_EQ(w->dgrid->Rows(), 1);
    EXPECT_EQ(w->dgrid->Cols(), 5);
    EXPECT_EQ(w->PanelText(5), QStringLiteral("共有记录0条"));
}

TEST_F(MainWindowViews, FailingViewQueryIsReportedAndTheGridStaysAsItWas) {
    click(4);
    db()->execute("drop table 覆历");
    click(9);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(headers(w->dgrid), (QStringList{"员工编号", "姓名", "部门", "职位", "录用日期"}));
    EXPECT_EQ(w->GridFormat, QStringLiteral("^     员工编号|^      姓名|^       部门|^       职位|^     录用日期"));
    EXPECT_EQ(w->PanelText(5), QStringLiteral("共有记录4条"));
    // The grid's source is still the last good view, so a refresh keeps working.
    RefreshMainGrid();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(w->dgrid->Rows(), 5);
}

TEST_F(MainWindowViews, GridTellsEmptyTextFromNullAcrossRefreshesOfAnySize) {
    db()->execute("update 员工信息 set 职位 = '' where 员工编号 = 'A1'");
    click(4);
    const int a1 = column(w->dgrid, 0).indexOf("A1");
    const int c3 = column(w->dgrid, 0).indexOf("C3");
    auto* model = w->data1->model();
    EXPECT_FALSE(model->isNull(a1, 3));
    EXPECT_FALSE(model->isNull(c3, 3));
    EXPECT_TRUE(model->isNull(column(w->dgrid, 0).indexOf("."), 3));
    // A small result, then a much larger one: every row arrives whole.
    click(9);
    for (int i = 0; i < 300; ++i) addEmployee(QStringLiteral("N%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("新员工"));
    click(2);
    EXPECT_EQ(w->dgrid->Rows(), 305);
    const int last = column(w->dgrid, 0).indexOf("N299") + 1;
    EXPECT_EQ(w->dgrid->TextMatrix(last, 1), QStringLiteral("新员工"));
}
