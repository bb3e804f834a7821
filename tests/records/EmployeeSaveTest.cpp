// Saving employees: the entry window stores a new employee with its career
// history and photograph and clears itself; the modify window writes an
// employee back. Both store all or nothing.
#include "EmployeeWindowTest.h"
#include "MainWindowInput.h"

#include "platform/Recordset.h"
#include "platform/WindowHost.h"
#include "records/Formlr.h"
#include "records/Formmod.h"
#include "shell/Form1.h"
#include "shell/Views.h"
#include "common/ModuleState.h"

#include <QDir>
#include <QFile>
#include <QImage>

using namespace platform;
using namespace halvern;
using halvern::test::EmployeeWindowTest;
using halvern::test::chooseFromGridPopup;
using halvern::test::chooseMainMenu;
using halvern::test::chooseView;
using halvern::test::clickControl;

namespace {

// A small picture file of one colour.
QString writePicture(const QString& path, Qt::GlobalColor colour, const char* format = "JPG") {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(24, 32, QImage::Format_RGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(path, format)) << path.toStdString();
    return path;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class EmployeeSave : public EmployeeWindowTest {
protected:
    // The stored row of one employee, column by column.
    QVariantMap row(const QString& table, const QString& no) {
        QVariantMap m;
        Statement st(*db(), QStringLiteral("select * from \"%1\" where 员工编号=?").arg(table), {no});
        if (st.next())
            for (int i = 0; i < st.columnCount(); ++i) m.insert(st.columnName(i), st.value(i));
        return m;
    }
    QString sourcePicture(const QString& name, Qt::GlobalColor colour = Qt::red) {
        return writePicture(path(QStringLiteral("photos/") + name), colour);
    }
};

TEST_F(EmployeeSave, EntryStoresEveryFieldAsTheWindowPromises) {
    auto* w = entry();
    auto& u = w->ui;
    u.Text1->setText(QStringLiteral("E01"));
    u.Text2->setText(QStringLiteral(" 张三 "));
    u.Combo1->setEditText(QStringLiteral("女"));
    u.Text8->setEditText(QStringLiteral("本科"));
    u.text3->setEditText(QStringLiteral("人事部"));
    u.Text9->setText(QStringLiteral("170"));
    u.Text15->setText(QStringLiteral("110105198001010011"));
    u.Text16->setText(QStringLiteral("北京市朝阳区"));
    u.Text6->setText(QStringLiteral("1980-01-01"));
    u.Text14->setText(QStringLiteral("2005-3-7"));
    u.Text18->setText(QStringLiteral("备注 "));
    u.Text27->setText(QStringLiteral("大学"));
    u.Text30->setText(QStringLiteral("入职"));
    clickControl(w->ui.Command1);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();

    const QVariantMap r = row(QStringLiteral("员工信息"), QStringLiteral("E01"));
    ASSERT_FALSE(r.isEmpty());
    EXPECT_EQ(r[QStringLiteral("姓名")], QStringLiteral("张三"));  // trimmed
    EXPECT_EQ(r[QStringLiteral("性别")], QStringLiteral("女"));    // nothing appended
    EXPECT_EQ(r[QStringLiteral("学历")], QStringLiteral("本科 "));
    EXPECT_EQ(r[QStringLiteral("部门")], QStringLiteral("人事部 "));
    EXPECT_EQ(r[QStringLiteral("民族")], QStringLiteral("汉族 "));
    EXPECT_EQ(r[QStringLiteral("职位")], QStringLiteral(" "));  // empty box: one blank
    EXPECT_EQ(r[QStringLiteral("身高")], QStringLiteral("170 "));
    EXPECT_EQ(r[QStringLiteral("婚否")], QStringLiteral("已婚 "));
    EXPECT_EQ(r[QStringLiteral("政治面貌")], QStringLiteral("团员 "));
    EXPECT_EQ(r[QStringLiteral("外语情况")], QStringLiteral("英语四级 "));
    EXPECT_EQ(r[QStringLiteral("身份证号")], QStringLiteral("110105198001010011 "));
    EXPECT_EQ(r[QStringLiteral("籍贯")], QStringLiteral("北京市朝阳区 "));
    EXPECT_EQ(r[QStringLiteral("备注")], QStringLiteral("备注  "));
    EXPECT_EQ(r[QStringLiteral("出生日期")], QStringLiteral("1980-01-01"));
    EXPECT_EQ(r[QStringLiteral("录用日期")], QStringLiteral("2005-03-07"));
    EXPECT_TRUE(r[QStringLiteral("合同生效日")].isNull());
    EXPECT_TRUE(r[QStringLiteral("合同到期日")].isNull());
    EXPECT_TRUE(r[QStringLiteral("主要履历")].isNull());
    EXPECT_TRUE(r[QStringLiteral("图片")].isNull());

    const QVariantMap h = row(QStringLiteral("覆历"), QStringLiteral("E01"));
    EXPECT_EQ(h[QStringLiteral("教育背景")], QStringLiteral("大学 "));
    EXPECT_EQ(h[QStringLiteral("工作经历")], QStringLiteral(" "));
    EXPECT_EQ(h[QStringLiteral("本公司经历")], QStringLiteral("入职 "));
}

TEST_F(EmployeeSave, EntryClearsItselfForTheNextEmployeeAndShowsItInTheMainGrid) {
    WindowHost::Default<Form1>()->Load();  // the entry window is opened from the main window
    auto* w = entry();
    auto& u = w->ui;
    u.Text1->setText(QStringLiteral("E01"));
    u.Text2->setText(QStringLiteral("张三"));
    u.Combo1->setEditText(QStringLiteral("女"));
    u.Combo2->setEditText(QStringLiteral("回族"));
    u.Text13->setEditText(QStringLiteral("党员"));
    u.Text8->setEditText(QStringLiteral("硕士"));
    u.Text28->setText(QStringLiteral("工作"));
    Module().PicturePath = sourcePicture(QStringLiteral("a.jpg"));
    u.SetPhoto(QPixmap(Module().PicturePath));
    clickControl(w->ui.Command1);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_TRUE(WindowHost::Exists<Formlr>());  // stays open
    EXPECT_TRUE(u.Text1->text().isEmpty());
    EXPECT_TRUE(u.Text28->text().isEmpty());
    EXPECT_TRUE(u.Text8->currentText().isEmpty());
    EXPECT_TRUE(u.text17->currentText().isEmpty());
    EXPECT_TRUE(u.text3->currentText().isEmpty());
    EXPECT_GT(u.text3->count(), 0);  // the list keeps its departments
    EXPECT_EQ(u.Combo1->currentText(), QStringLiteral("女"));
    EXPECT_EQ(u.Combo2->currentText(), QStringLiteral("汉族"));
    EXPECT_EQ(u.Text13->currentText(), QStringLiteral("团员"));
    EXPECT_EQ(u.Text19->currentText(), QStringLiteral("英语四级"));
    EXPECT_TRUE(u.Image1->pixmap().isNull());
    EXPECT_TRUE(Module().PicturePath.isEmpty());

    ASSERT_TRUE(WindowHost::Exists<Form1>());
    const auto* model = WindowHost::Default<Form1>()->data1->model();
    const int col = model->columnIndex(QStringLiteral("员工编号"));
    bool listed = false;
    for (int r = 0; r < model->rowCount(); ++r) listed = listed || model->text(r, col) == QLatin1String("E01");
    EXPECT_TRUE(listed);
}

TEST_F(EmployeeSave, PhotographIsCopiedUnderTheNumberAsTypedWithTheFileSuffix) {
    auto* w = entry();
    w->ui.Text1->setText(QStringLiteral("E01 "));
    w->ui.Text2->setText(QStringLiteral("张三"));
    const QString source = writePicture(path(QStringLiteral("photos/Face.JPG")), Qt::blue);
    Module().PicturePath = source;
    clickControl(w->ui.Command1);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    const QVariantMap r = row(QStringLiteral("员工信息"), QStringLiteral("E01"));
    EXPECT_EQ(r[QStringLiteral("员工编号")], QStringLiteral("E01"));
    EXPECT_EQ(r[QStringLiteral("图片")], QStringLiteral("\\pic\\E01 .JPG"));
    EXPECT_EQ(contents(path(QStringLiteral("pic/E01 .JPG"))), contents(source));
    // No passing copy is left behind.
    EXPECT_EQ(QDir(path(QStringLiteral("pic"))).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(EmployeeSave, DuplicateNumberLeavesTheFirstEmployeeAndItsPhotographUntouched) {
    addEmployee(QStringLiteral("E01"), QStringLiteral("甲"), {{QStringLiteral("图片"), QStringLiteral("\\pic\\E01.jpg")}});
    const QString first = writePicture(path(QStringLiteral("pic/E01.jpg")), Qt::green);
    const QByteArray firstBytes = contents(first);
    const int histories = count(QStringLiteral("覆历"));

    auto* w = entry();
    w->ui.Text1->setText(QStringLiteral("E01"));
    w->ui.Text2->setText(QStringLiteral("乙"));
    w->ui.Combo2->setEditText(QStringLiteral("满族"));
    w->ui.Text4->setText(QStringLiteral("经理"));
    const QString chosen = sourcePicture(QStringLiteral("b.jpg"), Qt::yellow);
    Module().PicturePath = chosen;
    clickControl(w->ui.Command1);

    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("出现错误或者编号重复，请重新录入！"));
    EXPECT_EQ(messages()[0].title, QStringLiteral("错误"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(row(QStringLiteral("员工信息"), QStringLiteral("E01"))[QStringLiteral("姓名")], QStringLiteral("甲"));
    EXPECT_EQ(count(QStringLiteral("员工信息"), QStringLiteral("员工编号='E01'")), 1);
    EXPECT_EQ(count(QStringLiteral("覆历")), histories);
    EXPECT_EQ(contents(first), firstBytes);
    EXPECT_EQ(QDir(path(QStringLiteral("pic"))).entryList(QDir::Files | QDir::Hidden).size(), 1);
    // The input stays for a correction; only 民族 goes back to 汉族.
    EXPECT_EQ(w->ui.Text4->text(), QStringLiteral("经理"));
    EXPECT_EQ(w->ui.Combo2->currentText(), QStringLiteral("汉族"));
    EXPECT_EQ(Module().PicturePath, chosen);
}

TEST_F(EmployeeSave, EntryStoresBothRowsOrNeither) {
    // A career-history row that cannot be stored takes the employee row with it.
    db()->execute(QStringLiteral("create trigger no_history before insert on 覆历 begin select raise(abort, 'no'); end"));
    auto* w = entry();
    w->ui.Text1->setText(QStringLiteral("E01"));
    w->ui.Text2->setText(QStringLiteral("张三"));
    Module().PicturePath = sourcePicture(QStringLiteral("a.jpg"));
    clickControl(w->ui.Command1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("出现错误或者编号重复，请重新录入！"));
    EXPECT_EQ(count(QStringLiteral("员工信息"), QStringLiteral("员工编号='E01'")), 0);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("pic/E01.jpg"))));
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("E01"));
}

TEST_F(EmployeeSave, EntryRefusesMissingNumberOrNameAndADateThatIsNoDate) {
    auto* w = entry();
    w->ui.Label5->setVisible(false);
    w->ui.Text1->setText(QStringLiteral("E01"));
    clickControl(w->ui.Command1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("员工编号 和 姓名 不能为空!"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Information);
    EXPECT_EQ(messages()[0].title, QStringLiteral("提示"));
    EXPECT_FALSE(w->ui.Label5->isHidden());

    w->ui.Text2->setText(QStringLiteral("张三"));
    w->ui.Text25->setText(QStringLiteral("2020-13-01"));
    clickControl(w->ui.Command1);
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].text, QStringLiteral("出现错误或者编号重复，请重新录入！"));

