// What a clerk does never loses or misplaces data: photograph files keep to pic/,
// failures of the database keep their cause, pasted text keeps to one line.
#include "EmployeeWindowTest.h"
#include "UserInput.h"

#include "platform/Database.h"
#include "platform/ProgramDir.h"
#include "platform/WindowHost.h"
#include "records/Formdel.h"
#include "records/Formlr.h"
#include "records/Formmod.h"
#include "records/Formyglz.h"
#include "shell/Form1.h"
#include "common/ModuleState.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QSet>

using namespace platform;
using namespace halvern;
using halvern::test::DamagePages;
using halvern::test::EmployeeWindowTest;
using halvern::test::FileBytes;
using halvern::test::PageCount;
using halvern::test::clickControl;

class SafeKeeping : public EmployeeWindowTest {
protected:
    void SetUp() override {
        EmployeeWindowTest::SetUp();
        QDir().mkpath(path(QStringLiteral("pic")));
        WindowHost::Default<Form1>()->Load();
        clearMessages();
    }
    // A picture the user picks, outside the program folder.
    QString chosenPicture() {
        const QString file = path(QStringLiteral("tmp/chosen.jpg"));
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::blue);
        EXPECT_TRUE(image.save(file, "JPG"));
        return file;
    }
    QString picture(const QString& no) {
        return db()->scalar(QStringLiteral("select 图片 from 员工信息 where 员工编号=?"), {no}).toString();
    }
    void writeFile(const QString& rel, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path(rel)).path());
        QFile f(path(rel));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void enter(const QString& no, const QString& photo = {}) {
        auto* w = entry();
        w->ui.Text1->setText(no);
        w->ui.Text2->setText(QStringLiteral("某人"));
        Module().PicturePath = photo;
        clickControl(w->ui.Command1);
    }
};

TEST_F(SafeKeeping, EveryNumberGetsAPhotographFileOfItsOwnInPic) {
    const QByteArray splash = FileBytes(path(QStringLiteral("varno.jpg")));
    // Numbers that look like paths, and numbers a careless naming would fold onto them.
    const QStringList numbers{QStringLiteral("..\\varno"), QStringLiteral(".._varno"), QStringLiteral("A/B"),
                              QStringLiteral("A_B"),        QStringLiteral("A%2FB"),   QStringLiteral("../x"),
                              QStringLiteral("..\\x"),     QStringLiteral("C\x01" "D"), QStringLiteral("C_D"),
                              QStringLiteral("E01")};
    QMap<QString, QByteArray> photoOf;
    for (int i = 0; i < numbers.size(); ++i) {
        const QString chosen = path(QStringLiteral("tmp/chosen%1.jpg").arg(i));
        QImage image(8 + i, 8, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 30, 255, 255));
        ASSERT_TRUE(image.save(chosen, "JPG"));
        photoOf.insert(numbers[i], FileBytes(chosen));
        enter(numbers[i], chosen);
    }
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(FileBytes(path(QStringLiteral("varno.jpg"))), splash);

    QSet<QString> files;
    for (const QString& no : numbers) {
        const QString stored = picture(no);
        const QString file = QDir::cleanPath(ProgramPath(stored));
        EXPECT_EQ(QFileInfo(file).absolutePath(), QDir::cleanPath(path(QStringLiteral("pic")))) << stored.toStdString();
        EXPECT_EQ(FileBytes(file), photoOf.value(no)) << no.toStdString() << " → " << stored.toStdString();
        files.insert(file);
    }
    EXPECT_EQ(files.size(), numbers.size());
    // A number a file name holds as it stands keeps it.
    EXPECT_EQ(picture(QStringLiteral("A_B")), QStringLiteral("\\pic\\A_B.jpg"));
    EXPECT_EQ(picture(QStringLiteral(".._varno")), QStringLiteral("\\pic\\.._varno.jpg"));
    EXPECT_EQ(picture(QStringLiteral("E01")), QStringLiteral("\\pic\\E01.jpg"));
    EXPECT_EQ(QDir(path(QStringLiteral("pic"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
              numbers.size());

    // The modify window names a newly chosen photograph by the same rule.
    auto* w = modify(QStringLiteral("A/B"));
    w->ui.Text1->setText(QStringLiteral("A/B/C"));
    Module().PicturePath = chosenPicture();
    clickControl(w->ui.Command1);
    EXPECT_EQ(picture(QStringLiteral("A/B/C")), QStringLiteral("\\pic\\A%2FB%2FC.jpg"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("pic/A%2FB%2FC.jpg"))).isFile());
    EXPECT_EQ(FileBytes(path(QStringLiteral("pic/A_B.jpg"))), photoOf.value(QStringLiteral("A_B")));
}

TEST_F(SafeKeeping, ANumberHiredAgainNeverTakesOrLosesTheLeaversPhotograph) {
    // E2 left with a photograph; the number is given to a new employee, who brings one too.
    writeFile(QStringLiteral("pic/E2.jpg"), "the leaver's photo");
    db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名, 图片) values ('E2', '旧人', '\\pic\\E2.jpg')"));
    const QString chosen = chosenPicture();
    enter(QStringLiteral("E2"), chosen);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    const QString newPhoto = picture(QStringLiteral("E2"));
    EXPECT_EQ(newPhoto, QStringLiteral("\\pic\\E2 (2).jpg"));
    EXPECT_EQ(FileBytes(ProgramPath(newPhoto)), FileBytes(chosen));
    EXPECT_EQ(FileBytes(path(QStringLiteral("pic/E2.jpg"))), QByteArray("the leaver's photo"));

    // A later photograph of the new E2 replaces its own file, still not the leaver's.
    auto* w = modify(QStringLiteral("E2"));
    writeFile(QStringLiteral("tmp/later.jpg"), "a later photo of the new E2");
    Module().PicturePath = path(QStringLiteral("tmp/later.jpg"));
    clickControl(w->ui.Command1);
    EXPECT_EQ(picture(QStringLiteral("E2")), newPhoto);
    EXPECT_EQ(FileBytes(ProgramPath(newPhoto)), QByteArray("a later photo of the new E2"));
    EXPECT_EQ(FileBytes(path(QStringLiteral("pic/E2.jpg"))), QByteArray("the leaver's photo"));

    // The leaver's final deletion takes the leaver's photograph and no other.
    auto* del = WindowHost::Default<Formdel>();
    WindowHost::Show(del, ShowMode::Modal);
    del->ui.Text1->setText(QStringLiteral("E2"));
    clickControl(del->ui.Command1);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(count(QStringLiteral("员工离职"), QStringLiteral("员工编号<>'.'")), 0);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("pic/E2.jpg"))));
    EXPECT_EQ(FileBytes(ProgramPath(newPhoto)), QByteArray("a later photo of the new E2"));
}

