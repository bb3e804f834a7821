#include "TestProgram.h"
#include "UserInput.h"

#include "platform/Recordset.h"
#include "platform/WindowHost.h"
#include "shell/Form1.h"
#include "common/ModuleState.h"
#include "training/frmdadj.h"

#include <QTest>

using namespace platform;
using namespace halvern;
using namespace halvern::test;

class TrainingRegister : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        addEmployee(QStringLiteral("E01"), QStringLiteral("张三"), {{QStringLiteral("部门"), QStringLiteral("人事部")}});
        addEmployee(QStringLiteral("E010"), QStringLiteral("李四"));
        addEmployee(QStringLiteral("X02"), QStringLiteral("王五"), {{QStringLiteral("部门"), QStringLiteral("财务部")}});
    }

    // Opens the register with the main grid's current cell on the given text.
    frmdadj* open(const QString& cell = QStringLiteral("E01")) {
        Form1* main = WindowHost::Default<Form1>();
        main->Load();
        main->data1->ConnectionString = DbConnString();
        main->data1->RecordSource = {QStringLiteral("select ? as 员工编号"), {}, {cell}};
        main->data1->Refresh();
        main->dgrid->SetRow(1);
        main->dgrid->SetCol(0);
        clearMessages();
        auto* w = WindowHost::Default<frmdadj>();
        WindowHost::Show(w, ShowMode::Modal);
        activate(w);
        return w;
    }

    QVariantList trainingRow(const QString& no) {
        Recordset rs;
        rs.Open(QStringLiteral("select * from 培训 where 员工编号=?"), db(), LockType::ReadOnly, {no});
        QVariantList out;
        if (rs.EOF_()) return out;
        for (const QString& f : rs.FieldNames()) out << rs.Fields(f);
        return out;
    }

    static QStringList items(const QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
};

