// Enter, Esc and Tab in a window, as a person presses them: the focused
// button, the default and cancel buttons, multi-line boxes, combo boxes,
// date pickers and grids.
#include "UserInput.h"

#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/Input.h"
#include "platform/WindowHost.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace platform;
using namespace halvern::test;

namespace {

class Window : public Form {
public:
    Window() {
        auto* l = new QVBoxLayout(this);
        for (QWidget* w : std::initializer_list<QWidget*>{box, combo, memo, date, grid, ok, other, cancel})
            l->addWidget(w);
        MakeTypedComboBox(combo);
        combo->addItems({QStringLiteral("行政部"), QStringLiteral("财务部")});
        grid->SetCols(3);
        grid->SetRows(3);
        connect(ok, &QPushButton::clicked, this, [this] { pressed << QStringLiteral("ok"); });
        connect(other, &QPushButton::clicked, this, [this] { pressed << QStringLiteral("other"); });
        connect(cancel, &QPushButton::clicked, this, [this] { pressed << QStringLiteral("cancel"); });
    }
    QString FormName() const override { return QStringLiteral("Window"); }
    QLineEdit* box = new QLineEdit;
    QComboBox* combo = new QComboBox;
    QPlainTextEdit* memo = new QPlainTextEdit;
    DatePicker* date = new DatePicker;
    FlexGrid* grid = new FlexGrid;
    QPushButton* ok = new QPushButton(QStringLiteral("确定"));
    QPushButton* other = new QPushButton(QStringLiteral("其他"));
    QPushButton* cancel = new QPushButton(QStringLiteral("取消"));
    QStringList pressed;
};

class FormKeys : public ::testing::Test {
protected:
    void SetUp() override {
        w = new Window;
        activate(w);
    }
    void TearDown() override { delete w; }
    Window* w = nullptr;
};

}  // namespace

TEST_F(FormKeys, EnterPressesTheFocusedButtonElseTheDefaultAndEscTheCancelButton) {
    w->box->setFocus();
    press(Qt::Key_Return);
    EXPECT_TRUE(w->pressed.isEmpty());  // no default button: Enter does nothing
    w->SetDefaultButton(w->ok);
    w->SetCancelButton(w->cancel);
    EXPECT_TRUE(w->ok->isDefault());
    press(Qt::Key_Return);
    press(Qt::Key_Enter);
    EXPECT_EQ(w->pressed, QStringList({"ok", "ok"}));
    w->other->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(w->pressed.last(), QStringLiteral("other"));
    w->box->setFocus();
    press(Qt::Key_Escape);
    EXPECT_EQ(w->pressed.last(), QStringLiteral("cancel"));
    // A default button that cannot be pressed is not pressed.
    w->pressed.clear();
    w->ok->setEnabled(false);
    press(Qt::Key_Return);
    EXPECT_TRUE(w->pressed.isEmpty());
}

TEST_F(FormKeys, AMultiLineBoxKeepsItsEnter) {
    w->SetDefaultButton(w->ok);
    w->memo->setFocus();
    type(QStringLiteral("a"));
    press(Qt::Key_Return);
    type(QStringLiteral("b"));
    EXPECT_EQ(w->memo->toPlainText(), QStringLiteral("a\nb"));
    EXPECT_TRUE(w->pressed.isEmpty());
}

TEST_F(FormKeys, AKeyHookOnAComboBoxSeesTheKeysTypedIntoItAndADiscardedEnterNeverReachesIt) {
    QList<int> seen;
    OnKeyPress(w->combo, [&](int& k) {
        seen << k;
        if (k == kKeyEnter) k = 0;
    });
    w->combo->setFocus();
    press(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("财务"));
    press(Qt::Key_Return);
    EXPECT_EQ(seen, (QList<int>{0x8D22, 0x52A1, kKeyEnter}));  // 财, 务, Enter
    // The combo box did not complete the text to a list item nor add it to the list.
    EXPECT_EQ(w->combo->currentText(), QStringLiteral("财务"));
    EXPECT_EQ(w->combo->count(), 2);
}

TEST_F(FormKeys, OneTabLeavesADatePickerAndAGrid) {
    w->date->setFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), w->grid);
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), w->ok);
    w->grid->setFocus();
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), w->date);
}

TEST_F(FormKeys, TheGridHighlightsTheCellTheProgramSetsAndARightClickMovesNothing) {
    FlexGrid* g = w->grid;
    g->SetFixedRows(1);
    g->SetRow(2);
    g->SetCol(1);
    EXPECT_EQ(g->currentIndex(), g->model()->index(2, 1));
    EXPECT_TRUE(g->selectionModel()->isRowSelected(2, {}));
    int clicks = 0;
    QList<int> ups;
    QObject::connect(g, &FlexGrid::Click, [&] { ++clicks; });
    QObject::connect(g, &FlexGrid::MouseUp, [&](int button, int, double, double) { ups << button; });
    clickCell(g, 1, 2, Qt::RightButton);
    EXPECT_EQ(g->Row(), 2);
    EXPECT_EQ(g->Col(), 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(ups, QList<int>{2});
    clickCell(g, 1, 2);
    EXPECT_EQ(g->Row(), 1);
    EXPECT_EQ(g->Col(), 2);
    EXPECT_EQ(clicks, 1);
}