    // Blanks pass the empty test; stored trimmed they make no number.
    w->ui.Text25->clear();
    w->ui.Text1->setText(QStringLiteral("   "));
    clickControl(w->ui.Command1);
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(messages()[2].text, QStringLiteral("出现错误或者编号重复，请重新录入！"));
    EXPECT_EQ(count(QStringLiteral("员工信息")), 1);  // the placeholder only
    EXPECT_EQ(count(QStringLiteral("覆历")), 0);
}

TEST_F(EmployeeSave, APictureOfAnAbandonedWindowNeverReachesALaterSave) {
    auto* w = entry();
    Module().PicturePath = sourcePicture(QStringLiteral("a.jpg"));
    clickControl(w->ui.Command2);
    EXPECT_FALSE(WindowHost::Exists<Formlr>());
    EXPECT_TRUE(Module().PicturePath.isEmpty());
    Module().PicturePath = sourcePicture(QStringLiteral("b.jpg"));  // say, left by a picker of another window
    w = entry();
    EXPECT_TRUE(Module().PicturePath.isEmpty());
    w->ui.Text1->setText(QStringLiteral("E01"));
    w->ui.Text2->setText(QStringLiteral("张三"));
    clickControl(w->ui.Command1);
    EXPECT_TRUE(row(QStringLiteral("员工信息"), QStringLiteral("E01"))[QStringLiteral("图片")].isNull());
    Module().PicturePath = sourcePicture(QStringLiteral("c.jpg"));
    modify(QStringLiteral("E01"));
    EXPECT_TRUE(Module().PicturePath.isEmpty());
}