TEST_F(SafeKeeping, AFileTwoRowsNameOutlivesTheDeletionOfOne) {
    // As earlier versions left them: a leaver and the employee hired under the same number share a file.
    writeFile(QStringLiteral("pic/E3.jpg"), "the photo both rows name");
    addEmployee(QStringLiteral("E3"), QStringLiteral("新人"), {{QStringLiteral("图片"), QStringLiteral("\\pic\\E3.jpg")}});
    db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名, 图片) values ('e3', '旧人', '\\pic\\E3.jpg ')"));
    auto* del = WindowHost::Default<Formdel>();
    WindowHost::Show(del, ShowMode::Modal);
    del->ui.Text1->setText(QStringLiteral("e3"));
    clickControl(del->ui.Command1);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(count(QStringLiteral("员工离职"), QStringLiteral("员工编号<>'.'")), 0);
    EXPECT_EQ(FileBytes(path(QStringLiteral("pic/E3.jpg"))), QByteArray("the photo both rows name"));
}

TEST_F(SafeKeeping, FailuresUnderAnotherProgramsLockKeepTheFixedTextAndAddTheCause) {
    addEmployee(QStringLiteral("E01"), QStringLiteral("张三"));
    db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名) values ('L01', '李四')"));
    auto* entryWindow = entry();
    entryWindow->ui.Text1->setText(QStringLiteral("N01"));
    entryWindow->ui.Text2->setText(QStringLiteral("新人"));

    // What each save computes under the lock: the three windows stand open at
    // once, as no clerk has them, so their handlers are called directly.
    auto other = db();
    other->execute(QStringLiteral("BEGIN EXCLUSIVE"));
    entryWindow->Command1_Click();
    auto* resign = WindowHost::Default<Formyglz>();
    WindowHost::Show(resign, ShowMode::Modal);
    resign->ui.Text1->setText(QStringLiteral("E01"));
    resign->ui.Text2->setText(QStringLiteral("调走"));
    resign->Command1_Click();
    auto* del = WindowHost::Default<Formdel>();
    WindowHost::Show(del, ShowMode::Modal);
    del->ui.Text1->setText(QStringLiteral("L01"));
    del->Command1_Click();
    const size_t before = messages().size();
    Module().CurrentEmployeeNo = QStringLiteral("E01");
    WindowHost::Show(WindowHost::Default<Formmod>(), ShowMode::Modal);
    processEvents();
    other->execute(QStringLiteral("ROLLBACK"));

    ASSERT_EQ(messages().size(), 4u);
    const QStringList fixed{QStringLiteral("出现错误或者编号重复，请重新录入！"),
                            QStringLiteral("该员工已经离职或者员工编号不存在或者出现异常错误! "),
                            QStringLiteral("员工编号不存在或者出现异常错误! ")};
    for (int i = 0; i < 3; ++i) {
        const QString text = messages()[i].text;
        EXPECT_TRUE(text.startsWith(fixed[i] + QLatin1Char('\n'))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("占用")) || text.contains(QStringLiteral("其他程序使用")))
            << text.toStdString();
        EXPECT_EQ(messages()[i].icon, MsgIcon::Critical);
        EXPECT_EQ(messages()[i].title, QStringLiteral("错误"));
    }
    // The modify window says it could not read the employee and does not open.
    EXPECT_EQ(before, 3u);
    EXPECT_TRUE(messages()[3].text.contains(QStringLiteral("无法读取员工资料"))) << messages()[3].text.toStdString();
    EXPECT_FALSE(WindowHost::Exists<Formmod>());
    // Nothing changed, and the windows keep their inputs for another try.
    EXPECT_EQ(count(QStringLiteral("员工信息"), QStringLiteral("员工编号='N01'")), 0);
    EXPECT_EQ(count(QStringLiteral("员工信息"), QStringLiteral("员工编号='E01'")), 1);
    EXPECT_EQ(count(QStringLiteral("员工离职"), QStringLiteral("员工编号 in ('E01', 'L01')")), 1);
    EXPECT_TRUE(WindowHost::Exists<Formlr>() && WindowHost::Exists<Formyglz>() && WindowHost::Exists<Formdel>());

    // The failures their texts name still read as before, without a second line.
    clearMessages();
    resign->ui.Text1->setText(QStringLiteral("ZZ"));
    resign->Command1_Click();
    del->ui.Text1->setText(QStringLiteral("ZZ"));
    del->Command1_Click();
    entryWindow->ui.Text1->setText(QStringLiteral("E01"));
    entryWindow->ui.Text2->setText(QStringLiteral("重复"));
    entryWindow->Command1_Click();
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(messages()[0].text, fixed[1]);
    EXPECT_EQ(messages()[1].text, fixed[2]);
    EXPECT_EQ(messages()[2].text, fixed[0]);
}