TEST_F(TrainingRegister, OpensWithTheMainGridEmployeeAndTheFirstDepartment) {
    auto* w = open();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("培训档案登记"));
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("E01"));  // 培训 holds the placeholder row
    EXPECT_EQ(w->ui.Text2->text(), QStringLiteral("张三"));
    EXPECT_EQ(w->ui.text3->currentText(), QStringLiteral("行政部"));
    ASSERT_EQ(w->ui.text3->count(), 6);
    EXPECT_EQ(w->ui.text3->itemText(0), QStringLiteral("行政部"));
    EXPECT_EQ(w->ui.text3->itemText(5), QStringLiteral("技术部"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(TrainingRegister, NumberIsOfferedOnlyOnceTrainingRecordsExist) {
    db()->execute(QStringLiteral("delete from 培训"));
    auto* w = open();
    EXPECT_EQ(w->ui.Text1->text(), QString());
    EXPECT_EQ(w->ui.Text2->text(), QStringLiteral("张三"));
}

TEST_F(TrainingRegister, ACellThatNamesNoEmployeeLeavesTheNameEmpty) {
    auto* w = open(QStringLiteral("no such"));
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("no such"));
    EXPECT_EQ(w->ui.Text2->text(), QString());
    EXPECT_TRUE(messages().empty());
}

TEST_F(TrainingRegister, SaveStoresEveryColumnWithOneBlankButTheNumber) {
    auto* w = open();
    w->ui.Text1->setText(QStringLiteral(" E01"));
    w->ui.Text2->setText(QStringLiteral("张三"));
    w->ui.text3->setEditText(QStringLiteral("技术部"));
    w->ui.Text4->setText(QStringLiteral("2024-3-1"));
    w->ui.Text5->setText(QStringLiteral("安全培训"));
    w->ui.Text6->setText(QStringLiteral("面授"));
    w->ui.Text7->setText(QStringLiteral("abc"));
    w->ui.Text8->setText(QStringLiteral("刘老师"));
    w->ui.Text9->setText(QStringLiteral("笔试"));
    w->ui.Text10->setText(QStringLiteral("90"));
    w->ui.Text11->setText(QStringLiteral("证书 A-1"));
    w->ui.Text12->setText(QStringLiteral("备注 "));
    clickControl(w->ui.Command1);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    const QVariantList row = trainingRow(QStringLiteral(" E01"));
    ASSERT_EQ(row.size(), 12);
    const QStringList expected{QStringLiteral(" E01"),    QStringLiteral("张三 "),   QStringLiteral("技术部 "),
                               QStringLiteral("2024-3-1 "), QStringLiteral("安全培训 "), QStringLiteral("面授 "),
                               QStringLiteral("abc "),     QStringLiteral("刘老师 "), QStringLiteral("笔试 "),
                               QStringLiteral("90 "),      QStringLiteral("证书 A-1 "), QStringLiteral("备注  ")};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(row[i].toString(), expected[i]) << i;

    // Ready for the next record of the same department.
    for (QLineEdit* b : {w->ui.Text1, w->ui.Text2, w->ui.Text4, w->ui.Text5, w->ui.Text6, w->ui.Text7, w->ui.Text8,
                         w->ui.Text9, w->ui.Text10, w->ui.Text11, w->ui.Text12})
        EXPECT_TRUE(b->text().isEmpty()) << b->objectName().toStdString();
    EXPECT_EQ(w->ui.text3->currentText(), QStringLiteral("技术部"));
    EXPECT_TRUE(WindowHost::Exists<frmdadj>());
}

TEST_F(TrainingRegister, EmptyBoxesAreStoredAsOneBlank) {
    auto* w = open();
    w->ui.text3->setEditText(QString());
    w->ui.Text2->clear();
    clickControl(w->ui.Command1);
    const QVariantList row = trainingRow(QStringLiteral("E01"));
    ASSERT_EQ(row.size(), 12);
    EXPECT_EQ(row[0].toString(), QStringLiteral("E01"));
    for (int i = 1; i < 12; ++i) EXPECT_EQ(row[i].toString(), QStringLiteral(" ")) << i;
    w->ui.Text1->setText(QStringLiteral("E01"));
    clickControl(w->ui.Command1);
    EXPECT_EQ(count(QStringLiteral("培训"), QStringLiteral("员工编号='E01'")), 2);
}

TEST_F(TrainingRegister, AnEmptyNumberIsRefusedAndNothingIsStored) {
    auto* w = open();
    const int before = count(QStringLiteral("培训"));
    w->ui.Text1->clear();
    w->ui.Text5->setText(QStringLiteral("安全培训"));
    clickControl(w->ui.Command1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("员工编号不能为空"));
    EXPECT_EQ(messages()[0].title, QStringLiteral("提示"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(count(QStringLiteral("培训")), before);
    EXPECT_EQ(w->ui.Text5->text(), QStringLiteral("安全培训"));
}

TEST_F(TrainingRegister, QuickSearchByNumberListsEachMatchAsNumberNameDepartment) {
    auto* w = open();
    clickControl(w->ui.Check1);
    ASSERT_TRUE(w->ui.Check1->isChecked());
    w->ui.Text13->setText(QStringLiteral(" 01 "));
    clickControl(w->ui.Command2);
    EXPECT_EQ(items(w->ui.list1), (QStringList{QStringLiteral("E01;  张三;  人事部;"), QStringLiteral("E010;  李四;  ;")}));
    EXPECT_TRUE(w->ui.Text13->text().isEmpty());

    w->ui.Text13->setText(QStringLiteral("999"));
    clickControl(w->ui.Command2);
    EXPECT_EQ(w->ui.list1->count(), 0);
    EXPECT_EQ(w->ui.Text13->text(), QStringLiteral("999"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(TrainingRegister, WithBothChecksTickedTheListHoldsTheNameResultOnly) {
    auto* w = open();
    clickControl(w->ui.Check1);
    ASSERT_TRUE(w->ui.Check1->isChecked());
    w->ui.Text13->setText(QStringLiteral("E0"));
    clickControl(w->ui.Check2);
    ASSERT_TRUE(w->ui.Check2->isChecked());
    w->ui.Text14->setText(QStringLiteral("王"));
    clickControl(w->ui.Command2);
    EXPECT_EQ(items(w->ui.list1), QStringList{QStringLiteral("X02;  王五;  财务部;")});
    EXPECT_TRUE(w->ui.Text13->text().isEmpty());
    EXPECT_TRUE(w->ui.Text14->text().isEmpty());

    // An unticked part does not run, whatever its box holds.
    clickControl(w->ui.Check2);
    ASSERT_FALSE(w->ui.Check2->isChecked());
    w->ui.Text13->setText(QStringLiteral("X"));
    w->ui.Text14->setText(QStringLiteral("张"));
    clickControl(w->ui.Command2);
    EXPECT_EQ(items(w->ui.list1), QStringList{QStringLiteral("X02;  王五;  财务部;")});
    EXPECT_EQ(w->ui.Text14->text(), QStringLiteral("张"));
}

TEST_F(TrainingRegister, QuickSearchTakesQuotesAndPercentSignsLiterally) {
    addEmployee(QStringLiteral("Q1"), QStringLiteral("O'Neil"));
    addEmployee(QStringLiteral("Q2"), QStringLiteral("百分%之"));
    auto* w = open();
    clickControl(w->ui.Check2);
    ASSERT_TRUE(w->ui.Check2->isChecked());
    w->ui.Text14->setText(QStringLiteral("'"));
    clickControl(w->ui.Command2);
    EXPECT_EQ(items(w->ui.list1), QStringList{QStringLiteral("Q1;  O'Neil;  ;")});
    w->ui.Text14->setText(QStringLiteral("%"));
    clickControl(w->ui.Command2);
    EXPECT_EQ(items(w->ui.list1), QStringList{QStringLiteral("Q2;  百分%之;  ;")});
    w->ui.Text14->setText(QStringLiteral("_"));
    clickControl(w->ui.Command2);
    EXPECT_EQ(w->ui.list1->count(), 0);
    EXPECT_TRUE(messages().empty());
}

TEST_F(TrainingRegister, PickingAListItemFillsNumberNameAndDepartment) {
    auto* w = open();
    halvern::test::activate(w);
    QListWidget* list = w->ui.list1;
    list->addItem(QStringLiteral("E01;  张三;  人事部;"));
    list->addItem(QStringLiteral("E010;  ;  ;"));
    list->addItem(QStringLiteral("X02;  王五;  财务部;"));
    halvern::test::clickItem(list, list->model()->index(0, 0));
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("E01"));
    EXPECT_EQ(w->ui.Text2->text(), QStringLiteral("张三"));
    EXPECT_EQ(w->ui.text3->currentText(), QStringLiteral("人事部"));

    halvern::test::clickItem(list, list->model()->index(1, 0));
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("E010"));
    EXPECT_EQ(w->ui.Text2->text(), QString());
    EXPECT_EQ(w->ui.text3->currentText(), QString());

    // The arrow keys pick the item they reach, as a click does.
    ASSERT_EQ(halvern::test::focused(), list);
    halvern::test::press(Qt::Key_Down);
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("X02"));
    EXPECT_EQ(w->ui.Text2->text(), QStringLiteral("王五"));
    EXPECT_EQ(w->ui.text3->currentText(), QStringLiteral("财务部"));
    halvern::test::press(Qt::Key_Home);
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("E01"));
    EXPECT_EQ(w->ui.text3->currentText(), QStringLiteral("人事部"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(TrainingRegister, EnterInTheNumberBoxLooksUpTheEmployeeAndMovesOn) {
    auto* w = open();
    w->ui.Text2->clear();
    w->ui.Text1->setText(QStringLiteral(" X02 "));
    w->ui.Text1->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(w->ui.Text2->text(), QStringLiteral("王五"));
    EXPECT_EQ(w->ui.text3->currentText(), QStringLiteral("财务部"));
    EXPECT_EQ(focused(), w->ui.Text2);

    // A number not on file changes nothing but still moves on.
    w->ui.Text1->setText(QStringLiteral("nobody"));
    w->ui.Text1->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(w->ui.Text2->text(), QStringLiteral("王五"));
    EXPECT_EQ(focused(), w->ui.Text2);
    EXPECT_TRUE(messages().empty());
}

TEST_F(TrainingRegister, EnterInTheNameBoxLooksUpNumberAndDepartment) {
    addEmployee(QStringLiteral("Q1"), QStringLiteral("O'Neil"), {{QStringLiteral("部门"), QStringLiteral("销售部")}});
    auto* w = open();
    w->ui.Text1->clear();
    w->ui.Text2->setText(QStringLiteral("O'Neil"));
    w->ui.Text2->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(w->ui.Text1->text(), QStringLiteral("Q1"));
    EXPECT_EQ(w->ui.text3->currentText(), QStringLiteral("销售部"));
    EXPECT_EQ(focused(), w->ui.text3);
}

TEST_F(TrainingRegister, EnterWalksTheRecordBoxesToTheSaveButton) {
    auto* w = open();
    const int departments = w->ui.text3->count();
    w->ui.text3->setEditText(QStringLiteral("新部门"));
    w->ui.text3->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), w->ui.Text4);
    EXPECT_EQ(w->ui.text3->count(), departments);  // Enter adds nothing to the list
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), w->ui.Text5);
    w->ui.Text12->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), w->ui.Command1);
    // Other keys reach the box.
    w->ui.Text11->setFocus();
    press(Qt::Key_A);
    EXPECT_EQ(w->ui.Text11->text(), QStringLiteral("a"));
}

