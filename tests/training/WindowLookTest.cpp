#include "WindowLookTest.h"

#include "shell/Form1.h"
#include "common/ModuleState.h"
#include "training/Formbtdy.h"
#include "training/Formcsh.h"
#include "training/Formnew.h"
#include "training/Formnew1.h"
#include "training/Formshowkh.h"
#include "training/Formshowkh1.h"
#include "training/Formshowpx.h"
#include "training/frmdadj.h"
#include "training/frmdaxg.h"

#include <QListWidget>

using namespace platform;
using namespace halvern;
using halvern::test::WindowLookTest;

class TrainingWindowLook : public WindowLookTest {
protected:
    void SetUp() override {
        WindowLookTest::SetUp();
        addEmployee(QStringLiteral("E1"), QStringLiteral("张三_鹰"), {{QStringLiteral("部门"), QStringLiteral("技术部 ")}});
        db()->execute(QStringLiteral("insert into 培训 (员工编号, 姓名, 部门, 培训项目) values ('E1', '张三_鹰', '技术部 ', '安全_培训 ')"));
        WindowHost::Show(WindowHost::Default<Form1>());
        Module().CurrentTrainingKey = QStringLiteral("E1");
        Module().CurrentAssessmentKey = QStringLiteral("E1");
    }
};

TEST_F(TrainingWindowLook, TrainingRegisterWithItsQuickSearchList) {
    auto* w = WindowHost::Default<frmdadj>();
    WindowHost::Show(w, ShowMode::Modal);
    w->ui.list1->addItems({QStringLiteral("E1:张三_鹰:技术部"), QStringLiteral("E2:李_四:人事部")});
    expectReadable(w);
}

TEST_F(TrainingWindowLook, TrainingModify) { expectReadable<frmdaxg>(); }
TEST_F(TrainingWindowLook, TrainingView) { expectReadable<Formshowpx>(); }
TEST_F(TrainingWindowLook, HeadingList) { expectReadable<Formbtdy>(); }
TEST_F(TrainingWindowLook, DepartmentList) { expectReadable<Formcsh>(); }
TEST_F(TrainingWindowLook, ManagerRowLayout) { expectReadable<Formnew>(); }
TEST_F(TrainingWindowLook, StaffRowLayout) { expectReadable<Formnew1>(); }
TEST_F(TrainingWindowLook, ManagerAssessmentSheet) { expectReadable<Formshowkh>(); }
TEST_F(TrainingWindowLook, StaffAssessmentSheet) { expectReadable<Formshowkh1>(); }