TEST_F(SafeKeeping, ADamagedDatabaseIsCalledDamaged) {
    for (int i = 0; i < 60; ++i)
        addEmployee(QStringLiteral("P%1").arg(i), QStringLiteral("员工%1").arg(i), {{"备注", QString(200, QChar(u'记'))}});
    const int pages = PageCount(path(QStringLiteral("db2.mdb")));
    ASSERT_GE(pages, 6);
    DamagePages(path(QStringLiteral("db2.mdb")), 2, pages - 1);
    enter(QStringLiteral("N01"));
    ASSERT_FALSE(messages().empty());
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("出现错误或者编号重复，请重新录入！\n"))) << lastMessage().toStdString();
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("数据库文件已损坏"))) << lastMessage().toStdString();
    EXPECT_FALSE(lastMessage().contains(QStringLiteral("数据库语句有误")));
}

TEST_F(SafeKeeping, PastedLineBreaksAndTabsBecomeBlanksInSingleLineBoxes) {
    auto* w = entry();
    halvern::test::activate(w);
    auto paste = [](QWidget* box, const QString& text) {
        halvern::test::click(box, Qt::LeftButton, QPoint(4, box->height() / 2));
        QApplication::clipboard()->setText(text);
        QWidget* focus = halvern::test::focused();
        EXPECT_TRUE(focus == box || focus->parentWidget() == box);
        halvern::test::press(Qt::Key_V, Qt::ControlModifier);
    };
    paste(w->ui.Text1, QStringLiteral("N1\nN2"));
    paste(w->ui.Text2, QStringLiteral("王\t小明\r\n"));
    w->ui.text3->setEditText(QString());
    paste(w->ui.text3, QStringLiteral("销售\r部"));
    paste(w->ui.Text18, QStringLiteral("第一行\n\n第三行"));
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("N1 N2"));
    EXPECT_EQ(w->ui.Text2->text(), QStringLiteral("王 小明 "));
    EXPECT_EQ(w->ui.text3->currentText(), QStringLiteral("销售 部"));
    EXPECT_EQ(w->ui.Text18->text(), QStringLiteral("第一行  第三行"));
    // Typing after a paste goes on behind the pasted text.
    halvern::test::type(QStringLiteral("X"));
    EXPECT_EQ(w->ui.Text18->text(), QStringLiteral("第一行  第三行X"));

    Module().PicturePath = chosenPicture();
    clickControl(w->ui.Command1);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(picture(QStringLiteral("N1 N2")), QStringLiteral("\\pic\\N1 N2.jpg"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("pic/N1 N2.jpg"))).isFile());
}
