#include "TestProgram.h"
#include "MainWindowInput.h"
#include "UserInput.h"

#include "platform/Dates.h"
#include "platform/Pictures.h"
#include "platform/WindowHost.h"
#include "records/Formmod.h"
#include "records/Formyglz.h"
#include "records/formygdd.h"
#include "shell/Form1.h"
#include "shell/Formsjhf.h"
#include "common/ModuleState.h"
#include "training/frmdaxg.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QTreeWidgetItem>

using namespace platform;
using namespace halvern;
using namespace halvern::test;

namespace {

QStringList columnTexts(FlexGrid* g, int col) {
    QStringList out;
    for (int r = 1; r < g->Rows(); ++r) out << g->TextMatrix(r, col);
    return out;
}

// Makes (row, col) the grid's current cell by a left click on it.
void pointAt(FlexGrid* g, int row, int col) { clickCell(g, row, col); }

}  // namespace

class MainWindow : public ProgramTest {
protected:
    Form1* open() {
        auto* w = WindowHost::Default<Form1>();
        WindowHost::Show(w, ShowMode::Modeless);
        processEvents();
        if (WindowHost::Exists<Form1>()) activate(w);
        return w;
    }
    static QString inDays(int days) { return StoreDate(QDate::currentDate().addDays(days)); }
    // The window as wide as a common screen makes it, where the menu bar shows every heading.
    static Form1* wide(Form1* w) {
        w->resize(1200, 800);
        processEvents();
        return w;
    }
};

// ---------------------------------------------------------------- load

TEST_F(MainWindow, LoadShowsWelcomeTreeAndTheWholeEmployeeTable) {
    addEmployee(QStringLiteral("A1"), QStringLiteral("张三"), {{"部门", "财务部"}});
    auto* w = open();
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_TRUE(Module().HasEmployees);
    EXPECT_EQ(w->ConnString, DbConnString());
    EXPECT_EQ(w->NodeSql, QStringLiteral("select * from 节点 order by 节点分类"));
    EXPECT_EQ(w->GridFormat, QStringLiteral("xx"));
    EXPECT_EQ(w->ViewMode, 0);
    EXPECT_EQ(w->DragStartX, 0x7FFFFFFF);
    EXPECT_EQ(w->PanelText(3), QStringLiteral("完整资料"));
    EXPECT_TRUE(w->PanelText(5).isEmpty());
    EXPECT_FALSE(w->PanelText(1).isEmpty());
    EXPECT_FALSE(w->ui.Frame3->isHidden());
    EXPECT_EQ(w->ui.Label1->text(), QStringLiteral("欢迎您使用岚铂软件。"));
    EXPECT_EQ(w->ui.Frame2->title(), QStringLiteral("员工合同到期提示："));

    // All 30 columns of 员工信息, the placeholder row included.
    EXPECT_EQ(w->dgrid->Cols(), 30);
    EXPECT_EQ(w->dgrid->TextMatrix(0, 29), QStringLiteral("图片"));
    EXPECT_EQ(w->dgrid->Rows(), 3);
    EXPECT_EQ(w->dgrid->ColAlignment(0), FlexGrid::CenterCenter);

    const QStringList fields{"员工编号", "姓名", "部门", "职位", "性别", "出生日期", "民族",
                             "身高",     "体重", "录用日期", "身份证号", "学历", "籍贯"};
    QStringList combo;
    for (int i = 0; i < w->ui.Combo1->count(); ++i) combo << w->ui.Combo1->itemText(i);
    EXPECT_EQ(combo, fields);

    // Nodes in 节点分类 order under their parents, each with image 1.
    ASSERT_EQ(w->NodeCount(), 14);
    EXPECT_EQ(w->Node(1)->text(0), QStringLiteral("人事档案"));
    EXPECT_EQ(w->Node(10)->text(0), QStringLiteral("人事培训"));
    EXPECT_EQ(w->Node(4)->parent(), w->Node(3));
    EXPECT_EQ(w->Node(13)->parent(), w->Node(12));
    EXPECT_EQ(w->ui.tree->topLevelItemCount(), 3);
    for (int i = 1; i <= 14; ++i) EXPECT_EQ(w->NodeImage(i), 1) << i;
}

TEST_F(MainWindow, ReminderCutOffIsStrictlyBeforeTodayPlusThirtyDaysAndIncludesExpiredContracts) {
    Module().ReminderHasRows = true;
    addEmployee("E29", "二十九", {{"合同到期日", inDays(29)}});
    addEmployee("E30", "三十", {{"合同到期日", inDays(30)}});
    addEmployee("E31", "三十一", {{"合同到期日", inDays(31)}});
    addEmployee("OLD", "过期", {{"合同到期日", inDays(-400)}});
    addEmployee("NONE", "无合同");
    auto* w = open();
    QStringList listed = columnTexts(w->list1, 0);
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"E29", "OLD"}));
    EXPECT_EQ(w->list1->Cols(), 3);
    EXPECT_EQ(w->list1->TextMatrix(0, 2), QStringLiteral("合同到期日"));
    const int row = columnTexts(w->list1, 0).indexOf("E29") + 1;
    EXPECT_EQ(w->list1->TextMatrix(row, 2), inDays(29));
    EXPECT_EQ(w->list1->ColAlignment(2), FlexGrid::CenterCenter);
    EXPECT_TRUE(Module().ReminderHasRows);
}

TEST_F(MainWindow, ReminderWithoutRowsSwitchesOffItsDoubleClickForTheRun) {
    Module().ReminderHasRows = true;
    addEmployee("E31", "三十一", {{"合同到期日", inDays(31)}});
    auto* w = open();
    EXPECT_FALSE(Module().ReminderHasRows);
    Module().ViewEmployeeNo = QStringLiteral("before");
    w->resize(1200, 800);
    processEvents();
    ASSERT_TRUE(w->list1->isVisible());
    doubleClick(w->list1->viewport(), QPoint(20, 5));  // where a first row would stand
    EXPECT_EQ(Module().ViewEmployeeNo, QStringLiteral("before"));
    EXPECT_TRUE(shown().filter("formshow").isEmpty());
}

