// Typing into the employee entry and modify windows: Enter walks the fields,
// date boxes build their hyphens and refuse letters, the identity-card box
// checks its length and fills 籍贯 from the region table.
#include "EmployeeWindowTest.h"

#include "platform/WindowHost.h"
#include "records/Formlr.h"
#include "records/Formmod.h"
#include "common/ModuleState.h"

#include <QTest>

using namespace platform;
using namespace halvern;
using namespace halvern::test;

class EntryKeys : public EmployeeWindowTest {};

TEST_F(EntryKeys, EnterWalksTheEntryWindowInItsTabOrderUpToTheSaveButton) {
    auto* w = entry();
    auto& u = w->ui;
    EXPECT_EQ(focused(), u.Text1);
    const QList<QWidget*> expected{u.Combo1, u.Text2,  u.text3,  u.Combo2, u.Text4,  u.Text9,  u.text17, u.Text10,
                                   u.Text11, u.Text7,  u.Text12, u.Text5,  u.Text15, u.Text16, u.Text6,  u.Text13,
                                   u.Text19, u.Text20, u.Text21, u.Text14, u.Text23, u.Text24, u.Text25, u.Text22,
                                   u.Text26, u.Text18, u.Text27, u.Text28, u.Text29, u.Text30, u.Command1};
    QWidget* at = u.Text1;
    for (QWidget* next : expected) {
        press(Qt::Key_Return);
        ASSERT_EQ(focused(), next) << "after " << at->objectName().toStdString();
        at = next;
    }
    // The buttons, then 学历 last, then round to the number.
    EXPECT_EQ(w->Order().Next(u.Command1), u.Command2);
    EXPECT_EQ(w->Order().Next(u.Command2), u.Command3);
    EXPECT_EQ(w->Order().Next(u.Command3), u.Text8);
    u.Text8->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), u.Text1);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(count(QStringLiteral("员工信息")), 1);  // Enter never saved anything
}

TEST_F(EntryKeys, ModifyWindowPutsTheHistoryBoxesAfterTheButtonsAndIgnoresEnterInThree) {
    addEmployee(QStringLiteral("E01"), QStringLiteral("张三"));
    auto* w = modify(QStringLiteral("E01"));
    auto& u = w->ui;
    u.Text18->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), u.Command1);
    const TabOrder& o = w->Order();
    EXPECT_EQ(o.Next(u.Command1), u.Command2);
    EXPECT_EQ(o.Next(u.Command2), u.Text30);
    EXPECT_EQ(o.Next(u.Text30), u.Text29);
    EXPECT_EQ(o.Next(u.Text29), u.Text28);
    EXPECT_EQ(o.Next(u.Text28), u.Text27);
    EXPECT_EQ(o.Next(u.Text27), u.Command3);
    EXPECT_EQ(o.Next(u.Command3), u.Text8);
    EXPECT_EQ(o.Next(u.Text8), u.Text1);
    for (QLineEdit* box : {u.Text28, u.Text29, u.Text30}) {
        box->setFocus();
        press(Qt::Key_Return);
        EXPECT_EQ(focused(), box);
    }
    u.Text27->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), u.Command3);
    // In the entry window Enter in 本公司经历 goes on to the save button.
    w->hide();
    auto* e = entry();
    e->ui.Text30->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), e->ui.Command1);
}

TEST_F(EntryKeys, DateBoxAddsItsHyphensAsDigitsAreTyped) {
    auto* w = entry();
    w->ui.Text6->setFocus();
    type(QStringLiteral("19800101"));
    EXPECT_EQ(w->ui.Text6->text(), QStringLiteral("1980-01-01"));
    // Full: a further digit does not fit.
    type(QStringLiteral("5"));
    EXPECT_EQ(w->ui.Text6->text(), QStringLiteral("1980-01-01"));
    // A key pressed at four characters first adds the hyphen, wherever the caret is.
    w->ui.Text14->setText(QStringLiteral("1980"));
    w->ui.Text14->setFocus();
    w->ui.Text14->setCursorPosition(1);
    type(QStringLiteral("0"));
    EXPECT_EQ(w->ui.Text14->text(), QStringLiteral("1980-0"));
    EXPECT_TRUE(messages().empty());
}

