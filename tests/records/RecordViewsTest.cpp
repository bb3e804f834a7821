#include "MainWindowInput.h"
#include "TestProgram.h"
#include "UserInput.h"

#include "platform/WindowHost.h"
#include "records/Formshow1.h"
#include "records/formshow.h"
#include "records/frmllrc.h"
#include "shell/Form1.h"
#include "shell/Views.h"
#include "common/ModuleState.h"

#include <QDir>
#include <QImage>

using namespace platform;
using namespace halvern;
using namespace halvern::test;

namespace {

// Column → stored value of a full record; texts with the editing windows' trailing blank.
const QList<std::pair<QString, QString>> kRecord{
    {"员工编号", "V1"},          {"姓名", "周一"},           {"部门", "技术部 "},       {"职位", "工程师 "},
    {"性别", "女 "},             {"出生日期", "1990-01-09"}, {"民族", "汉族 "},         {"学历", "硕士 "},
    {"体重", "50 "},             {"上岗证", "有 "},          {"暂住证", "无 "},         {"婚育证", "有 "},
    {"录用日期", "2015-03-02"},  {"身份证号", "110101199001090022"}, {"合同编号", "HT9 "},
    {"合同生效日", "2015-03-02"}, {"身高", "160 "},          {"合同到期日", "2025-03-01"}, {"籍贯", "北京市"},
    {"毕业院校", "清华大学 "},   {"住址", "海淀区 "},        {"特长", "编程 "},         {"婚否", "未婚 "},
    {"专业", "计算机 "},         {"政治面貌", "党员 "},      {"外语情况", "英语六级 "}, {"联系电话", "139 "},
    {"备注", "备注 "}};

QVariantMap rest(const QString& picture) {
    QVariantMap m;
    for (const auto& [column, value] : kRecord)
        if (column != QLatin1String("员工编号") && column != QLatin1String("姓名")) m.insert(column, value);
    m.insert(QStringLiteral("主要履历"), QStringLiteral("不显示"));
    m.insert(QStringLiteral("图片"), picture);
    return m;
}

}  // namespace

class RecordViews : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        QDir().mkpath(path(QStringLiteral("pic")));
        QImage img(40, 50, QImage::Format_RGB32);
        img.fill(Qt::darkBlue);
        ASSERT_TRUE(img.save(path(QStringLiteral("pic/V1.jpg")), "JPG"));
    }
    void addHistory(const QString& no) {
        db()->execute(QStringLiteral("insert into 覆历 values (?, '  大学 ', '工厂 ', NULL, ?)"),
                      {no, QStringLiteral(" \r\n2021-02-03从A调往B ")});
    }
    void addLeaver(const QString& picture) {
        QStringList cols;
        QStringList marks;
        QVariantList values;
        for (const auto& [column, value] : kRecord) {
            cols << QLatin1Char('"') + column + QLatin1Char('"');
            values << value;
        }
        cols << QStringLiteral("图片") << QStringLiteral("离职原因") << QStringLiteral("离职时间");
        values << picture << QStringLiteral("另谋高就 ") << QStringLiteral("2023-05-06 14:25:36");
        for (int i = 0; i < cols.size(); ++i) marks << QStringLiteral("?");
        db()->execute(QStringLiteral("insert into 员工离职 (%1) values (%2)").arg(cols.join(','), marks.join(',')), values);
    }
    template <class W>
    W* view(const QString& no) {
        Module().ViewEmployeeNo = no;
        auto* w = WindowHost::Default<W>();
        WindowHost::Show(w, ShowMode::Modal);
        return w;
    }
    // The value labels in the order of the record's columns.
    static QStringList values(const formshowUi& u) {
        return texts({u.Label5,  u.Label15, u.Label20, u.Label21, u.Label19, u.Label30, u.Label28,
                      u.Label29, u.Label35, u.Label31, u.Label32, u.Label33, u.Label34, u.Label36,
                      u.Label37, u.Label25, u.Label27, u.Label26, u.Label44, u.Label50, u.Label64,
                      u.Label22, u.Label46, u.Label52, u.Label42, u.Label48, u.Label54, u.Label24});
    }
    static QStringList values(const Formshow1Ui& u) {
        return texts({u.Label5,  u.Label15, u.Label20, u.Label21, u.Label19, u.Label30, u.Label28, u.Label29,
                      u.Label35, u.Label31, u.Label32, u.Label33, u.Label34, u.Label36, u.Label37, u.Label25,
                      u.Label27, u.Label26, u.Label44, u.Label50, u.Label64, u.Label23, u.Label46, u.Label52,
                      u.Label42, u.Label48, u.Label54, u.Label24, u.Label58, u.Label60});
    }
    static QStringList texts(const QList<QLabel*>& labels) {
        QStringList out;
        for (QLabel* l : labels) out << l->text();
        return out;
    }
    static QStringList historyOf(const RecordViewUi& ui) {
        return {ui.Text27->toPlainText(), ui.Text28->toPlainText(), ui.Text29->toPlainText(), ui.Text30->toPlainText()};
    }
    const QStringList kHistoryShown{"大学", "工厂", "", "\r\n2021-02-03从A调往B"};
};