// ---- modify window ---------------------------------------------------------

class EmployeeModify : public EmployeeSave {
protected:
    void SetUp() override {
        EmployeeSave::SetUp();
        addEmployee(QStringLiteral("E01"), QStringLiteral("张三"),
                    {{QStringLiteral("部门"), QStringLiteral("人事部 ")},
                     {QStringLiteral("职位"), QStringLiteral(" ")},
                     {QStringLiteral("性别"), QStringLiteral("男")},
                     {QStringLiteral("出生日期"), QStringLiteral("1980-01-05")},
                     {QStringLiteral("民族"), QStringLiteral("汉族 ")},
                     {QStringLiteral("婚否"), QStringLiteral("未婚 ")},
                     {QStringLiteral("主要履历"), QStringLiteral("主要 ")},
                     {QStringLiteral("图片"), QStringLiteral("\\pic\\E01.jpg")}});
        photo = writePicture(path(QStringLiteral("pic/E01.jpg")), Qt::green);
        db()->execute(QStringLiteral("insert into 覆历 (员工编号,教育背景,工作经历,奖罚记录,本公司经历) values ('E01','大学 ','工厂 ',' ',null)"));
    }
    QString photo;
};

TEST_F(EmployeeModify, LoadsTheEmployeeTrimmedWithItsHistoryAndPhotograph) {
    auto* w = modify(QStringLiteral("E01"));
    auto& u = w->ui;
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("员工资料修改"));
    EXPECT_EQ(u.Command3->text(), QStringLiteral("详细覆历修改"));
    EXPECT_EQ(u.Text1->text(), QStringLiteral("E01"));
    EXPECT_EQ(u.text3->currentText(), QStringLiteral("人事部"));
    EXPECT_TRUE(u.Text4->text().isEmpty());
    EXPECT_EQ(u.Text6->text(), QStringLiteral("1980-01-05"));
    EXPECT_EQ(u.text17->currentText(), QStringLiteral("未婚"));
    EXPECT_TRUE(u.Text13->currentText().isEmpty());  // Null overwrites the initial 团员
    EXPECT_EQ(u.Text27->text(), QStringLiteral("大学"));
    EXPECT_EQ(u.Text28->text(), QStringLiteral("工厂"));
    EXPECT_TRUE(u.Text30->text().isEmpty());
    EXPECT_FALSE(u.Image1->pixmap().isNull());
    EXPECT_TRUE(u.Label5->isHidden());
    EXPECT_FALSE(w->IsNewEmployee());
}