TEST_F(MainWindow, ReminderDoubleClickTakesTheCurrentCellForTheRecordView) {
    Module().ReminderHasRows = true;
    addEmployee("E1", "一", {{"合同到期日", inDays(3)}});
    auto* w = open();
    w->resize(1200, 800);
    processEvents();
    ASSERT_TRUE(w->list1->isVisible());
    doubleClickCell(w->list1, 1, 0);
    EXPECT_EQ(Module().ViewEmployeeNo, QStringLiteral("E1"));
}

TEST_F(MainWindow, MissingDatabaseIsReportedAndEndsTheProgramInOrder) {
    QFile::remove(path("db2.mdb"));
    open();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(messages()[0].text.contains("db2.mdb"));
    EXPECT_TRUE(programEnded());
    EXPECT_FALSE(WindowHost::Exists<Form1>());
}

TEST_F(MainWindow, EmptyNodeTableGivesAnEmptyTreeAndOrphanNodesAreLeftOut) {
    db()->execute("delete from 节点");
    auto* w = open();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(w->NodeCount(), 0);
    w->Unload();
    processEvents();

    db()->execute("insert into 节点 (父节点,节点编号,节点名,节点分类) values ('0','a','甲',1),('zz','b','孤儿',2),('a','c','丙',3)");
    w = open();
    ASSERT_EQ(w->NodeCount(), 2);
    EXPECT_EQ(w->Node(2)->text(0), QStringLiteral("丙"));
    EXPECT_EQ(w->Node(2)->parent(), w->Node(1));
}

// ---------------------------------------------------------------- layout and splitter

class MainWindowLayout : public MainWindow {
protected:
    Form1* w = nullptr;
    void SetUp() override {
        MainWindow::SetUp();
        w = open();
        w->resize(1200, 800);
        processEvents();
    }
    // A complete drag of the splitter with the mouse: pressed at x0, let go at x1 (pixels,
    // in the bar's coordinates at the press).
    void dragBar(int x0, int x1) {
        QWidget* bar = w->ui.Splitter;
        drag(bar, QPoint(x0, bar->height() / 2), QPoint(x1, bar->height() / 2));
    }
    // Where a pointer resting at a point of the screen stands in the bar's coordinates once the bar has moved.
    QPoint onBar(QPoint global) const { return w->ui.Splitter->mapFromGlobal(global); }
};

TEST_F(MainWindowLayout, PanesFollowTheTreeWidthAndTheInnerSize) {
    const double tw = w->Pane(w->ui.tree).width;
    const double sbar = PixelsToTwips(w->ui.SBar->height());
    const double H = std::nearbyint(w->InnerHeight() - 620 - sbar);
    EXPECT_EQ(w->Pane(w->ui.tree).left, 4);
    EXPECT_EQ(w->Pane(w->ui.tree).top, 650);
    EXPECT_NEAR(w->Pane(w->ui.tree).height, 2 * H / 3, 1e-9);
    EXPECT_EQ(w->Pane(w->ui.Splitter).left, tw + 4);
    EXPECT_EQ(w->Pane(w->ui.Splitter).height, H);
    EXPECT_EQ(w->Pane(w->dgrid).left, tw + 54);
    EXPECT_EQ(w->Pane(w->dgrid).width, w->InnerWidth() - (tw + 54) - 5 + 1);
    EXPECT_NEAR(w->Pane(w->ui.Frame6).top, 650 + 2 * H / 3, 1e-9);
    EXPECT_NEAR(w->Pane(w->ui.Frame6).height, H / 3, 1e-9);
    EXPECT_EQ(w->Pane(w->ui.Frame3).height, H);
    const auto f2 = w->Pane(w->ui.Frame2);
    const auto l1 = w->Pane(w->list1);
    EXPECT_EQ(l1.left, f2.left + 50);
    EXPECT_EQ(l1.top, f2.top + 200);
    EXPECT_EQ(l1.width, f2.width - 100);
    EXPECT_NEAR(l1.height, f2.height - 240, 1e-9);
    const auto gif = w->Pane(w->ui.AniGif1);
    EXPECT_EQ(gif.left, w->InnerWidth() - gif.width - 30);

    // Resizing the window keeps the tree width.
    w->resize(900, 600);
    processEvents();
    EXPECT_EQ(w->Pane(w->ui.tree).width, tw);
    EXPECT_EQ(w->Pane(w->dgrid).left, tw + 54);
}

TEST_F(MainWindowLayout, TooSmallAWindowLeavesThePanesWhereTheyWere) {
    const auto before = w->Pane(w->dgrid);
    w->resize(150, 60);
    processEvents();
    const auto after = w->Pane(w->dgrid);
    EXPECT_EQ(after.width, before.width);
    EXPECT_EQ(after.height, before.height);
}

TEST_F(MainWindowLayout, DraggingTheSplitterSetsTheTreeWidthWithinSixtyTwipsOfTheEdges) {
    const double left = w->Pane(w->ui.Splitter).left;
    // Pressed a pixel into the bar: the drag's two steps differ in size (see below).
    dragBar(1, 41);  // the bar's left edge comes to where the mouse was let go
    EXPECT_EQ(w->Pane(w->ui.tree).width, left + 41 * kTwipsPerPixel - 4);
    EXPECT_EQ(w->Pane(w->dgrid).left, left + 41 * kTwipsPerPixel + 50);
    EXPECT_EQ(w->DragStartX, 0x7FFFFFFF);

    dragBar(1, -w->ui.Splitter->x() + 2);  // to 2 pixels (30 twips) from the left edge
    EXPECT_EQ(w->Pane(w->ui.tree).width, 60);

    dragBar(1, w->ui.Client->width());  // far beyond the right edge
    EXPECT_EQ(w->Pane(w->ui.tree).width, w->InnerWidth() - 60);
}

