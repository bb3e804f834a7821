#include "TestProgram.h"
#include "MainWindowInput.h"

#include "platform/Dates.h"
#include "platform/WindowHost.h"
#include "shell/Form1.h"
#include "common/ModuleState.h"

#include <QDate>
#include <QTreeWidgetItem>

using namespace platform;
using namespace halvern;
using halvern::test::chooseView;
using halvern::test::gridPopup;
using halvern::test::menuCommand;
using halvern::test::ProgramTest;

namespace {

// Makes (row, col) the grid's current cell with a left click on it.
void pointAt(FlexGrid* g, int row, int col) { halvern::test::clickCell(g, row, col); }

// 培训档案 > 档案删除 from the menu bar.
void deleteTraining(Form1* w) { menuCommand(w, QStringLiteral("培训档案(&P)"), QStringLiteral("档案删除")); }

int rowOf(FlexGrid* g, const QString& first) {
    for (int r = 1; r < g->Rows(); ++r)
        if (g->TextMatrix(r, 0) == first) return r;
    return -1;
}

}  // namespace

class TrainingDelete : public ProgramTest {
protected:
    Form1* w = nullptr;
    void SetUp() override {
        ProgramTest::SetUp();
        addEmployee("A001", "张三", {{"部门", "财务部"}});
        for (const char* course : {"安全", "财务", "英语"}) addTraining("A001", QString::fromUtf8(course));
        addTraining("B002", "质量");
        w = WindowHost::Default<Form1>();
        WindowHost::Show(w, ShowMode::Modeless);
        processEvents();
        chooseView(w, 10);  // 人事培训
        ASSERT_EQ(w->PanelText(3), QStringLiteral("人事培训"));
    }
    void addTraining(const QString& no, const QString& course) const {
        db()->execute(QStringLiteral("insert into 培训 (员工编号,姓名,培训项目) values (?,?,?)"), {no, QStringLiteral("某人"), course});
    }
    int trainings(const QString& no) const { return count(QStringLiteral("培训"), QStringLiteral("员工编号=?"), {no}); }
};

TEST_F(TrainingDelete, ConfirmationNamesTheEmployeeAndCancelKeepsEveryRow) {
    pointAt(w->dgrid, rowOf(w->dgrid, "A001"), 0);
    answer(MsgAnswer::Cancel);
    deleteTraining(w);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("确实要删除A001记录"));
    EXPECT_EQ(messages()[0].buttons, MsgButtons::OKCancel);
    EXPECT_EQ(messages()[0].icon, MsgIcon::None);
    EXPECT_EQ(messages()[0].title, QStringLiteral("提示"));
    EXPECT_EQ(trainings("A001"), 3);
}

TEST_F(TrainingDelete, OkRemovesOneOfTheEmployeesThreeRowsAndTheGridShowsTwo) {
    const int row = rowOf(w->dgrid, "A001");
    pointAt(w->dgrid, row, 0);
    gridPopup(w, row, {QStringLiteral("资料删除(&D)")});  // the popup's item takes the same steps
    EXPECT_EQ(messages().size(), 1u) << lastMessage().toStdString();
    EXPECT_EQ(trainings("A001"), 2);
    EXPECT_EQ(trainings("B002"), 1);
    int shown = 0;
    for (int r = 1; r < w->dgrid->Rows(); ++r) shown += w->dgrid->TextMatrix(r, 0) == QStringLiteral("A001");
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(w->dgrid->ColAlignment(0), FlexGrid::CenterCenter);
}

TEST_F(TrainingDelete, PlaceholderRowIsConfirmedThenRefused) {
    pointAt(w->dgrid, rowOf(w->dgrid, "."), 0);
    deleteTraining(w);
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("确实要删除.记录"));
    EXPECT_EQ(messages()[1].text, QStringLiteral("不能删除此记录"));
    EXPECT_EQ(messages()[1].icon, MsgIcon::Information);
    EXPECT_EQ(trainings("."), 1);
}

TEST_F(TrainingDelete, CellNamingNoTrainingRowDeletesNothingAndSaysSo) {
    pointAt(w->dgrid, rowOf(w->dgrid, "A001"), 4);  // the course column
    const int before = count(QStringLiteral("培训"));
    deleteTraining(w);
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].icon, MsgIcon::Critical);
    EXPECT_TRUE(messages()[1].text.contains(QStringLiteral("没有删除"))) << lastMessage().toStdString();
    EXPECT_EQ(count(QStringLiteral("培训")), before);
}