TEST_F(EmployeeModify, SavesBackWithBlanksAppendedAndClosesKeepingThePhotograph) {
    auto* w = modify(QStringLiteral("E01"));
    w->ui.Text27->setText(QStringLiteral("研究生"));
    clickControl(w->ui.Command1);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_FALSE(WindowHost::Exists<Formmod>());
    const QVariantMap r = row(QStringLiteral("员工信息"), QStringLiteral("E01"));
    EXPECT_EQ(r[QStringLiteral("性别")], QStringLiteral("男 "));
    EXPECT_EQ(r[QStringLiteral("职位")], QStringLiteral(" "));
    EXPECT_EQ(r[QStringLiteral("部门")], QStringLiteral("人事部 "));
    EXPECT_EQ(r[QStringLiteral("政治面貌")], QStringLiteral(" "));
    EXPECT_EQ(r[QStringLiteral("出生日期")], QStringLiteral("1980-01-05"));  // unchanged date written back equal
    EXPECT_TRUE(r[QStringLiteral("录用日期")].isNull());
    EXPECT_EQ(r[QStringLiteral("主要履历")], QStringLiteral("研究生 "));
    EXPECT_EQ(r[QStringLiteral("图片")], QStringLiteral("\\pic\\E01.jpg"));
    const QVariantMap h = row(QStringLiteral("覆历"), QStringLiteral("E01"));
    EXPECT_EQ(h[QStringLiteral("教育背景")], QStringLiteral("研究生 "));
    EXPECT_EQ(h[QStringLiteral("本公司经历")], QStringLiteral(" "));
    EXPECT_EQ(count(QStringLiteral("覆历"), QStringLiteral("员工编号='E01'")), 1);
}

