// The photograph picker hands a picture file to the entry or modify window;
// the career-history editor edits the texts of the window that opened it.
#include "EmployeeWindowTest.h"

#include "platform/WindowHost.h"
#include "records/Formlr.h"
#include "records/Formmod.h"
#include "records/Formshow1.h"
#include "records/formshow.h"
#include "records/frmllrc.h"
#include "records/frmloadpic.h"
#include "common/ModuleState.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPlainTextEdit>

using namespace platform;
using namespace halvern;
using halvern::test::EmployeeWindowTest;
using halvern::test::ProgramTest;
using halvern::test::activate;
using halvern::test::click;
using halvern::test::clickControl;
using halvern::test::clickItem;
using halvern::test::doubleClickItem;
using halvern::test::focused;
using halvern::test::press;

namespace {

void writePicture(const QString& path, const char* format) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    ASSERT_TRUE(image.save(path, format)) << path.toStdString();
}

QStringList listed(const QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
}

}  // namespace

class PhotographPicker : public EmployeeWindowTest {
protected:
    void SetUp() override {
        EmployeeWindowTest::SetUp();
        folder = path(QStringLiteral("photos"));
        QDir().mkpath(folder + QStringLiteral("/older"));
        writePicture(folder + QStringLiteral("/a.jpg"), "JPG");
        writePicture(folder + QStringLiteral("/B.JPG"), "JPG");
        // Qt writes no GIF; the caption picture of the program directory is one.
        ASSERT_TRUE(QFile::copy(path(QStringLiteral("testcaptionbar.gif")), folder + QStringLiteral("/c.Gif")));
        writePicture(folder + QStringLiteral("/d.bmp"), "BMP");
        writePicture(folder + QStringLiteral("/e.png"), "PNG");
        QFile bad(folder + QStringLiteral("/broken.jpg"));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("this is no picture");
    }
    // The picker as the entry window opens it: a click on its photo frame.
    frmloadpic* openPicker(const QString& caller) {
        EXPECT_EQ(caller, QStringLiteral("lr"));
        auto* w = WindowHost::Exists<Formlr>() ? WindowHost::Default<Formlr>() : entry();
        activate(w);
        clickControl(w->ui.Frame2);
        EXPECT_EQ(Module().PictureCaller, caller);
        auto* p = WindowHost::Default<frmloadpic>();
        p->ui.Dir1->SetPath(folder);
        activate(p);
        return p;
    }
    // A click on the file of that name in the picker's file list.
    static void clickFile(frmloadpic* p, const QString& name) {
        const auto found = p->ui.File1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        clickItem(p->ui.File1, p->ui.File1->indexFromItem(found.first()));
    }
    // Tab until the focus reaches control, as the user does to come into it.
    static void tabInto(QWidget* control) {
        for (int i = 0; i < 8 && focused() != control; ++i) press(Qt::Key_Tab);
        ASSERT_EQ(focused(), control);
    }
    QString folder;
};

TEST_F(PhotographPicker, ListsThePictureKindsWhateverTheCaseOfTheirExtension) {
    auto* p = openPicker(QStringLiteral("lr"));
    EXPECT_EQ(p->windowTitle(), QStringLiteral("选择照片"));
    EXPECT_EQ(p->FilePath(), QDir::cleanPath(folder));
    EXPECT_EQ(listed(p->ui.File1),
              (QStringList{QStringLiteral("a.jpg"), QStringLiteral("B.JPG"), QStringLiteral("broken.jpg"),
                           QStringLiteral("c.Gif"), QStringLiteral("d.bmp")}));
    // The drives offer the root and the home folder.
    QStringList drives;
    for (int i = 0; i < p->ui.Drive1->count(); ++i) drives << p->ui.Drive1->itemData(i).toString();
    EXPECT_TRUE(drives.contains(QStringLiteral("/")));
    EXPECT_TRUE(drives.contains(QDir::homePath()));
}

