#include "MainWindowInput.h"
#include "TestProgram.h"

#include "platform/WindowHost.h"
#include "shell/Form1.h"
#include "shell/Views.h"
#include "common/ModuleState.h"
#include "training/Formshowkh.h"
#include "training/Formshowpx.h"

#include <QApplication>

using namespace platform;
using namespace halvern;
using halvern::test::ProgramTest;
using namespace halvern::test;

class MainWindowOpensTraining : public ProgramTest {
protected:
    Form1* main() {
        Form1* m = WindowHost::Default<Form1>();
        WindowHost::Show(m, ShowMode::Modeless);
        clearMessages();
        WindowHost::ClearLog();
        return m;
    }
    // Clicks the grid cell of the first column that holds text.
    static bool clickRowOf(Form1* m, const QString& text) {
        const int r = mainGridRow(m, text);
        if (r == 0) return false;
        activate(m);
        clickCell(m->dgrid, r, 0);
        return true;
    }
    // The window a command opened, closed by its close box so the main window takes clicks again.
    static void closeOpened() {
        if (QWidget* opened = QApplication::activeModalWidget()) opened->close();
        processEvents();
    }
};

TEST_F(MainWindowOpensTraining, MenuAndPopupItemsOpenTheirWindows) {
    Form1* m = main();
    const QString assessments = QStringLiteral("考核情况(&K)");
    ASSERT_TRUE(chooseMainMenu(m, QStringLiteral("培训档案(&P)"), QStringLiteral("档案登记")));
    closeOpened();
    chooseView(m, kTrainingView);
    ASSERT_GT(m->dgrid->Rows(), 1);
    ASSERT_TRUE(chooseFromGridPopup(m, 1, QStringLiteral("新建培训(&C)")));
    closeOpened();
    ASSERT_TRUE(chooseMainMenu(m, assessments, QStringLiteral("经理级考核表定义")));
    closeOpened();
    ASSERT_TRUE(chooseMainMenu(m, assessments, QStringLiteral("员工级考核表定义")));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("frmdadj"), QStringLiteral("frmdadj"), QStringLiteral("Formnew"),
                                    QStringLiteral("Formnew1")}));
}

TEST_F(MainWindowOpensTraining, DoubleClickInTheTrainingViewShowsTheRecord) {
    addEmployee(QStringLiteral("E01"), QStringLiteral("张三"));
    db()->execute(QStringLiteral("insert into 培训 (员工编号,培训项目) values ('E01','消防 ')"));
    Form1* m = main();
    chooseView(m, kTrainingView);  // 人事培训
    ASSERT_TRUE(clickRowOf(m, QStringLiteral("E01")));
    EXPECT_EQ(Module().CurrentTrainingKey, QStringLiteral("E01"));
    doubleClickCell(m->dgrid, mainGridRow(m, QStringLiteral("E01")), 0);
    ASSERT_TRUE(WindowHost::Exists<Formshowpx>());
    EXPECT_EQ(WindowHost::Default<Formshowpx>()->ui.Text5->text(), QStringLiteral("消防 "));
    closeOpened();
    ASSERT_TRUE(chooseFromGridPopup(m, mainGridRow(m, QStringLiteral("E01")), QStringLiteral("修改资料(&CH)")));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("Formshowpx"), QStringLiteral("frmdaxg")}));
}

TEST_F(MainWindowOpensTraining, DoubleClickInTheManagerViewOpensTheSheet) {
    addEmployee(QStringLiteral("M01"), QStringLiteral("张经理"), {{QStringLiteral("职位"), QStringLiteral("经理")}});
    Form1* m = main();
    chooseView(m, kManagerList);  // 经理级考核记录
    ASSERT_TRUE(clickRowOf(m, QStringLiteral("M01")));
    doubleClickCell(m->dgrid, mainGridRow(m, QStringLiteral("M01")), 0);
    ASSERT_TRUE(WindowHost::Exists<Formshowkh>());
    EXPECT_EQ(WindowHost::Default<Formshowkh>()->ui.Label4->text(), QStringLiteral("张经理"));
}