TEST_F(MainWindowLayout, DuringADragTheBarIsGreyAndSpansTheInnerHeight) {
    QWidget* splitter = w->ui.Splitter;
    const int y = splitter->height() / 2;
    mousePress(splitter, QPoint(2, y));
    EXPECT_EQ(w->SplitterColor, 0x808080u);
    EXPECT_EQ(w->DragStartX, 2 * kTwipsPerPixel);
    const double left = w->Pane(splitter).left;
    const QPoint pointer = splitter->mapToGlobal(QPoint(22, y));
    mouseMove(splitter, QPoint(22, y));
    const auto bar = w->Pane(splitter);
    EXPECT_EQ(bar.left, left + 22 * kTwipsPerPixel);
    EXPECT_EQ(bar.top, 5);
    EXPECT_EQ(bar.height, w->InnerHeight() - 10);
    EXPECT_EQ(w->DragStartX, 22 * kTwipsPerPixel);
    mouseRelease(splitter, onBar(pointer));
    EXPECT_EQ(w->SplitterColor, 0x8000000Fu);
    EXPECT_EQ(w->Pane(splitter).top, 650);
}

TEST_F(MainWindowLayout, RightButtonEndsADragLikeAReleaseAndMovesWithoutDragDoNothing) {
    QWidget* splitter = w->ui.Splitter;
    const int y = splitter->height() / 2;
    const double tw = w->Pane(w->ui.tree).width;
    // The pointer passing over the bar with no button down, and a left button let go there.
    mouseMove(splitter, QPoint(33, y), Qt::NoButton);
    mouseRelease(splitter, QPoint(33, y));
    EXPECT_EQ(w->Pane(w->ui.tree).width, tw);

    // Pressed at the bar's left edge, then the right button 30 pixels on, the left one still down.
    mousePress(splitter, QPoint(0, y));
    const QPoint pointer = splitter->mapToGlobal(QPoint(30, y));
    mousePress(splitter, QPoint(30, y), Qt::RightButton, Qt::LeftButton);
    EXPECT_EQ(w->DragStartX, 0x7FFFFFFF);
    EXPECT_EQ(w->SplitterColor, 0x8000000Fu);
    EXPECT_EQ(w->Pane(w->ui.tree).width, tw + 30 * kTwipsPerPixel);
    mouseRelease(splitter, onBar(pointer), Qt::RightButton, Qt::LeftButton);
    mouseRelease(splitter, onBar(pointer));

    mousePress(splitter, QPoint(20, y), Qt::RightButton);  // no drag: nothing moves
    mouseRelease(splitter, QPoint(20, y), Qt::RightButton);
    EXPECT_EQ(w->Pane(w->ui.tree).width, tw + 30 * kTwipsPerPixel);
}

// The mouse's place on the bar is measured from where the bar stands now: two equal steps are two moves.
TEST_F(MainWindowLayout, ABarLetGoAfterTwoEqualStepsComesToWhereTheMouseWasLetGo) {
    QWidget* splitter = w->ui.Splitter;
    const int y = splitter->height() / 2;
    const double left = w->Pane(splitter).left;
    const QPoint start = splitter->mapToGlobal(QPoint(0, y));
    mousePress(splitter, QPoint(0, y));
    mouseMove(splitter, onBar(start + QPoint(20, 0)));
    mouseMove(splitter, onBar(start + QPoint(40, 0)));
    mouseRelease(splitter, onBar(start + QPoint(40, 0)));
    EXPECT_EQ(w->Pane(w->ui.tree).width, left + 40 * kTwipsPerPixel - 4);
}

// The panes a person sees, each with the one it may lie over (the reminder list over its frame).
TEST_F(MainWindow, ASplitterDraggedToTheLeftEdgeLetsNoPaneShowThroughAnother) {
    addEmployee("A1", "张三", {{"部门", "财务部"}, {"合同到期日", inDays(5)}});
    auto* w = open();
    w->resize(1200, 800);
    processEvents();
    chooseView(w, 4);  // 基本情况: the grid and the detail panel instead of the welcome pane
    ASSERT_TRUE(w->ui.Frame3->isHidden());
    ASSERT_EQ(w->list1->Rows(), 2);

    QWidget* bar = w->ui.Splitter;
    const QPoint grip(bar->width() / 2, bar->height() / 2);
    drag(bar, grip, QPoint(grip.x() - bar->x() - 20, grip.y()));  // past the window's left edge
    EXPECT_EQ(w->Pane(w->ui.tree).width, 60);
    EXPECT_EQ(w->DragStartX, 0x7FFFFFFF);

    const QList<QWidget*> panes = {w->ui.tree, bar, w->ui.Frame2, w->list1, w->dgrid, w->ui.Frame6, w->ui.Frame3};
    auto expectApart = [&] {
        for (qsizetype i = 0; i < panes.size(); ++i)
            for (qsizetype k = i + 1; k < panes.size(); ++k) {
                QWidget* a = panes[i];
                QWidget* b = panes[k];
                if (!a->isVisible() || !b->isVisible()) continue;
                if (a == w->ui.Frame2 && b == w->list1) continue;
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
            }
        // What the window shows where the detail panel and the grid stand is those panes alone.
        const QImage window = w->ui.Client->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (QWidget* pane : {static_cast<QWidget*>(w->ui.Frame6), static_cast<QWidget*>(w->dgrid)}) {
            if (pane->width() == 0 || pane->height() == 0) continue;
            const QImage alone = pane->grab().toImage().convertToFormat(QImage::Format_RGB32);
            EXPECT_TRUE(window.copy(pane->geometry()) == alone) << pane->objectName().toStdString();
        }
    };
    expectApart();

    // Dragged out again, the reminder list stands in its frame.
    drag(bar, grip, QPoint(grip.x() + 250, grip.y()));
    EXPECT_GT(w->Pane(w->ui.tree).width, 3000);
    EXPECT_TRUE(w->list1->isVisible());
    EXPECT_EQ(w->Pane(w->list1).width, w->Pane(w->ui.Frame2).width - 100);
    expectApart();
}