TEST_F(PhotographPicker, ConfirmedChoiceFillsTheEntryWindowsPhotoBoxAndIsSavedWithTheEmployee) {
    auto* w = entry();
    clickControl(w->ui.Label5);  // 点击此处添加图片
    ASSERT_TRUE(WindowHost::Exists<frmloadpic>());
    EXPECT_EQ(Module().PictureCaller, QStringLiteral("lr"));
    auto* p = WindowHost::Default<frmloadpic>();
    p->ui.Dir1->SetPath(folder);
    activate(p);
    clickFile(p, QStringLiteral("B.JPG"));
    EXPECT_EQ(Module().PicturePath, QDir::cleanPath(folder) + QStringLiteral("/B.JPG"));
    EXPECT_FALSE(p->ui.Image1->pixmap().isNull());
    EXPECT_TRUE(w->ui.Image1->pixmap().isNull());  // nothing reaches the opener before 确定
    click(p->ui.Command1);
    EXPECT_FALSE(WindowHost::Exists<frmloadpic>());
    EXPECT_FALSE(w->ui.Image1->pixmap().isNull());
    EXPECT_TRUE(w->ui.Label5->isHidden());
    EXPECT_TRUE(messages().empty());

    w->ui.Text1->setText(QStringLiteral("E01"));
    w->ui.Text2->setText(QStringLiteral("张三"));
    clickControl(w->ui.Command1);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("pic/E01.JPG"))));
}

TEST_F(PhotographPicker, ClosingByTheCloseBoxWithdrawsAChoiceOfThatOpening) {
    auto* w = entry();
    auto* p = openPicker(QStringLiteral("lr"));
    clickFile(p, QStringLiteral("a.jpg"));
    click(p->ui.Command1);
    const QString first = Module().PicturePath;
    ASSERT_FALSE(first.isEmpty());

    p = openPicker(QStringLiteral("lr"));
    clickFile(p, QStringLiteral("d.bmp"));
    p->close();
    processEvents();
    EXPECT_FALSE(WindowHost::Exists<frmloadpic>());
    EXPECT_EQ(Module().PicturePath, first);
    EXPECT_TRUE(w->ui.Label5->isHidden());

    // Opened again and confirmed without a click, the earlier file is handed over again.
    w->ui.SetPhoto(QPixmap());
    p = openPicker(QStringLiteral("lr"));
    clickControl(p->ui.Command1);
    EXPECT_FALSE(w->ui.Image1->pixmap().isNull());
    EXPECT_EQ(Module().PicturePath, first);
}