TEST_F(EmployeeModify, ChangedNumberMovesBothRowsAndANewPhotographIsCopied) {
    auto* w = modify(QStringLiteral("E01"));
    w->ui.Text1->setText(QStringLiteral("E09"));
    w->ui.Text6->setText(QStringLiteral("1980-1-5"));
    Module().PicturePath = sourcePicture(QStringLiteral("new.bmp"));
    clickControl(w->ui.Command1);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(count(QStringLiteral("员工信息"), QStringLiteral("员工编号='E01'")), 0);
    EXPECT_EQ(count(QStringLiteral("覆历"), QStringLiteral("员工编号='E01'")), 0);
    const QVariantMap r = row(QStringLiteral("员工信息"), QStringLiteral("E09"));
    EXPECT_EQ(r[QStringLiteral("出生日期")], QStringLiteral("1980-01-05"));
    EXPECT_EQ(r[QStringLiteral("图片")], QStringLiteral("\\pic\\E09.bmp"));
    EXPECT_EQ(row(QStringLiteral("覆历"), QStringLiteral("E09"))[QStringLiteral("工作经历")], QStringLiteral("工厂 "));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("pic/E09.bmp"))));
    EXPECT_TRUE(QFile::exists(photo));  // the old file stays under the old number
    EXPECT_TRUE(Module().PicturePath.isEmpty());
}

TEST_F(EmployeeModify, EmployeeWithoutHistoryShowsMainHistoryAndGetsAHistoryRow) {
    db()->execute(QStringLiteral("delete from 覆历"));
    auto* w = modify(QStringLiteral("E01"));
    EXPECT_EQ(w->ui.Text27->text(), QStringLiteral("主要"));
    clickControl(w->ui.Command1);
    const QVariantMap h = row(QStringLiteral("覆历"), QStringLiteral("E01"));
    ASSERT_FALSE(h.isEmpty());
    EXPECT_EQ(h[QStringLiteral("教育背景")], QStringLiteral("主要 "));
    EXPECT_EQ(h[QStringLiteral("工作经历")], QStringLiteral(" "));
}