// ---------------------------------------------------------------- selection

class MainWindowSelection : public MainWindow {
protected:
    Form1* w = nullptr;
    void SetUp() override {
        MainWindow::SetUp();
        addEmployee("A1", "张三", {{"部门", "财务部"}, {"职位", "会计 "}});
        w = open();
    }
    void clickAt(int row, int col) { clickCell(w->dgrid, row, col); }
};

TEST_F(MainWindowSelection, ClickRecordsTheKeysTheViewNameAsksFor) {
    chooseView(w, 4);  // 基本情况, ordered by 部门 desc: A1 first
    ASSERT_EQ(w->dgrid->TextMatrix(1, 0), QStringLiteral("A1"));
    clickAt(1, 1);
    EXPECT_EQ(Module().CurrentEmployeeNo, QStringLiteral("张三"));  // whatever the cell holds
    clickAt(1, 3);
    EXPECT_EQ(Module().CurrentEmployeeNo, QStringLiteral("会计 "));  // untrimmed
    EXPECT_TRUE(Module().CurrentTrainingKey.isEmpty());
    EXPECT_TRUE(Module().CurrentAssessmentKey.isEmpty());

    db()->execute("insert into 培训 (员工编号,姓名) values (' T7 ','王五')");
    chooseView(w, 10);
    clickAt(columnTexts(w->dgrid, 0).indexOf(" T7 ") + 1, 0);
    EXPECT_EQ(Module().CurrentTrainingKey, QStringLiteral("T7"));
    EXPECT_TRUE(Module().CurrentAssessmentKey.isEmpty());

    chooseView(w, 13);  // 经理级考核记录: the placeholder row only
    clickAt(1, 0);
    EXPECT_EQ(Module().CurrentAssessmentKey, QStringLiteral("."));
    EXPECT_TRUE(Module().CurrentTrainingKey.isEmpty());

    db()->execute("insert into 员工离职 (员工编号,姓名) values ('L1','离')");
    chooseView(w, 8);
    clickAt(1, 0);
    EXPECT_TRUE(Module().CurrentEmployeeNo.isEmpty());
}

TEST_F(MainWindowSelection, DoubleClickChoosesTheRecordWindowByTheViewName) {
    EXPECT_EQ(Form1::RecordWindowName("离职人员"), QStringLiteral("Formshow1"));
    EXPECT_EQ(Form1::RecordWindowName("人事培训"), QStringLiteral("Formshowpx"));
    EXPECT_EQ(Form1::RecordWindowName("经理级考核记录"), QStringLiteral("Formshowkh"));
    EXPECT_EQ(Form1::RecordWindowName("员工级考核记录"), QStringLiteral("Formshowkh1"));
    EXPECT_EQ(Form1::RecordWindowName("完整资料"), QStringLiteral("formshow"));
    EXPECT_EQ(Form1::RecordWindowName("员工履历"), QStringLiteral("formshow"));

    // On the header row (where a refresh leaves the current cell) a double-click
    // below the rows only records the cell text.
    w->dgrid->SetRow(0);
    w->dgrid->SetCol(0);
    const int lastRow = w->dgrid->model()->rowCount() - 1;
    const int below = w->dgrid->rowViewportPosition(lastRow) + w->dgrid->rowHeight(lastRow) + 10;
    ASSERT_LT(below, w->dgrid->viewport()->height());
    doubleClick(w->dgrid->viewport(), QPoint(20, below));
    EXPECT_EQ(Module().ViewEmployeeNo, QStringLiteral("员工编号"));
    EXPECT_TRUE(shown().filter(QRegularExpression("^[Ff]ormshow")).isEmpty());

    // A data row opens the window of the view named in panel 3, whatever ViewMode says.
    chooseView(w, 4);
    const struct {
        const char* view;
        const char* window;
    } cases[] = {{"基本情况", "formshow"},         {"离职人员", "Formshow1"},        {"人事培训", "Formshowpx"},
                 {"经理级考核记录", "Formshowkh"}, {"员工级考核记录", "Formshowkh1"}};
    for (const auto& c : cases) {
        WindowHost::UnloadAll();
        processEvents();
        WindowHost::ClearLog();
        w = WindowHost::Default<Form1>();
        WindowHost::Show(w, ShowMode::Modeless);
        chooseView(w, 4);
        activate(w);
        w->SetPanelText(3, QString::fromUtf8(c.view));
        doubleClickCell(w->dgrid, 1, 0);
        EXPECT_EQ(Module().ViewEmployeeNo, w->dgrid->TextMatrix(1, 0));
        EXPECT_TRUE(shown().contains(QString::fromLatin1(c.window))) << c.view << " " << shown().join(',').toStdString();
    }
}