TEST_F(EntryKeys, BackspaceAlwaysTakesTheLastCharacterOfADateOrIdentityNumber) {
    auto* w = entry();
    w->ui.Text24->setText(QStringLiteral("1980-01-01"));
    w->ui.Text24->setFocus();
    w->ui.Text24->setCursorPosition(3);
    press(Qt::Key_Backspace);
    EXPECT_EQ(w->ui.Text24->text(), QStringLiteral("1980-01-0"));
    w->ui.Text15->setText(QStringLiteral("11010519800101"));
    w->ui.Text15->setFocus();
    w->ui.Text15->setCursorPosition(0);
    press(Qt::Key_Backspace);
    EXPECT_EQ(w->ui.Text15->text(), QStringLiteral("1101051980010"));
}

TEST_F(EntryKeys, ALetterInADateBoxIsRefusedAndLeftAsTheOnlyCharacter) {
    auto* w = entry();
    w->ui.Text6->setText(QStringLiteral("1980-0"));
    w->ui.Text6->setFocus();
    type(QStringLiteral("a"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("输入错误"));
    // 出生日期 of the entry window refuses without icon or title of its own ...
    EXPECT_EQ(messages()[0].icon, MsgIcon::None);
    EXPECT_EQ(messages()[0].title, kAppTitle);
    EXPECT_EQ(w->ui.Text6->text(), QStringLiteral("a"));
    // ... the other date boxes, and every date box of the modify window, with the information icon.
    w->ui.Text25->setFocus();
    type(QStringLiteral("x"));
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].icon, MsgIcon::Information);
    EXPECT_EQ(messages()[1].title, QStringLiteral("提示"));
    auto* m = modify(QString());
    clearMessages();
    m->ui.Text6->setFocus();
    type(QStringLiteral("-"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].icon, MsgIcon::Information);
    EXPECT_EQ(m->ui.Text6->text(), QStringLiteral("-"));
}

TEST_F(EntryKeys, EnterInAnEntryDateBoxAcceptsOnlyEmptyOrTenCharacters) {
    auto* w = entry();
    auto& u = w->ui;
    u.Text6->setFocus();
    press(Qt::Key_Return);  // empty
    EXPECT_EQ(focused(), u.Text13);
    u.Text14->setText(QStringLiteral("1980-01-01"));
    u.Text14->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), u.Text23);
    u.Text24->setText(QStringLiteral("1980-01"));
    u.Text24->setFocus();
    press(Qt::Key_Return);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("日期输入错误"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Information);
    EXPECT_TRUE(u.Text24->text().isEmpty());
    EXPECT_EQ(focused(), u.Text24);
    u.Text25->setText(QStringLiteral("1980-1-01"));  // nine characters: only the modify window takes them
    u.Text25->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_EQ(focused(), u.Text25);
}

TEST_F(EntryKeys, EnterInAModifyDateBoxAlsoAcceptsNineCharactersAndABlank) {
    auto* w = modify(QString());
    auto& u = w->ui;
    clearMessages();
    u.Text6->setText(QStringLiteral("1980-1-01"));
    u.Text6->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), u.Text13);
    u.Text25->setText(QStringLiteral(" "));
    u.Text25->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), u.Text22);
    u.Text14->setText(QStringLiteral("1980-1-1"));
    u.Text14->setFocus();
    press(Qt::Key_Return);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("日期输入错误"));
    EXPECT_TRUE(u.Text14->text().isEmpty());
    // The contract dates have no length limit here; ten in the entry window.
    EXPECT_EQ(u.Text24->maxLength(), 32767);
    EXPECT_EQ(entry()->ui.Text24->maxLength(), 10);
}