TEST_F(TrainingDelete, OtherViewOrEmptyCellIsNotASelectedTrainingRecord) {
    chooseView(w, 4);  // 基本情况
    pointAt(w->dgrid, rowOf(w->dgrid, "A001"), 0);
    deleteTraining(w);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("未选中培训记录"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);

    clearMessages();
    db()->execute(QStringLiteral("insert into 培训 (员工编号,姓名) values ('C003','')"));
    chooseView(w, 10);
    pointAt(w->dgrid, rowOf(w->dgrid, "C003"), 1);  // an empty name cell
    deleteTraining(w);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("未选中培训记录"));
    EXPECT_EQ(count(QStringLiteral("培训")), 6);
}

class ClearAllData : public ProgramTest {
protected:
    Form1* w = nullptr;
    void SetUp() override {
        ProgramTest::SetUp();
        addEmployee("A001", "张三", {{"合同到期日", StoreDate(QDate::currentDate().addDays(10))}});
        addEmployee("B002", "李四");
        db()->execute(QStringLiteral("insert into 员工离职 (员工编号,姓名) values ('L9','王五')"));
        db()->execute(QStringLiteral("insert into 培训 (员工编号,姓名) values ('A001','张三')"));
        db()->execute(QStringLiteral("insert into 覆历 (员工编号,教育背景) values ('A001','大学')"));
        w = WindowHost::Default<Form1>();
        WindowHost::Show(w, ShowMode::Modeless);
        processEvents();
        for (const QString& t : untouched) before << count(t);
    }
    // 系统初始化 > 期初人事资料清空 from the menu bar.
    void clearForNewPeriod() { menuCommand(w, QStringLiteral("系统初始化(&I)"), QStringLiteral("期初人事资料清空")); }
    const QStringList cleared{"员工信息", "员工离职", "培训", "覆历"};
    const QStringList untouched{"部门表", "民族", "行政区划", "节点", "横", "经理竖1", "经理竖2", "员工竖1", "员工竖2", "经理", "员工"};
    QList<int> before;
};

TEST_F(ClearAllData, CancelDeletesNothing) {
    answer(MsgAnswer::Cancel);
    clearForNewPeriod();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("此操作将真正删除人事库中全部数据，请慎重操作!"));
    EXPECT_EQ(messages()[0].buttons, MsgButtons::OKCancel);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Information);
    EXPECT_EQ(count("员工信息"), 3);
    EXPECT_EQ(count("覆历"), 1);
    EXPECT_EQ(w->Adodc1->RecordCount(), 1);
}

TEST_F(ClearAllData, OkEmptiesTheFourPersonnelTablesAndOnlyThose) {
    const int gridRows = w->dgrid->Rows();
    const bool hadEmployees = Module().HasEmployees;
    const QVariant users = userDb()->scalar(QStringLiteral("select count(*) from cuser"));
    ASSERT_EQ(w->Adodc1->RecordCount(), 1);
    clearForNewPeriod();
    EXPECT_EQ(messages().size(), 1u) << lastMessage().toStdString();
    for (const QString& t : cleared) EXPECT_EQ(count(t), 0) << t.toStdString();
    for (int i = 0; i < untouched.size(); ++i) EXPECT_EQ(count(untouched[i]), before[i]) << untouched[i].toStdString();
    EXPECT_EQ(userDb()->scalar(QStringLiteral("select count(*) from cuser")), users);
    EXPECT_EQ(w->Adodc1->RecordCount(), 0) << "the reminder re-reads at once";
    EXPECT_EQ(w->dgrid->Rows(), gridRows) << "the main grid keeps its rows until another view";
    EXPECT_EQ(Module().HasEmployees, hadEmployees);
    chooseView(w, 4);
    EXPECT_EQ(w->dgrid->Rows(), 1);
}

TEST_F(ClearAllData, FailureOnTheLastTableLeavesAllFourAsTheyWereAndIsReported) {
    db()->execute(QStringLiteral("create trigger keep before delete on 覆历 begin select raise(abort, '不许删除'); end"));
    clearForNewPeriod();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].icon, MsgIcon::Critical);
    EXPECT_TRUE(messages()[1].text.contains(QStringLiteral("没有改动"))) << lastMessage().toStdString();
    EXPECT_EQ(count("员工信息"), 3);
    EXPECT_EQ(count("员工离职"), 2);
    EXPECT_EQ(count("培训"), 2);
    EXPECT_EQ(count("覆历"), 1);
    EXPECT_EQ(w->Adodc1->RecordCount(), 1);
}