TEST_F(MainWindowSelection, DetailPanelFollowsTheCurrentRowWithItsPhotograph) {
    QDir().mkpath(path("pic"));
    ASSERT_TRUE(QFile::copy(path("varno.jpg"), path("pic/B2.jpg")));
    addEmployee("B2", "李四 ",
                {{"部门", "技术部 "}, {"职位", "经理 "}, {"性别", "女 "}, {"出生日期", "1980-01-02"}, {"民族", "汉族"},
                 {"学历", "本科 "}, {"体重", "50"}, {"上岗证", "有 "}, {"暂住证", "无 "}, {"婚育证", "有 "},
                 {"录用日期", "2001-03-04"}, {"身份证号", "110101198001020021"}, {"合同编号", "HT-9 "},
                 {"合同生效日", "2001-03-04"}, {"身高", "165"}, {"合同到期日", "2031-03-03"}, {"籍贯", "北京市"},
                 {"毕业院校", "某大学 "}, {"住址", "某路1号 "}, {"特长", "书法 "}, {"婚否", "已婚 "}, {"专业", "会计 "},
                 {"政治面貌", "群众 "}, {"外语情况", "英语 "}, {"联系电话", "123 "}, {"备注", "不显示"},
                 {"图片", "\\pic\\B2.jpg"}});
    chooseView(w, 4);
    const int row = columnTexts(w->dgrid, 0).indexOf("B2") + 1;
    ASSERT_GT(row, 0);
    pointAt(w->dgrid, row, 0);
    const auto& ui = w->ui;
    EXPECT_EQ(ui.Text5->text(), QStringLiteral("B2"));
    EXPECT_EQ(ui.Text15->text(), QStringLiteral("李四 "));
    EXPECT_EQ(ui.Text20->text(), QStringLiteral("技术部 "));
    EXPECT_EQ(ui.Text21->text(), QStringLiteral("经理 "));
    EXPECT_EQ(ui.Text19->text(), QStringLiteral("女 "));
    EXPECT_EQ(ui.Text30->text(), QStringLiteral("1980-01-02"));
    EXPECT_EQ(ui.Text28->text(), QStringLiteral("汉族"));
    EXPECT_EQ(ui.Text29->text(), QStringLiteral("本科 "));
    EXPECT_EQ(ui.Text35->text(), QStringLiteral("50"));
    EXPECT_EQ(ui.Text31->text(), QStringLiteral("有 "));
    EXPECT_EQ(ui.Text32->text(), QStringLiteral("无 "));
    EXPECT_EQ(ui.Text33->text(), QStringLiteral("有 "));
    EXPECT_EQ(ui.Text34->text(), QStringLiteral("2001-03-04"));
    EXPECT_EQ(ui.Text36->text(), QStringLiteral("110101198001020021"));
    EXPECT_EQ(ui.Text37->text(), QStringLiteral("HT-9 "));
    EXPECT_EQ(ui.Text25->text(), QStringLiteral("2001-03-04"));
    EXPECT_EQ(ui.Text27->text(), QStringLiteral("165"));
    EXPECT_EQ(ui.Text26->text(), QStringLiteral("2031-03-03"));
    EXPECT_EQ(ui.Text44->text(), QStringLiteral("北京市"));
    EXPECT_EQ(ui.Text50->text(), QStringLiteral("某大学 "));
    EXPECT_EQ(ui.Text64->text(), QStringLiteral("某路1号 "));
    EXPECT_EQ(ui.Text22->text(), QStringLiteral("书法 "));
    EXPECT_EQ(ui.Text46->text(), QStringLiteral("已婚 "));
    EXPECT_EQ(ui.Text52->text(), QStringLiteral("会计 "));
    EXPECT_EQ(ui.Text42->text(), QStringLiteral("群众 "));
    EXPECT_EQ(ui.Text48->text(), QStringLiteral("英语 "));
    EXPECT_EQ(ui.Text54->text(), QStringLiteral("123 "));
    EXPECT_TRUE(ui.Text24->text().isEmpty());
    EXPECT_FALSE(ui.Image1->pixmap().isNull());

    // A number in another row without a photograph: the box empties.
    const int a1 = columnTexts(w->dgrid, 0).indexOf("A1") + 1;
    pointAt(w->dgrid, a1, 0);
    EXPECT_EQ(ui.Text15->text(), QStringLiteral("张三"));
    EXPECT_TRUE(ui.Text30->text().isEmpty());
    EXPECT_TRUE(ui.Image1->pixmap().isNull());

    // A cell that names no employee clears the panel, without a message.
    pointAt(w->dgrid, a1, 1);
    EXPECT_TRUE(ui.Text5->text().isEmpty());
    EXPECT_TRUE(ui.Text15->text().isEmpty());
    EXPECT_TRUE(messages().empty());
}

TEST_F(MainWindowSelection, NumberIsTrimmedForTheLookupAndAMissingPhotographFileShowsNothing) {
    addEmployee("C3", "王五", {{"图片", "\\pic\\C3.jpg"}});  // file never copied
    db()->execute("insert into 培训 (员工编号,姓名) values ('C3 ','王五')");
    chooseView(w, 10);
    const int row = columnTexts(w->dgrid, 0).indexOf("C3 ") + 1;
    ASSERT_GT(row, 0);
    pointAt(w->dgrid, row, 0);
    EXPECT_EQ(w->ui.Text5->text(), QStringLiteral("C3"));
    EXPECT_TRUE(w->ui.Image1->pixmap().isNull());
    EXPECT_TRUE(messages().empty());
}