// E01 left once and was hired again: the leaver's history came first, his own after it.
TEST_F(EmployeeModify, ARehiredEmployeeSeesAndSavesHisOwnHistoryAndTheLeaversStays) {
    db()->execute(QStringLiteral("insert into 员工离职 (员工编号, 姓名, 离职原因) values ('E01', '张三', '调走')"));
    db()->execute(QStringLiteral("delete from 覆历"));
    db()->execute(QStringLiteral("insert into 覆历 (员工编号,教育背景,工作经历) values ('E01','中专 ','旧厂 ')"));
    db()->execute(QStringLiteral("insert into 覆历 (员工编号,教育背景,工作经历) values ('E01','大学 ','工厂 ')"));
    auto* w = modify(QStringLiteral("E01"));
    EXPECT_EQ(w->ui.Text27->text(), QStringLiteral("大学"));
    EXPECT_EQ(w->ui.Text28->text(), QStringLiteral("工厂"));
    w->ui.Text28->setText(QStringLiteral("新厂"));
    clickControl(w->ui.Command1);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(db()->scalar(QStringLiteral("select group_concat(教育背景 || 工作经历, '|') from "
                                          "(select * from 覆历 where 员工编号='E01' order by rowid)")),
              QStringLiteral("中专 旧厂 |大学 新厂 "));
}

// A transfer's line begins with a line break; opening and saving keeps it.
TEST_F(EmployeeModify, AnUnchangedSaveKeepsTheLineBreaksOfTheHistory) {
    db()->execute(QStringLiteral("update 覆历 set 本公司经历=? where 员工编号='E01'"),
                  {QStringLiteral(" \r\n2024-01-01从A部调往B部\t")});
    clickControl(modify(QStringLiteral("E01"))->ui.Command1);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(row(QStringLiteral("覆历"), QStringLiteral("E01"))[QStringLiteral("本公司经历")],
              QStringLiteral("\r\n2024-01-01从A部调往B部\t "));
}

TEST_F(EmployeeModify, FailedSaveStoresNothingAndKeepsTheWindowOpen) {
    addEmployee(QStringLiteral("E02"), QStringLiteral("李四"), {{QStringLiteral("图片"), QStringLiteral("\\pic\\E02.jpg")}});
    const QString other = writePicture(path(QStringLiteral("pic/E02.jpg")), Qt::cyan);
    const QByteArray otherBytes = contents(other);
    const QVariantMap before = row(QStringLiteral("员工信息"), QStringLiteral("E01"));
    const QVariantMap historyBefore = row(QStringLiteral("覆历"), QStringLiteral("E01"));

    auto* w = modify(QStringLiteral("E01"));
    w->ui.Text28->setText(QStringLiteral("改过"));
    w->ui.Text14->setText(QStringLiteral("2001-02-30"));  // no such day
    clickControl(w->ui.Command1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("出现错误或者编号重复，请重新录入！"));
    EXPECT_EQ(messages()[0].title, QStringLiteral("错误"));
    EXPECT_TRUE(WindowHost::Exists<Formmod>());

    w->ui.Text14->clear();
    w->ui.Text1->setText(QStringLiteral("E02"));  // a number someone else holds
    Module().PicturePath = sourcePicture(QStringLiteral("x.jpg"), Qt::magenta);
    clickControl(w->ui.Command1);
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].text, QStringLiteral("出现错误或者编号重复，请重新录入！"));
    EXPECT_TRUE(WindowHost::Exists<Formmod>());
    EXPECT_EQ(row(QStringLiteral("员工信息"), QStringLiteral("E01")), before);
    EXPECT_EQ(row(QStringLiteral("覆历"), QStringLiteral("E01")), historyBefore);
    EXPECT_EQ(count(QStringLiteral("覆历"), QStringLiteral("员工编号='E02'")), 0);
    EXPECT_EQ(row(QStringLiteral("员工信息"), QStringLiteral("E02"))[QStringLiteral("姓名")], QStringLiteral("李四"));
    EXPECT_EQ(contents(other), otherBytes);
    EXPECT_EQ(w->ui.Text28->text(), QStringLiteral("改过"));
}

