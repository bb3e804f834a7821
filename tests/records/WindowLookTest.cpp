#include "WindowLookTest.h"

#include "records/AddSearch.h"
#include "records/Formdel.h"
#include "records/Formlr.h"
#include "records/Formmod.h"
#include "records/Formshow1.h"
#include "records/Formyglz.h"
#include "records/formmzb.h"
#include "records/formqhb.h"
#include "records/formshow.h"
#include "records/formygdd.h"
#include "records/frmllrc.h"
#include "records/frmloadpic.h"
#include "shell/Form1.h"
#include "common/ModuleState.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>

using namespace platform;
using namespace halvern;
using halvern::test::WindowLookTest;

class RecordWindowLook : public WindowLookTest {
protected:
    void SetUp() override {
        WindowLookTest::SetUp();
        QDir().mkpath(path(QStringLiteral("pic")));
        // A photograph twice as wide as high: a 120 × 150 box must not stretch it.
        QImage img(300, 150, QImage::Format_RGB32);
        img.fill(Qt::darkBlue);
        ASSERT_TRUE(img.save(path(QStringLiteral("pic/E1.jpg")), "JPG"));
        addEmployee(QStringLiteral("E1"), QStringLiteral("张三_鹰"),
                    {{QStringLiteral("部门"), QStringLiteral("技术部 ")}, {QStringLiteral("图片"), QStringLiteral("pic/E1.jpg")}});
        db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名, 图片, 离职原因) values ('L1', '李四', 'pic/E1.jpg', '另谋高就 ')"));
        WindowHost::Show(WindowHost::Default<Form1>());
        Module().CurrentEmployeeNo = QStringLiteral("E1");
    }
};

TEST_F(RecordWindowLook, EntryWindowAndItsDropDownLists) { expectReadable<Formlr>(); }
TEST_F(RecordWindowLook, ModifyWindow) { expectReadable<Formmod>(); }
TEST_F(RecordWindowLook, LeaverDeletion) { expectReadable<Formdel>(); }
TEST_F(RecordWindowLook, DepartmentTransferAndItsDepartmentList) { expectReadable<formygdd>(); }
TEST_F(RecordWindowLook, Resignation) { expectReadable<Formyglz>(); }
TEST_F(RecordWindowLook, PhotographPicker) { expectReadable<frmloadpic>(); }
TEST_F(RecordWindowLook, CareerHistoryEditor) { expectReadable<frmllrc>(); }
TEST_F(RecordWindowLook, NationalityTable) { expectReadable<formmzb>(); }
TEST_F(RecordWindowLook, RegionTable) { expectReadable<formqhb>(); }

TEST_F(RecordWindowLook, CombinedSearchWithConditionsListed) {
    auto* w = WindowHost::Default<AddSearch>();
    WindowHost::Show(w, ShowMode::Modal);
    w->ui.list1->addItems({QStringLiteral("姓名        =(等于)        张三_鹰"), QStringLiteral("and 部门   like(包含)   技术")});
    expectReadable(w);
}

TEST_F(RecordWindowLook, EmployeeViewKeepsThePhotographsProportions) {
    Module().ViewEmployeeNo = QStringLiteral("E1");
    auto* w = WindowHost::Default<formshow>();
    WindowHost::Show(w, ShowMode::Modal);
    expectReadable(w);
    const QPixmap shown = w->ui.Image1->pixmap();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.size(), QSize(120, 60));
}

TEST_F(RecordWindowLook, LeaverViewKeepsThePhotographsProportions) {
    Module().ViewEmployeeNo = QStringLiteral("L1");
    auto* w = WindowHost::Default<Formshow1>();
    WindowHost::Show(w, ShowMode::Modal);
    expectReadable(w);
    EXPECT_EQ(w->ui.Image1->pixmap().size(), QSize(120, 60));
}
