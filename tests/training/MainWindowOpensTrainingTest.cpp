#include "TestProgram.h"

#include "platform/WindowHost.h"
#include "shell/Form1.h"
#include "common/ModuleState.h"
#include "training/Formshowkh.h"
#include "training/Formshowpx.h"

using namespace platform;
using namespace halvern;
using halvern::test::ProgramTest;

class MainWindowOpensTraining : public ProgramTest {
protected:
    Form1* main() {
        Form1* m = WindowHost::Default<Form1>();
        m->Load();
        clearMessages();
        WindowHost::ClearLog();
        return m;
    }
    // Clicks the grid cell of the first column that holds text.
    static bool clickRowOf(Form1* m, const QString& text) {
        for (int r = 1; r < m->dgrid->Rows(); ++r) {
            if (m->dgrid->TextMatrix(r, 0).trimmed() != text) continue;
            m->dgrid->SetRow(r);
            m->dgrid->SetCol(0);
            m->dgrid_Click();
            return true;
        }
        return false;
    }
};

TEST_F(MainWindowOpensTraining, MenuAndPopupItemsOpenTheirWindows) {
    Form1* m = main();
    m->dadj_Click();
    m->CrPeixun_Click();
    m->jlkhdy_Click();
    m->ygkhdy_Click();
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("frmdadj"), QStringLiteral("frmdadj"), QStringLiteral("Formnew"),
                                    QStringLiteral("Formnew1")}));
}

TEST_F(MainWindowOpensTraining, DoubleClickInTheTrainingViewShowsTheRecord) {
    addEmployee(QStringLiteral("E01"), QStringLiteral("张三"));
    db()->execute(QStringLiteral("insert into 培训 (员工编号,培训项目) values ('E01','消防 ')"));
    Form1* m = main();
    m->ShowTrainingView();
    m->SetPanelText(3, QStringLiteral("人事培训"));
    ASSERT_TRUE(clickRowOf(m, QStringLiteral("E01")));
    EXPECT_EQ(Module().CurrentTrainingKey, QStringLiteral("E01"));
    m->dgrid_DblClick();
    ASSERT_TRUE(WindowHost::Exists<Formshowpx>());
    EXPECT_EQ(WindowHost::Default<Formshowpx>()->ui.Text5->text(), QStringLiteral("消防 "));
    m->ZiliaoCh_Click();
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("Formshowpx"), QStringLiteral("frmdaxg")}));
}

TEST_F(MainWindowOpensTraining, DoubleClickInTheManagerViewOpensTheSheet) {
    addEmployee(QStringLiteral("M01"), QStringLiteral("张经理"), {{QStringLiteral("职位"), QStringLiteral("经理")}});
    Form1* m = main();
    m->ShowManagerList();
    m->SetPanelText(3, QStringLiteral("经理级考核记录"));
    ASSERT_TRUE(clickRowOf(m, QStringLiteral("M01")));
    m->dgrid_DblClick();
    ASSERT_TRUE(WindowHost::Exists<Formshowkh>());
    EXPECT_EQ(WindowHost::Default<Formshowkh>()->ui.Label4->text(), QStringLiteral("张经理"));
}