TEST_F(MainWindowSelection, PopupFollowsViewModeOnlyWhileEmployeesExistedAtLoad) {
    EXPECT_EQ(w->PopupFor(2), w->ui.edtpop1);
    EXPECT_EQ(w->PopupFor(4), w->ui.edtpop1);
    EXPECT_EQ(w->PopupFor(5), w->ui.edtpop1);
    EXPECT_EQ(w->PopupFor(6), w->ui.edtpop1);
    EXPECT_EQ(w->PopupFor(8), w->ui.edtpop2);
    EXPECT_EQ(w->PopupFor(10), w->ui.edtpop3);
    for (short m : {0, 1, 3, 9, 11, 13, 14}) EXPECT_EQ(w->PopupFor(m), nullptr) << m;

    // ViewMode 0 after load: nothing, whatever the grid shows.
    pointAt(w->dgrid, 1, 0);
    clickCell(w->dgrid, 1, 0, Qt::RightButton);
    EXPECT_FALSE(w->ui.edtpop1->isVisible());

    chooseView(w, 4);
    pointAt(w->dgrid, 1, 0);  // a left click opens nothing
    EXPECT_FALSE(w->ui.edtpop1->isVisible());
    clickCell(w->dgrid, 1, 0, Qt::RightButton);
    EXPECT_TRUE(w->ui.edtpop1->isVisible());
    w->ui.edtpop1->hide();

    // A view menu command leaves ViewMode, so the popup stays the employee one.
    menuCommand(w, QStringLiteral("培训档案(&P)"), QStringLiteral("档案查看"));
    pointAt(w->dgrid, 1, 0);
    clickCell(w->dgrid, 1, 0, Qt::RightButton);
    EXPECT_TRUE(w->ui.edtpop1->isVisible());
    w->ui.edtpop1->hide();

    // After a refresh the current cell is on the header row: a right click opens nothing.
    menuCommand(w, QStringLiteral("培训档案(&P)"), QStringLiteral("档案查看"));
    clickCell(w->dgrid, 1, 0, Qt::RightButton);
    EXPECT_FALSE(w->ui.edtpop1->isVisible());
}

class MainGridPointing : public MainWindowSelection {
protected:
    void SetUp() override {
        MainWindowSelection::SetUp();
        addEmployee("E2", "李四", {{"部门", "财务部"}});
        addEmployee("E5", "王五", {{"部门", "财务部"}});
        chooseView(w, 4);
    }
    int rowOf(const char* no) const { return columnTexts(w->dgrid, 0).indexOf(QString::fromUtf8(no)) + 1; }
    // The rows the grid shows highlighted (1 = first data row).
    QList<int> highlighted() const {
        QList<int> rows;
        for (const QModelIndex& i : w->dgrid->selectionModel()->selectedRows()) rows << i.row() + 1;
        return rows;
    }
    // A right click on the cell, then the popup's command.
    void popupCommand(int row, const QString& caption) {
        clickCell(w->dgrid, row, 0, Qt::RightButton);
        QMenu* popup = openPopup();
        ASSERT_EQ(popup, w->ui.edtpop1);
        ASSERT_TRUE(choose(popup, caption));
        processEvents();
    }
    // The popup's command opens window W with this number in its number box; then W closes.
    template <class W>
    void numberOpenedBy(int row, const QString& caption, const QString& no) {
        popupCommand(row, caption);
        ASSERT_TRUE(WindowHost::Exists<W>()) << caption.toStdString();
        EXPECT_EQ(WindowHost::Default<W>()->ui.Text1->text(), no) << caption.toStdString();
        WindowHost::Default<W>()->Unload();
        processEvents();
        activate(w);
    }
};

TEST_F(MainGridPointing, ARightClickLeavesTheLeftClickedRowAndEveryPopupCommandActsOnIt) {
    const int e2 = rowOf("E2");
    const int e5 = rowOf("E5");
    ASSERT_GT(e2, 0);
    ASSERT_GT(e5, 0);
    clickCell(w->dgrid, e2, 0);
    clickCell(w->dgrid, e5, 0, Qt::RightButton);
    EXPECT_EQ(w->dgrid->Row(), e2);
    EXPECT_EQ(highlighted(), QList<int>{e2});
    EXPECT_EQ(w->ui.Text5->text(), QStringLiteral("E2"));  // the panel stays on the left-clicked row
    // The popup stands 1000 twips below the row's top within the grid, counted from the window's top.
    QMenu* popup = openPopup();
    ASSERT_NE(popup, nullptr);
    const QPoint expected = w->ui.Client->mapToGlobal(
        QPoint(TwipsToPixels(4000), TwipsToPixels(w->dgrid->CellTop() + 1000)));
    EXPECT_EQ(popup->pos(), expected);
    popup->hide();

    // Each command, chosen after a right click on E5, opens its window on E2.
    numberOpenedBy<Formmod>(e5, QStringLiteral("修改 (&C)"), QStringLiteral("E2"));
    numberOpenedBy<Formyglz>(e5, QStringLiteral("离职 (&L)"), QStringLiteral("E2"));
    numberOpenedBy<formygdd>(e5, QStringLiteral("调动 (&D)"), QStringLiteral("E2"));
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
}

TEST_F(MainGridPointing, AfterASaveTheHeaderIsCurrentNoRowIsHighlightedAndTheSameCellSelectsAgain) {
    const int e2 = rowOf("E2");
    clickCell(w->dgrid, e2, 0);
    popupCommand(e2, QStringLiteral("修改 (&C)"));
    auto* m = WindowHost::Default<Formmod>();
    ASSERT_EQ(m->ui.Text1->text(), QStringLiteral("E2"));
    activate(m);
    click(m->ui.Command1);  // 确  定: saves, refreshes the main grid, closes
    processEvents();
    EXPECT_FALSE(WindowHost::Exists<Formmod>());
    ASSERT_TRUE(messages().empty()) << lastMessage().toStdString();

    // What the grid shows as current is what the program reads: the header row,
    // also once the grid has the focus again.
    activate(w);
    w->dgrid->setFocus(Qt::ActiveWindowFocusReason);
    EXPECT_EQ(w->dgrid->Row(), 0);
    EXPECT_FALSE(w->dgrid->currentIndex().isValid());
    EXPECT_TRUE(highlighted().isEmpty());
    // Windows that take the current cell as their number start empty on the header row.
    menuCommand(w, QStringLiteral("员工管理(&Y)"), QStringLiteral("员工部门调动"));
    ASSERT_TRUE(WindowHost::Exists<formygdd>());
    EXPECT_TRUE(WindowHost::Default<formygdd>()->ui.Text1->text().isEmpty());
    WindowHost::Default<formygdd>()->Unload();
    processEvents();
    menuCommand(w, QStringLiteral("员工管理(&Y)"), QStringLiteral("员工离职处理"));
    ASSERT_TRUE(WindowHost::Exists<Formyglz>());
    EXPECT_TRUE(WindowHost::Default<Formyglz>()->ui.Text1->text().isEmpty());
    WindowHost::Default<Formyglz>()->Unload();
    processEvents();

    // The clerk clicks the cell clicked before the save: it is the current cell once more.
    activate(w);
    const QString there = w->dgrid->TextMatrix(e2, 0);
    clickCell(w->dgrid, e2, 0);
    EXPECT_EQ(w->dgrid->Row(), e2);
    EXPECT_EQ(Module().CurrentEmployeeNo, there);
    EXPECT_EQ(highlighted(), QList<int>{e2});
    popupCommand(e2, QStringLiteral("修改 (&C)"));
    EXPECT_EQ(WindowHost::Default<Formmod>()->ui.Text1->text(), there);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
}