TEST_F(TrainingRegister, ALookedUpDepartmentStaysAsItIsThroughEnterAndEnterOnTheButtonSaves) {
    // A department that is not in the department list.
    addEmployee(QStringLiteral("P001"), QStringLiteral("赵六"), {{QStringLiteral("部门"), QStringLiteral("C部")}});
    auto* w = open();
    w->ui.Text1->setFocus();
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("P001"));
    press(Qt::Key_Return);
    ASSERT_EQ(focused(), w->ui.Text2);
    EXPECT_EQ(w->ui.text3->currentText(), QStringLiteral("C部"));
    press(Qt::Key_Return);
    ASSERT_EQ(focused(), w->ui.text3);
    press(Qt::Key_Return);  // the combo box never sees this Enter
    ASSERT_EQ(focused(), w->ui.Text4);
    EXPECT_EQ(w->ui.text3->currentText(), QStringLiteral("C部"));
    type(QStringLiteral("Excel"));
    for (int i = 0; i < 20 && focused() != w->ui.Command1; ++i) press(Qt::Key_Return);
    ASSERT_EQ(focused(), w->ui.Command1);
    press(Qt::Key_Return);
    EXPECT_EQ(count(QStringLiteral("培训"),
                    QStringLiteral("员工编号='P001' and 部门 like 'C部%' and 培训时间 like 'Excel%'")),
              1)
        << lastMessage().toStdString();
}