TEST_F(PhotographPicker, ArrowKeysChooseAFileAsAClickDoesAndConfirmHandsItOver) {
    auto* w = entry();
    auto* p = openPicker(QStringLiteral("lr"));
    const QString dir = QDir::cleanPath(folder);
    clickFile(p, QStringLiteral("a.jpg"));
    ASSERT_EQ(focused(), p->ui.File1);
    press(Qt::Key_Down);
    EXPECT_EQ(Module().PicturePath, dir + QStringLiteral("/B.JPG"));
    EXPECT_FALSE(p->ui.Image1->pixmap().isNull());
    // Passing a file that is no picture reports it and keeps the last good choice.
    press(Qt::Key_Down);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(p->ui.Image1->pixmap().isNull());
    EXPECT_EQ(Module().PicturePath, dir + QStringLiteral("/B.JPG"));
    press(Qt::Key_Down);
    EXPECT_EQ(Module().PicturePath, dir + QStringLiteral("/c.Gif"));
    EXPECT_FALSE(p->ui.Image1->pixmap().isNull());
    press(Qt::Key_End);
    EXPECT_EQ(Module().PicturePath, dir + QStringLiteral("/d.bmp"));
    // 确定 hands the highlighted file to the entry window.
    click(p->ui.Command1);
    EXPECT_FALSE(WindowHost::Exists<frmloadpic>());
    EXPECT_FALSE(w->ui.Image1->pixmap().isNull());
    EXPECT_TRUE(w->ui.Label5->isHidden());
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(PhotographPicker, TabbedIntoTheFileListHomeChoosesTheFirstFileAndConfirmHandsItOver) {
    auto* w = entry();
    click(w->ui.Frame2);  // the photo frame 员工照片
    ASSERT_TRUE(WindowHost::Exists<frmloadpic>());
    auto* p = WindowHost::Default<frmloadpic>();
    p->ui.Dir1->SetPath(folder);
    activate(p);
    tabInto(p->ui.File1);
    EXPECT_TRUE(Module().PicturePath.isEmpty());  // coming into the list chooses nothing
    press(Qt::Key_Home);
    EXPECT_EQ(Module().PicturePath, QDir::cleanPath(folder) + QStringLiteral("/a.jpg"));
    EXPECT_FALSE(p->ui.Image1->pixmap().isNull());
    EXPECT_TRUE(p->ui.File1->item(0)->isSelected());
    click(p->ui.Command1);
    EXPECT_FALSE(WindowHost::Exists<frmloadpic>());
    EXPECT_FALSE(w->ui.Image1->pixmap().isNull());
    EXPECT_TRUE(w->ui.Label5->isHidden());
    EXPECT_TRUE(messages().empty());
}

TEST_F(PhotographPicker, TheFirstKeyInTheListChoosesTheFileUnderTheCaretAndSpaceDoesToo) {
    entry();
    const QString dir = QDir::cleanPath(folder);
    for (const int key : {Qt::Key_Space, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left}) {
        SCOPED_TRACE(key);
        auto* p = openPicker(QStringLiteral("lr"));
        tabInto(p->ui.File1);
        press(key);
        EXPECT_EQ(Module().PicturePath, dir + QStringLiteral("/a.jpg"));
        EXPECT_FALSE(p->ui.Image1->pixmap().isNull());
        p->close();  // withdraws the choice of this opening
        processEvents();
        ASSERT_TRUE(Module().PicturePath.isEmpty());
    }
    // Once a file is chosen the keys move on from it; Space on it keeps it.
    auto* p = openPicker(QStringLiteral("lr"));
    tabInto(p->ui.File1);
    press(Qt::Key_Space);
    press(Qt::Key_Down);
    EXPECT_EQ(Module().PicturePath, dir + QStringLiteral("/B.JPG"));
    press(Qt::Key_Space);
    EXPECT_EQ(Module().PicturePath, dir + QStringLiteral("/B.JPG"));
    press(Qt::Key_Up);
    EXPECT_EQ(Module().PicturePath, dir + QStringLiteral("/a.jpg"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(PhotographPicker, TheDriveBoxShowsTheDriveOfTheFolderTheListShows) {
    entry();
    auto* p = openPicker(QStringLiteral("lr"));
    QStringList drives;
    for (int i = 0; i < p->ui.Drive1->count(); ++i) drives << p->ui.Drive1->itemData(i).toString();
    ASSERT_TRUE(drives.contains(QDir::homePath()));
    ASSERT_NE(QDir::homePath(), QStringLiteral("/"));

    p->ui.Dir1->SetPath(QDir::homePath());
    EXPECT_EQ(p->ui.Drive1->Drive(), QDir::homePath());
    // A double-click on the root in the folder list opens it; the drive box follows.
    QTreeWidgetItem* root = p->ui.Dir1->topLevelItem(0);
    ASSERT_EQ(root->text(0), QStringLiteral("/"));
    doubleClickItem(p->ui.Dir1, p->ui.Dir1->indexFromItem(root));
    EXPECT_EQ(p->ui.Dir1->Path(), QStringLiteral("/"));
    EXPECT_EQ(p->ui.Drive1->Drive(), QStringLiteral("/"));
    EXPECT_EQ(p->FilePath(), QStringLiteral("/"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(PhotographPicker, AFileThatIsNoPictureIsReportedAndThePickerStaysOpen) {
    entry();
    auto* p = openPicker(QStringLiteral("lr"));
    clickFile(p, QStringLiteral("a.jpg"));
    clickFile(p, QStringLiteral("broken.jpg"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(p->ui.Image1->pixmap().isNull());
    EXPECT_EQ(Module().PicturePath, QDir::cleanPath(folder) + QStringLiteral("/a.jpg"));

    // A chosen file that has gone bad by 确定 is refused too.
    QFile::remove(folder + QStringLiteral("/a.jpg"));
    QFile::copy(folder + QStringLiteral("/broken.jpg"), folder + QStringLiteral("/a.jpg"));
    clickControl(p->ui.Command1);
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_TRUE(WindowHost::Exists<frmloadpic>());
}

TEST_F(PhotographPicker, ConfirmingWithNothingChosenEmptiesTheModifyWindowsPhotoBox) {
    addEmployee(QStringLiteral("E01"), QStringLiteral("张三"), {{QStringLiteral("图片"), QStringLiteral("\\pic\\E01.bmp")}});
    QDir().mkpath(path(QStringLiteral("pic")));
    writePicture(path(QStringLiteral("pic/E01.bmp")), "BMP");
    Module().CurrentEmployeeNo = QStringLiteral("E01");
    auto* m = WindowHost::Default<Formmod>();
    WindowHost::Show(m, ShowMode::Modal);
    ASSERT_FALSE(m->ui.Image1->pixmap().isNull());
    clickControl(m->ui.Image1);  // the photograph
    EXPECT_EQ(Module().PictureCaller, QStringLiteral("mod"));
    clickControl(WindowHost::Default<frmloadpic>()->ui.Command1);
    EXPECT_TRUE(m->ui.Image1->pixmap().isNull());
    EXPECT_TRUE(m->ui.Label5->isHidden());
    clickControl(m->ui.Command1);  // saves no photograph: 图片 keeps its value
    EXPECT_EQ(db()->scalar(QStringLiteral("select 图片 from 员工信息 where 员工编号='E01'")).toString(),
              QStringLiteral("\\pic\\E01.bmp"));
}

// ---- career-history editor -------------------------------------------------

class CareerHistoryEditor : public ProgramTest {
protected:
    frmllrc* openEditor(const QString& caller) {
        Module().HistoryCaller = caller;
        auto* e = WindowHost::Default<frmllrc>();
        WindowHost::Show(e, ShowMode::Modal);
        return e;
    }
};

TEST_F(CareerHistoryEditor, TextsConfirmedForTheEntryWindowReachTheDatabaseOnlyWithItsSave) {
    auto* w = WindowHost::Default<Formlr>();
    WindowHost::Show(w, ShowMode::Modal);
    clickControl(w->ui.Command3);
    ASSERT_TRUE(WindowHost::Exists<frmllrc>());
    auto* e = WindowHost::Default<frmllrc>();
    EXPECT_EQ(e->windowTitle(), QStringLiteral("详细覆历"));
    EXPECT_FALSE(e->IsReadOnly());
    EXPECT_TRUE(e->ui.RichTextBox1->toPlainText().isEmpty());
    e->ui.RichTextBox1->setPlainText(QStringLiteral("1998 中学\n2002 大学"));
    e->ui.RichTextBox4->setPlainText(QStringLiteral("技术部"));
    clickControl(e->ui.Command1);
    EXPECT_FALSE(WindowHost::Exists<frmllrc>());
    EXPECT_EQ(w->ui.Text27->text(), QStringLiteral("1998 中学\n2002 大学"));
    EXPECT_EQ(w->ui.Text30->text(), QStringLiteral("技术部"));
    EXPECT_EQ(count(QStringLiteral("覆历")), 0);

    w->ui.Text1->setText(QStringLiteral("E01"));
    w->ui.Text2->setText(QStringLiteral("张三"));
    clickControl(w->ui.Command1);
    EXPECT_EQ(db()->scalar(QStringLiteral("select 教育背景 from 覆历 where 员工编号='E01'")).toString(),
              QStringLiteral("1998 中学\n2002 大学 "));
}

TEST_F(CareerHistoryEditor, OpensOnTheModifyWindowsTextsAndTheCloseBoxDiscardsEdits) {
    addEmployee(QStringLiteral("E01"), QStringLiteral("张三"));
    db()->execute(QStringLiteral("insert into 覆历 (员工编号,教育背景,工作经历) values ('E01','大学 ','工厂 ')"));
    Module().CurrentEmployeeNo = QStringLiteral("E01");
    auto* m = WindowHost::Default<Formmod>();
    WindowHost::Show(m, ShowMode::Modal);
    clickControl(m->ui.Command3);
    EXPECT_EQ(Module().HistoryCaller, QStringLiteral("formmod"));
    auto* e = WindowHost::Default<frmllrc>();
    EXPECT_EQ(e->ui.RichTextBox1->toPlainText(), QStringLiteral("大学"));
    EXPECT_EQ(e->ui.RichTextBox2->toPlainText(), QStringLiteral("工厂"));
    e->ui.RichTextBox2->setPlainText(QStringLiteral("改了"));
    e->close();
    processEvents();
    EXPECT_FALSE(WindowHost::Exists<frmllrc>());
    EXPECT_EQ(m->ui.Text28->text(), QStringLiteral("工厂"));

    clickControl(m->ui.Command3);
    e = WindowHost::Default<frmllrc>();
    e->ui.RichTextBox3->setPlainText(QStringLiteral("嘉奖"));
    clickControl(e->ui.Command1);
    EXPECT_EQ(m->ui.Text29->text(), QStringLiteral("嘉奖"));
    EXPECT_EQ(m->ui.Text28->text(), QStringLiteral("工厂"));
}

TEST_F(CareerHistoryEditor, RecordViewsGetTheirTextsReadOnly) {
    addEmployee(QStringLiteral("E01"), QStringLiteral("张三"));
    db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名) values ('L01', '李四')"));
    for (const QString& no : {QStringLiteral("E01"), QStringLiteral("L01")})
        db()->execute(QStringLiteral("insert into 覆历 (员工编号,教育背景,本公司经历) values (?,'教育','本公司')"), {no});
    const auto check = [this](Form* view, QPushButton* historyButton, QPlainTextEdit* first, QPlainTextEdit* last) {
        activate(view);
        clickControl(historyButton);
        ASSERT_TRUE(WindowHost::Exists<frmllrc>());
        auto* e = WindowHost::Default<frmllrc>();
        EXPECT_TRUE(e->IsReadOnly());
        EXPECT_TRUE(e->ui.RichTextBox4->isReadOnly());
        EXPECT_EQ(e->ui.RichTextBox1->toPlainText(), QStringLiteral("教育"));
        EXPECT_EQ(e->ui.RichTextBox4->toPlainText(), QStringLiteral("本公司"));
        clickControl(e->ui.Command1);
        EXPECT_EQ(first->toPlainText(), QStringLiteral("教育"));
        EXPECT_EQ(last->toPlainText(), QStringLiteral("本公司"));
        processEvents();
    };
    Module().ViewEmployeeNo = QStringLiteral("E01");
    auto* current = WindowHost::Default<formshow>();
    WindowHost::Show(current, ShowMode::Modal);
    check(current, current->ui.Command1, current->ui.Text27, current->ui.Text30);
    EXPECT_EQ(Module().HistoryCaller, QStringLiteral("formshow"));
    Module().ViewEmployeeNo = QStringLiteral("L01");
    auto* leaver = WindowHost::Default<Formshow1>();
    WindowHost::Show(leaver, ShowMode::Modal);
    check(leaver, leaver->ui.Command1, leaver->ui.Text27, leaver->ui.Text30);
    EXPECT_EQ(Module().HistoryCaller, QStringLiteral("formshow1"));
}

TEST_F(CareerHistoryEditor, AnUnknownCallerGetsFourEmptyEditableBoxes) {
    auto* w = WindowHost::Default<Formlr>();
    WindowHost::Show(w, ShowMode::Modal);
    w->ui.Text27->setText(QStringLiteral("保留"));
    auto* e = openEditor(QStringLiteral("FormLR"));  // comparisons are exact
    EXPECT_TRUE(e->ui.RichTextBox1->toPlainText().isEmpty());
    EXPECT_FALSE(e->IsReadOnly());
    e->ui.RichTextBox1->setPlainText(QStringLiteral("不应写回"));
    clickControl(e->ui.Command1);
    EXPECT_FALSE(WindowHost::Exists<frmllrc>());
    EXPECT_EQ(w->ui.Text27->text(), QStringLiteral("保留"));
}