TEST_F(EmployeeModify, EmptyNumberIsRefusedInAPlainBox) {
    auto* w = modify(QStringLiteral("E01"));
    w->ui.Text2->clear();
    clickControl(w->ui.Command1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("员工编号 和 姓名 不能为空!"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::None);
    EXPECT_EQ(messages()[0].title, kAppTitle);
    EXPECT_TRUE(WindowHost::Exists<Formmod>());
}

TEST_F(EmployeeModify, WithNoEmployeeSelectedTheEntriesBecomeANewEmployee) {
    for (const QString& key : {QString(), QStringLiteral("人事部")}) {
        clearMessages();
        auto* w = modify(key);
        ASSERT_EQ(messages().size(), 1u);
        EXPECT_EQ(messages()[0].text, QStringLiteral("未选中在职员工，所输内容将为新员工"));
        EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
        EXPECT_TRUE(w->IsNewEmployee());
        EXPECT_EQ(w->ui.Combo2->currentText(), QStringLiteral("汉族"));
        const QString no = key.isEmpty() ? QStringLiteral("N1") : QStringLiteral("N2");
        w->ui.Text1->setText(no);
        w->ui.Text2->setText(QStringLiteral("新人"));
        clickControl(w->ui.Command1);
        EXPECT_EQ(messages().size(), 1u) << lastMessage().toStdString();
        EXPECT_FALSE(WindowHost::Exists<Formmod>());
        EXPECT_EQ(row(QStringLiteral("员工信息"), no)[QStringLiteral("性别")], QStringLiteral("男"));
        EXPECT_EQ(count(QStringLiteral("覆历"), QStringLiteral("员工编号=?"), {no}), 1);
    }
    // The entry window's duplicate check holds here too.
    auto* w = modify(QString());
    w->ui.Text1->setText(QStringLiteral("E01"));
    w->ui.Text2->setText(QStringLiteral("重复"));
    clickControl(w->ui.Command1);
    EXPECT_EQ(lastMessage(), QStringLiteral("出现错误或者编号重复，请重新录入！"));
    EXPECT_EQ(row(QStringLiteral("员工信息"), QStringLiteral("E01"))[QStringLiteral("姓名")], QStringLiteral("张三"));
}

TEST_F(EmployeeModify, EmptyDepartmentListLeavesTheDepartmentBoxEmpty) {
    db()->execute(QStringLiteral("delete from 部门表"));
    auto* w = entry();
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_TRUE(w->ui.text3->currentText().isEmpty());
    EXPECT_EQ(w->ui.text3->count(), 0);
    EXPECT_GT(w->ui.Combo2->count(), 50);
    EXPECT_EQ(w->ui.Combo2->currentText(), QStringLiteral("汉族"));
}

TEST_F(EmployeeSave, MainWindowMenuAndPopupOpenTheEntryAndModifyWindows) {
    auto* main = WindowHost::Default<Form1>();
    WindowHost::Show(main, ShowMode::Modeless);
    WindowHost::ClearLog();
    const QString staff = QStringLiteral("员工管理(&Y)");
    ASSERT_TRUE(chooseMainMenu(main, staff, QStringLiteral("录入新进员工")));
    EXPECT_TRUE(WindowHost::Default<Formlr>()->IsModal());
    clickControl(WindowHost::Default<Formlr>()->ui.Command2);  // 退  出
    processEvents();
    chooseView(main, kFullView);  // the welcome gives way to the grid
    ASSERT_GT(main->dgrid->Rows(), 1);
    ASSERT_TRUE(chooseFromGridPopup(main, 1, QStringLiteral("新建 (&CR)")));
    clickControl(WindowHost::Default<Formlr>()->ui.Command2);
    processEvents();
    ASSERT_TRUE(chooseMainMenu(main, staff, QStringLiteral("修改员工资料")));
    clickControl(WindowHost::Default<Formmod>()->ui.Command2);
    processEvents();
    ASSERT_TRUE(chooseFromGridPopup(main, 1, QStringLiteral("修改 (&C)")));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("Formlr"), QStringLiteral("Formlr"), QStringLiteral("Formmod"),
                                    QStringLiteral("Formmod")}));
}