TEST_F(MainGridPointing, ArrowKeysMoveTheCurrentRowAndTheDetailPanel) {
    const int e2 = rowOf("E2");
    clickCell(w->dgrid, e2, 0);
    ASSERT_EQ(focused(), w->dgrid);
    press(e2 < w->dgrid->Rows() - 1 ? Qt::Key_Down : Qt::Key_Up);
    const int now = w->dgrid->Row();
    EXPECT_NE(now, e2);
    EXPECT_EQ(w->ui.Text5->text(), w->dgrid->TextMatrix(now, 0));
    EXPECT_EQ(highlighted(), QList<int>{now});
}

TEST_F(MainWindow, NoPopupForTheWholeRunWhenTheTableWasEmptyAtLoad) {
    db()->execute("delete from 员工信息");
    auto* w = open();
    EXPECT_FALSE(Module().HasEmployees);
    addEmployee("A1", "张三");
    chooseView(w, 4);
    pointAt(w->dgrid, 1, 0);
    clickCell(w->dgrid, 1, 0, Qt::RightButton);
    EXPECT_FALSE(w->ui.edtpop1->isVisible());
}

// ---------------------------------------------------------------- menus

TEST_F(MainWindow, MenuBarHoldsElevenHeadingsWithTheirItemsInOrder) {
    auto* w = open();
    QStringList headings;
    for (QAction* a : w->ui.menuBar->actions()) headings << a->text();
    EXPECT_EQ(headings, (QStringList{"人事档案(&F)", "合同管理(&e)", "员工管理(&Y)", "查询中心(&S)", "系统初始化(&I)",
                                     "培训档案(&P)", "考核情况(&K)", "打印(&D)", "用户管理(&Z)", "数据处理(&B)",
                                     "关于我们(&A)"}));
    const auto items = [](QMenu* m) {
        QStringList out;
        for (QAction* a : m->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    };
    EXPECT_EQ(items(w->ui.da), (QStringList{"完整资料", "-", "基本情况", "工作情况", "其他情况"}));
    EXPECT_EQ(items(w->ui.yzgl), (QStringList{"录入新进员工", "修改员工资料", "员工部门调动", "-", "员工离职处理", "删除离职人员资料"}));
    EXPECT_EQ(items(w->ui.csh), (QStringList{"期初人事资料清空", "部门初始化", "查看民族表", "查看区划表"}));
    EXPECT_EQ(items(w->ui.pxda), (QStringList{"档案查看", "-", "档案登记", "档案修改", "档案删除"}));
    EXPECT_EQ(items(w->ui.khqk), (QStringList{"经理级考核表定义", "员工级考核表定义", "-", "查看年份", "表头定义", "输入经理考核", "输入员工考核"}));
    EXPECT_EQ(items(w->ui.report), (QStringList{"打印到EXCEl", "打印"}));
    EXPECT_EQ(items(w->ui.sjcl), (QStringList{"数据备份", "数据还原"}));
    EXPECT_EQ(items(w->ui.edtpop1), (QStringList{"新建 (&CR)", "查看 (&S)", "修改 (&C)", "-", "调动 (&D)", "离职 (&L)", "-", "排序"}));
    EXPECT_EQ(items(w->ui.Sort1), (QStringList{"员工编号", "按部门", "录用日期", "按职位"}));
    EXPECT_EQ(items(w->ui.edtpop3), (QStringList{"新建培训(&C)", "修改资料(&CH)", "资料删除(&D)"}));
    EXPECT_EQ(items(w->ui.edtpop), (QStringList{"插入节点", "插入子节点", "-", "删除节点"}));

    // The switched-off entries stand greyed; nothing has a shortcut.
    EXPECT_FALSE(w->ui.htgl->menuAction()->isEnabled());
    EXPECT_FALSE(w->ui.nf->isEnabled());
    EXPECT_FALSE(w->ui.lrjlkh->isEnabled());
    EXPECT_FALSE(w->ui.lrygkh->isEnabled());
    EXPECT_TRUE(w->ui.btdy->isEnabled());
    for (QAction* a : w->findChildren<QAction*>()) EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
}

TEST_F(MainWindow, TrainingModifyAsksForATrainingRowFirst) {
    auto* w = open();
    for (const QString& key : {QString(), QStringLiteral("1")}) {
        clearMessages();
        Module().CurrentTrainingKey = key;
        menuCommand(w, QStringLiteral("培训档案(&P)"), QStringLiteral("档案修改"));
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].text, QStringLiteral("请先选择一条培训档案"));
        EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
        EXPECT_EQ(messages()[0].title, QStringLiteral("提示"));
    }
    EXPECT_FALSE(shown().contains("frmdaxg"));
    clearMessages();
    Module().CurrentTrainingKey = QStringLiteral("11");
    menuCommand(w, QStringLiteral("培训档案(&P)"), QStringLiteral("档案修改"));
    EXPECT_TRUE(shown().contains("frmdaxg"));
    WindowHost::Unload<frmdaxg>();
    processEvents();

    // The training popup's modify item asks nothing, though the clicked cell (the
    // placeholder's blank name) names no training row.
    chooseView(w, 10);
    clickCell(w->dgrid, 1, 1);
    ASSERT_TRUE(Module().CurrentTrainingKey.isEmpty());
    WindowHost::ClearLog();
    clearMessages();
    gridPopup(w, 1, {QStringLiteral("修改资料(&CH)")});
    EXPECT_TRUE(shown().contains("frmdaxg"));
    EXPECT_EQ(std::count_if(messages().begin(), messages().end(),
                            [](const MsgRecord& m) { return m.text == QStringLiteral("请先选择一条培训档案"); }),
              0);
}

