// The date pickers of the transfer and resignation windows under the keyboard:
// one Tab leaves the picker, Shift+Tab comes back, Left and Right go between
// year, month and day, Up and Down change the part that is chosen.
#include "TestProgram.h"
#include "UserInput.h"

#include <QDateTimeEdit>
#include "platform/WindowHost.h"
#include "records/Formyglz.h"
#include "records/formygdd.h"
#include "shell/Form1.h"

using namespace platform;
using namespace halvern;
using namespace halvern::test;

class DatePickerKeys : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        WindowHost::Default<Form1>()->Load();
        clearMessages();
    }
    template <class T>
    T* open() {
        auto* w = WindowHost::Default<T>();
        WindowHost::Show(w, ShowMode::Modal);
        activate(w);
        w->ui.text3->setDate(QDate(2021, 2, 3));
        return w;
    }
    // Steps through the picker's parts and changes each: 2021-02-03 becomes 2022-03-02.
    static void changeEveryPart(QDateTimeEdit* picker) {
        ASSERT_EQ(focused(), picker);
        EXPECT_EQ(picker->currentSection(), QDateTimeEdit::YearSection);
        press(Qt::Key_Up);
        press(Qt::Key_Right);
        EXPECT_EQ(picker->currentSection(), QDateTimeEdit::MonthSection);
        press(Qt::Key_Up);
        press(Qt::Key_Right);
        EXPECT_EQ(picker->currentSection(), QDateTimeEdit::DaySection);
        press(Qt::Key_Down);
        press(Qt::Key_Right);  // the day is the last part
        EXPECT_EQ(picker->currentSection(), QDateTimeEdit::DaySection);
        EXPECT_EQ(picker->date(), QDate(2022, 3, 2));
        press(Qt::Key_Left);
        EXPECT_EQ(picker->currentSection(), QDateTimeEdit::MonthSection);
        press(Qt::Key_Down);
        EXPECT_EQ(picker->date(), QDate(2022, 2, 2));
        press(Qt::Key_Left);
        press(Qt::Key_Left);  // the year is the first
        EXPECT_EQ(picker->currentSection(), QDateTimeEdit::YearSection);
        EXPECT_EQ(focused(), picker);
    }
    // Tab from the control before the picker into it, through its parts, on to the
    // control after it, and Shift+Tab back the same way.
    void tabThrough(QWidget* before, QDateTimeEdit* picker, QWidget* after) {
        before->setFocus();
        press(Qt::Key_Tab);
        changeEveryPart(picker);
        press(Qt::Key_Tab);
        EXPECT_EQ(focused(), after);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focused(), picker);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focused(), before);
        EXPECT_EQ(picker->date(), QDate(2022, 2, 2));
        EXPECT_TRUE(messages().empty());
    }
};

TEST_F(DatePickerKeys, TransferDateIsOneTabStopBetweenTheDepartmentAndTheButton) {
    auto* w = open<formygdd>();
    tabThrough(w->ui.Text2, w->ui.text3, w->ui.Command1);
}

TEST_F(DatePickerKeys, ResignationDateIsOneTabStopBetweenTheNumberAndTheReason) {
    auto* w = open<Formyglz>();
    tabThrough(w->ui.Text1, w->ui.text3, w->ui.Text2);
}