TEST_F(RecordViews, CurrentEmployeeIsShownLabelByLabelAsStored) {
    addEmployee(QStringLiteral("V1"), QStringLiteral("周一"), rest(QStringLiteral("\\pic\\V1.jpg")));
    addHistory(QStringLiteral("V1"));
    auto* w = view<formshow>(QStringLiteral("V1"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("员工详细资料"));
    EXPECT_EQ(w->ui.Frame1->title(), QStringLiteral("员工具体情况"));
    QStringList expected;
    for (const auto& kv : kRecord) expected << kv.second;
    EXPECT_EQ(values(w->ui), expected);
    EXPECT_EQ(w->ui.Label15->text(), QStringLiteral("周一"));
    EXPECT_EQ(w->ui.Label26->text(), QStringLiteral("2025-03-01"));
    EXPECT_EQ(w->ui.Label22->text(), QStringLiteral("编程 "));
    EXPECT_EQ(w->ui.captions[18]->text(), QStringLiteral("籍贯："));
    EXPECT_FALSE(w->ui.Image1->pixmap().isNull());
    QStringList history = historyOf(w->ui);
    history[3].replace(QLatin1Char('\n'), QStringLiteral("\r\n"));  // the box keeps lines, not their ends
    EXPECT_EQ(history, kHistoryShown);
    EXPECT_TRUE(w->ui.Text27->isReadOnly());
    EXPECT_TRUE(messages().empty());
}

TEST_F(RecordViews, DatesStoredWithMidnightShowAsShortDatesAndEmptyValuesAsEmptyText) {
    addEmployee(QStringLiteral("V2"), QStringLiteral("吴二"),
                {{QStringLiteral("出生日期"), QStringLiteral("1985-12-31 00:00:00")}, {QStringLiteral("民族"), QVariant()}});
    auto* w = view<formshow>(QStringLiteral("V2"));
    EXPECT_EQ(w->ui.Label30->text(), QStringLiteral("1985-12-31"));
    EXPECT_EQ(w->ui.Label28->text(), QString());
    EXPECT_TRUE(w->ui.Image1->pixmap().isNull());
    EXPECT_EQ(historyOf(w->ui), (QStringList{"", "", "", ""}));
}

TEST_F(RecordViews, CurrentEmployeeWithMissingPhotographStillShowsHistory) {
    addEmployee(QStringLiteral("V1"), QStringLiteral("周一"), rest(QStringLiteral("\\pic\\gone.jpg")));
    addHistory(QStringLiteral("V1"));
    auto* w = view<formshow>(QStringLiteral("V1"));
    EXPECT_TRUE(w->ui.Image1->pixmap().isNull());
    EXPECT_EQ(w->ui.Text28->toPlainText(), QStringLiteral("工厂"));
    EXPECT_EQ(w->ui.Label5->text(), QStringLiteral("V1"));
}

TEST_F(RecordViews, UnknownNumberGivesAWindowWithoutValuesAndNoMessage) {
    addEmployee(QStringLiteral("V1"), QStringLiteral("周一"), rest(QStringLiteral("\\pic\\V1.jpg")));
    addHistory(QStringLiteral("V1"));
    for (const QString& no : {QStringLiteral("V9"), QStringLiteral("V1'"), QStringLiteral("V1 ")}) {
        auto* w = view<formshow>(no);
        EXPECT_EQ(values(w->ui).join(QString()), QString());
        EXPECT_TRUE(w->ui.Image1->pixmap().isNull());
        EXPECT_EQ(historyOf(w->ui).join(QString()), QString());
        w->Unload();
        auto* w1 = view<Formshow1>(no);
        EXPECT_EQ(values(w1->ui).join(QString()), QString());
        w1->Unload();
        processEvents();
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(RecordViews, LeaverIsShownWithReasonAndTimeOfLeaving) {
    addLeaver(QStringLiteral("\\pic\\V1.jpg"));
    addHistory(QStringLiteral("V1"));
    auto* w = view<Formshow1>(QStringLiteral("V1"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("离职员工详细资料"));
    EXPECT_EQ(w->ui.Frame1->title(), QStringLiteral("离职人员信息"));
    QStringList expected;
    for (const auto& kv : kRecord) expected << kv.second;
    expected << QStringLiteral("另谋高就 ") << QStringLiteral("2023-05-06 14:25:36");
    EXPECT_EQ(values(w->ui), expected);
    EXPECT_EQ(w->ui.Label23->text(), QStringLiteral("编程 "));
    EXPECT_EQ(w->ui.Label60->text(), QStringLiteral("2023-05-06 14:25:36"));
    EXPECT_EQ(w->ui.captions[18]->text(), QStringLiteral("籍  贯："));
    EXPECT_FALSE(w->ui.Image1->pixmap().isNull());
    EXPECT_EQ(w->ui.Text27->toPlainText(), QStringLiteral("大学"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(RecordViews, LeaverWithMissingPhotographShowsNoHistory) {
    addLeaver(QStringLiteral("\\pic\\gone.jpg"));
    addHistory(QStringLiteral("V1"));
    auto* w = view<Formshow1>(QStringLiteral("V1"));
    EXPECT_EQ(w->ui.Label58->text(), QStringLiteral("另谋高就 "));
    EXPECT_TRUE(w->ui.Image1->pixmap().isNull());
    EXPECT_EQ(historyOf(w->ui), (QStringList{"", "", "", ""}));
}

TEST_F(RecordViews, LeaverWithoutPhotographShowsHistory) {
    addLeaver(QString());
    addHistory(QStringLiteral("V1"));
    auto* w = view<Formshow1>(QStringLiteral("V1"));
    EXPECT_EQ(w->ui.Text28->toPlainText(), QStringLiteral("工厂"));
}

TEST_F(RecordViews, ANumberOnFileTwiceShowsTheEmployeeAndTheLeaverEachHisOwnHistory) {
    addLeaver(QString());
    db()->execute(QStringLiteral("insert into 覆历 (员工编号, 工作经历) values ('V1', '离职前 ')"));
    addEmployee(QStringLiteral("V1"), QStringLiteral("周一"), rest(QString()));
    db()->execute(QStringLiteral("insert into 覆历 (员工编号, 工作经历) values ('V1', '再入职 ')"));
    EXPECT_EQ(view<formshow>(QStringLiteral("V1"))->ui.Text28->toPlainText(), QStringLiteral("再入职"));
    EXPECT_EQ(view<Formshow1>(QStringLiteral("V1"))->ui.Text28->toPlainText(), QStringLiteral("离职前"));
}

TEST_F(RecordViews, AnUnreadableDatabaseIsReported) {
    QFile::remove(path(QStringLiteral("db2.mdb")));
    view<formshow>(QStringLiteral("V1"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
}

TEST_F(RecordViews, TheHistoryButtonShowsTheSameTextsReadOnly) {
    addEmployee(QStringLiteral("V1"), QStringLiteral("周一"), rest(QStringLiteral("\\pic\\V1.jpg")));
    addHistory(QStringLiteral("V1"));
    auto* w = view<formshow>(QStringLiteral("V1"));
    clickControl(w->ui.Command1);
    EXPECT_EQ(Module().HistoryCaller, QStringLiteral("formshow"));
    ASSERT_TRUE(WindowHost::Exists<frmllrc>());
    auto* h = WindowHost::Default<frmllrc>();
    EXPECT_TRUE(h->IsReadOnly());
    EXPECT_EQ(h->ui.RichTextBox2->toPlainText(), QStringLiteral("工厂"));
    clickControl(h->ui.Command1);
    EXPECT_EQ(w->ui.Text28->toPlainText(), QStringLiteral("工厂"));

    processEvents();
    auto* w1 = view<Formshow1>(QStringLiteral("V1"));
    clickControl(w1->ui.Command1);
    EXPECT_EQ(Module().HistoryCaller, QStringLiteral("formshow1"));
    EXPECT_TRUE(WindowHost::Default<frmllrc>()->IsReadOnly());
}

TEST_F(RecordViews, DoubleClicksInTheMainWindowOpenTheViewThatSuitsTheRow) {
    addEmployee(QStringLiteral("V2"), QStringLiteral("吴二"), {{QStringLiteral("合同到期日"), QStringLiteral("2000-01-01")}});
    addLeaver(QString());
    auto* main = WindowHost::Default<Form1>();
    WindowHost::Show(main, ShowMode::Modeless);
    activate(main);
    clearMessages();
    // A double click on the row's number, as the clerk does.
    auto doubleClickOn = [main](const QString& no) {
        for (int r = 1; r < main->dgrid->Rows(); ++r)
            if (main->dgrid->TextMatrix(r, 0) == no) return doubleClickCell(main->dgrid, r, 0);
        ADD_FAILURE() << "no row " << no.toStdString();
    };
    chooseView(main, kLeaverView);
    doubleClickOn(QStringLiteral("V1"));
    ASSERT_TRUE(WindowHost::Exists<Formshow1>());
    EXPECT_EQ(WindowHost::Default<Formshow1>()->ui.Label58->text(), QStringLiteral("另谋高就 "));
    WindowHost::Default<Formshow1>()->close();  // its close box: the main window takes clicks again
    processEvents();

    chooseView(main, kFullView);
    activate(main);
    doubleClickOn(QStringLiteral("V2"));
    ASSERT_TRUE(WindowHost::Exists<formshow>());
    EXPECT_EQ(WindowHost::Default<formshow>()->ui.Label15->text(), QStringLiteral("吴二"));
    EXPECT_EQ(shown().mid(shown().indexOf(QStringLiteral("Formshow1"))),
              (QStringList{"Formshow1", "formshow"}));
}