TEST_F(MainWindow, LeaverDeletionFromTheMenuWarnsFirstAndCancelStopsIt) {
    auto* w = open();
    answer(MsgAnswer::Cancel);
    menuCommand(w, QStringLiteral("员工管理(&Y)"), QStringLiteral("删除离职人员资料"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("此操作将真正删除数据库中数据，请慎重操作"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Information);
    EXPECT_EQ(messages()[0].buttons, MsgButtons::OKCancel);
    EXPECT_TRUE(shown().filter("Formdel").isEmpty());
    menuCommand(w, QStringLiteral("员工管理(&Y)"), QStringLiteral("删除离职人员资料"));  // answered OK
    EXPECT_TRUE(shown().contains("Formdel"));
    WindowHost::UnloadAll();
    processEvents();
    w = open();
    chooseView(w, 8);  // 离职人员
    clickCell(w->dgrid, 1, 0);
    WindowHost::ClearLog();
    clearMessages();
    gridPopup(w, 1, {QStringLiteral("删除资料(&D)")});  // the popup asks nothing
    EXPECT_EQ(std::count_if(messages().begin(), messages().end(),
                            [](const MsgRecord& m) { return m.text.contains(QStringLiteral("慎重操作")); }),
              0);
    EXPECT_TRUE(shown().contains("Formdel"));
}

TEST_F(MainWindow, MenuAndPopupItemsOpenTheirWindows) {
    const struct {
        const char* heading;  // of the menu bar; none: the grid's popup in the view at that tree position
        int view;
        const char* item;
        const char* window;
    } cases[] = {
        {"员工管理(&Y)", 0, "录入新进员工", "Formlr"},       {"员工管理(&Y)", 0, "修改员工资料", "Formmod"},
        {"员工管理(&Y)", 0, "员工部门调动", "formygdd"},     {"员工管理(&Y)", 0, "员工离职处理", "Formyglz"},
        {"查询中心(&S)", 0, "综合查询", "AddSearch"},        {"系统初始化(&I)", 0, "部门初始化", "Formcsh"},
        {"系统初始化(&I)", 0, "查看民族表", "formmzb"},      {"系统初始化(&I)", 0, "查看区划表", "formqhb"},
        {"培训档案(&P)", 0, "档案登记", "frmdadj"},          {"考核情况(&K)", 0, "经理级考核表定义", "Formnew"},
        {"考核情况(&K)", 0, "员工级考核表定义", "Formnew1"}, {"考核情况(&K)", 0, "表头定义", "Formbtdy"},
        {"用户管理(&Z)", 0, "账户管理", "Formyf"},           {nullptr, 4, "新建 (&CR)", "Formlr"},
        {nullptr, 4, "修改 (&C)", "Formmod"},                {nullptr, 4, "调动 (&D)", "formygdd"},
        {nullptr, 4, "离职 (&L)", "Formyglz"},               {nullptr, 10, "新建培训(&C)", "frmdadj"},
    };
    for (const auto& c : cases) {
        auto* w = open();
        const QString item = QString::fromUtf8(c.item);
        if (c.heading) {
            WindowHost::ClearLog();
            menuCommand(w, QString::fromUtf8(c.heading), item);
        } else {
            chooseView(w, c.view);
            clickCell(w->dgrid, 1, 0);
            WindowHost::ClearLog();
            gridPopup(w, 1, {item});
        }
        EXPECT_TRUE(shown().contains(QString::fromLatin1(c.window)))
            << c.window << ": " << shown().join(',').toStdString();
        WindowHost::UnloadAll();
        processEvents();
    }
}

TEST_F(MainWindow, HomePageOpensTheMakersAddress) {
    QString opened;
    const auto keep = Form1::ShellOpen;
    Form1::ShellOpen = [&](const QString& url) { opened = url; };
    menuCommand(wide(open()), QStringLiteral("关于我们(&A)"), QStringLiteral("公司主页"));
    Form1::ShellOpen = keep;
    EXPECT_EQ(opened, Form1::kHomePage);
}

TEST_F(MainWindow, BackupClosesTheMainWindowAndEndsTheProgramRestoreOnlyCloses) {
    menuCommand(wide(open()), QStringLiteral("数据处理(&B)"), QStringLiteral("数据还原"));
    EXPECT_FALSE(WindowHost::Exists<Form1>());
    EXPECT_FALSE(programEnded());
    WindowHost::Default<Formsjhf>()->close();  // its close box: the main window can be reached again
    processEvents();
    ASSERT_FALSE(programEnded());
    menuCommand(wide(open()), QStringLiteral("数据处理(&B)"), QStringLiteral("数据备份"));
    EXPECT_FALSE(WindowHost::Exists<Form1>());
    EXPECT_TRUE(programEnded());
}