TEST_F(EntryKeys, IdentityNumberFillsNativePlaceFromTheRegionTable) {
    auto* w = entry();
    auto& u = w->ui;
    u.Text15->setFocus();
    type(QStringLiteral("11010519800101001"));
    type(QStringLiteral("X"));  // warned, yet typed
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("输入有误"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(u.Text15->text(), QStringLiteral("11010519800101001X"));
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), u.Text16);
    EXPECT_EQ(u.Text16->text(), QStringLiteral("北京市朝阳区"));
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(EntryKeys, IdentityNumberOfWrongLengthIsRefusedAndUnknownRegionLeavesNativePlace) {
    auto* w = entry();
    auto& u = w->ui;
    u.Text16->setText(QStringLiteral("自填"));
    u.Text15->setText(QStringLiteral("1101051980010100"));  // 16
    u.Text15->setFocus();
    press(Qt::Key_Return);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("身份证长度错误"));
    EXPECT_EQ(messages()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(focused(), u.Text15);
    u.Text15->setText(QStringLiteral("999999800101001"));  // 15, no such region
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), u.Text16);
    EXPECT_EQ(u.Text16->text(), QStringLiteral("自填"));
    u.Text15->clear();  // empty moves on too
    u.Text15->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), u.Text16);
    EXPECT_EQ(messages().size(), 1u);
}

TEST_F(EntryKeys, ModifyWindowChecksTheTrimmedIdentityNumberAndSkipsBlanks) {
    auto* w = modify(QString());
    auto& u = w->ui;
    clearMessages();
    u.Text16->setText(QStringLiteral("旧籍贯"));
    u.Text15->setText(QStringLiteral("  "));
    u.Text15->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), u.Text16);
    EXPECT_EQ(u.Text16->text(), QStringLiteral("旧籍贯"));
    u.Text15->setText(QStringLiteral("110105800101001 "));  // 15 once trimmed
    u.Text15->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), u.Text16);
    EXPECT_EQ(u.Text16->text(), QStringLiteral("北京市朝阳区"));
    u.Text15->setText(QStringLiteral("   "));  // three blanks: length 0 once trimmed
    u.Text15->setFocus();
    press(Qt::Key_Return);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].text, QStringLiteral("身份证长度错误"));
}

TEST_F(EntryKeys, RegionLookupUsesTheFirstSixCharactersAsTyped) {
    EXPECT_EQ(RegionName(QStringLiteral("110105198001010011")).value_or(QString()), QStringLiteral("北京市朝阳区"));
    EXPECT_FALSE(RegionName(QStringLiteral(" 110105198001010011")).has_value());
    EXPECT_FALSE(RegionName(QString()).has_value());
    EXPECT_FALSE(RegionName(QStringLiteral("11'105")).has_value());
}

TEST_F(EntryKeys, AClerkTypesEveryFieldWithEnterBetweenThemAndEnterOnTheSaveButtonSaves) {
    auto* w = entry();
    auto& u = w->ui;
    // Whatever stands in a box when Enter reaches it, the next field gets what is typed next.
    const QList<std::pair<QWidget*, QString>> typed{
        {u.Text1, QStringLiteral("K01")}, {u.Combo1, QStringLiteral("女")},  {u.Text2, QStringLiteral("李四")},
        {u.text3, QStringLiteral("新部")}, {u.Combo2, QStringLiteral("回族")}, {u.Text4, QStringLiteral("会计")}};
    for (const auto& [box, text] : typed) {
        ASSERT_EQ(focused(), box) << box->objectName().toStdString();
        press(Qt::Key_A, Qt::ControlModifier);  // over what the box holds
        type(text);
        press(Qt::Key_Return);
    }
    // A combo box keeps its text exactly as typed; Enter never reaches it.
    EXPECT_EQ(u.Combo1->currentText(), QStringLiteral("女"));
    EXPECT_EQ(u.text3->currentText(), QStringLiteral("新部"));
    EXPECT_EQ(u.Combo2->currentText(), QStringLiteral("回族"));
    EXPECT_EQ(u.Text2->text(), QStringLiteral("李四"));
    // On through every other field to "确  定"; Enter there saves.
    for (int i = 0; i < 40 && focused() != u.Command1; ++i) press(Qt::Key_Return);
    ASSERT_EQ(focused(), u.Command1);
    press(Qt::Key_Return);
    EXPECT_TRUE(messages().empty()) << lastMessage().toStdString();
    EXPECT_EQ(count(QStringLiteral("员工信息"), QStringLiteral("员工编号='K01' and 姓名='李四' and 性别 like '女%' and 部门 like '新部%'")), 1);
}
