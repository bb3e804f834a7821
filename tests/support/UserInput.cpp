#include "UserInput.h"

#include "platform/FlexGrid.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

namespace halvern::test {

void activate(QWidget* window) {
    if (!window->isVisible()) window->show();
    window->raise();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    (void)QTest::qWaitForWindowActive(window);
}

QWidget* focused() { return QApplication::focusWidget(); }

namespace {
void sendKey(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QWidget* target = QApplication::focusWidget();
    if (!target) target = QApplication::activeWindow();
    if (!target) return;
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &down);
    // The press may have moved the focus; the release goes where the focus is now.
    QWidget* after = QApplication::focusWidget() ? QApplication::focusWidget() : target;
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(after, &up);
    QApplication::processEvents();
}

QString textOf(int key, Qt::KeyboardModifiers modifiers) {
    switch (key) {
    case Qt::Key_Return: return QStringLiteral("\r");
    case Qt::Key_Enter: return QStringLiteral("\r");
    case Qt::Key_Backspace: return QStringLiteral("\b");
    case Qt::Key_Tab: return QStringLiteral("\t");
    case Qt::Key_Escape: return QString(QChar(0x1b));
    case Qt::Key_Space: return QStringLiteral(" ");
    default: break;
    }
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) return {};
    if (key >= 0x20 && key < 0x7f) {
        const QChar c(key);
        return QString(modifiers & Qt::ShiftModifier ? c.toUpper() : c.toLower());
    }
    return {};
}
}  // namespace

void press(int key, Qt::KeyboardModifiers modifiers) { sendKey(key, modifiers, textOf(key, modifiers)); }

void type(const QString& text) {
    for (const QChar c : text) {
        const ushort u = c.unicode();
        int key = Qt::Key_unknown;
        if (u >= 'a' && u <= 'z') key = Qt::Key_A + (u - 'a');
        else if (u >= 'A' && u <= 'Z') key = Qt::Key_A + (u - 'A');
        else if (u >= 0x20 && u < 0x7f) key = u;
        sendKey(key, (u >= 'A' && u <= 'Z') ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
    }
}

void click(QWidget* widget, Qt::MouseButton button, QPoint at) {
    QTest::mouseClick(widget, button, Qt::NoModifier, at.isNull() ? widget->rect().center() : at);
    QApplication::processEvents();
}

void doubleClick(QWidget* widget, QPoint at) {
    const QPoint p = at.isNull() ? widget->rect().center() : at;
    // A double click is a press, a release, then a second press that doubles.
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, p);
    QApplication::processEvents();
}

namespace {
void sendMouse(QWidget* widget, QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons buttons) {
    const QPoint local = widget->mapFromGlobal(global);
    QMouseEvent e(type, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &e);
    QApplication::processEvents();
}
}  // namespace

void drag(QWidget* widget, QPoint from, QPoint to) {
    const QPoint start = widget->mapToGlobal(from);
    const QPoint end = widget->mapToGlobal(to);
    sendMouse(widget, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    // Half-way first, then to the end, as a hand moves.
    sendMouse(widget, QEvent::MouseMove, start + (end - start) / 2, Qt::NoButton, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseMove, end, Qt::NoButton, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
}

void clickItem(QAbstractItemView* view, const QModelIndex& index, Qt::MouseButton button) {
    view->scrollTo(index);
    click(view->viewport(), button, view->visualRect(index).center());
}

void doubleClickItem(QAbstractItemView* view, const QModelIndex& index) {
    view->scrollTo(index);
    doubleClick(view->viewport(), view->visualRect(index).center());
}

namespace {
QModelIndex cellIndex(platform::FlexGrid* grid, int row, int col) {
    return grid->model()->index(grid->IsBound() ? row - 1 : row, col);
}
}  // namespace

void clickCell(platform::FlexGrid* grid, int row, int col, Qt::MouseButton button) {
    clickItem(grid, cellIndex(grid, row, col), button);
}

void doubleClickCell(platform::FlexGrid* grid, int row, int col) { doubleClickItem(grid, cellIndex(grid, row, col)); }

bool chooseItem(QComboBox* combo, const QString& text) {
    const int i = combo->findText(text);
    if (i < 0) return false;
    // The arrow opens the list, also of a box that takes typed text.
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
    click(combo, Qt::LeftButton, arrow.isValid() ? arrow.center() : QPoint());
    QAbstractItemView* list = combo->view();
    if (!list->isVisible()) return false;
    // A list ignores a release that comes before a double-click's time has
    // passed since it opened, as the opening click's own release would.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    clickItem(list, combo->model()->index(i, combo->modelColumn()));
    return combo->currentIndex() == i;
}

QMenu* openPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

bool choose(QMenu* popup, const QString& text) {
    if (!popup) return false;
    for (QAction* a : popup->actions()) {
        if (a->text() != text) continue;
        click(popup, Qt::LeftButton, popup->actionGeometry(a).center());
        return true;
    }
    return false;
}

}  // namespace halvern::test

// records and training tests
#include <QCheckBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

namespace halvern::test {

namespace {
QString clickTargetName(const QWidget* w) {
    const QString name = w->objectName();
    return name.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : name;
}

// Where a person clicks a control: on the little box of a check box or an
// option button (its middle may lie beyond its text), else in its middle.
QPoint clickPointOf(QWidget* control) {
    QStyle::SubElement indicator = QStyle::SE_CustomBase;
    if (qobject_cast<QCheckBox*>(control)) indicator = QStyle::SE_CheckBoxIndicator;
    if (qobject_cast<QRadioButton*>(control)) indicator = QStyle::SE_RadioButtonIndicator;
    if (indicator == QStyle::SE_CustomBase) return control->rect().center();
    QStyleOptionButton option;
    option.initFrom(control);
    return control->style()->subElementRect(indicator, &option, control).center();
}
}  // namespace

bool canClick(QWidget* control) {
    if (!control) {
        ADD_FAILURE() << "no control to click";
        return false;
    }
    const std::string name = clickTargetName(control).toStdString();
    if (!control->isVisible()) {
        ADD_FAILURE() << name << " is not shown";
        return false;
    }
    if (!control->isEnabled()) {
        ADD_FAILURE() << name << " is disabled";
        return false;
    }
    QWidget* window = control->window();
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != window) {
        ADD_FAILURE() << name << " lies in " << clickTargetName(window).toStdString() << ", which the modal window "
                      << clickTargetName(modal).toStdString() << " blocks";
        return false;
    }
    QWidget* top = window->childAt(control->mapTo(window, clickPointOf(control)));
    if (top != control && !control->isAncestorOf(top)) {
        ADD_FAILURE() << name << " lies under " << (top ? clickTargetName(top).toStdString() : std::string("nothing"));
        return false;
    }
    return true;
}

void clickControl(QWidget* control) {
    if (!canClick(control)) return;
    activate(control->window());
    click(control, Qt::LeftButton, clickPointOf(control));
}

void clickItemWith(QAbstractItemView* view, const QModelIndex& index, Qt::KeyboardModifiers modifiers) {
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, view->visualRect(index).center());
    QApplication::processEvents();
}

bool chooseMenu(QMenuBar* bar, const QString& heading, const QString& command) {
    if (chooseMenu(bar, heading, QStringList{command})) return true;
    ADD_FAILURE() << "no command " << command.toStdString() << " to choose under " << heading.toStdString();
    return false;
}

}  // namespace halvern::test

// shell tests
#include <QToolBar>

namespace halvern::test {

void mousePress(QWidget* widget, QPoint at, Qt::MouseButton button, Qt::MouseButtons alsoHeld) {
    sendMouse(widget, QEvent::MouseButtonPress, widget->mapToGlobal(at), button, alsoHeld | button);
}

void mouseMove(QWidget* widget, QPoint to, Qt::MouseButtons held) {
    sendMouse(widget, QEvent::MouseMove, widget->mapToGlobal(to), Qt::NoButton, held);
}

void mouseRelease(QWidget* widget, QPoint at, Qt::MouseButton button, Qt::MouseButtons stillHeld) {
    sendMouse(widget, QEvent::MouseButtonRelease, widget->mapToGlobal(at), button, stillHeld);
}

bool choosePath(QMenu* popup, const QStringList& captions) {
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (!popup || !popup->isVisible()) return false;
        QAction* found = nullptr;
        for (QAction* a : popup->actions())
            if (a->text() == captions[i] && a->isVisible()) found = a;
        if (!found || !found->isEnabled()) return false;
        click(popup, Qt::LeftButton, popup->actionGeometry(found).center());
        if (i + 1 == captions.size()) return !found->menu();
        // A submenu opens a moment after the press, as it does under a resting mouse.
        QMenu* sub = found->menu();
        if (!sub || !QTest::qWaitFor([sub] { return sub->isVisible(); })) return false;
        popup = sub;
    }
    return false;
}

bool chooseMenu(QMenuBar* bar, const QString& heading, const QStringList& captions) {
    for (QAction* a : bar->actions()) {
        if (a->text() != heading) continue;
        // A heading the bar has no room for is not there to click.
        if (!a->isEnabled() || !a->menu() || !bar->rect().contains(bar->actionGeometry(a))) return false;
        if (!canClick(bar)) return false;
        activate(bar->window());
        click(bar, Qt::LeftButton, bar->actionGeometry(a).center());
        if (openPopup() != a->menu()) return false;
        if (choosePath(a->menu(), captions)) return true;
        for (int i = 0; i < 3 && openPopup(); ++i) openPopup()->hide();
        return false;
    }
    return false;
}

bool clickToolButton(QToolBar* bar, QAction* action) {
    QWidget* button = bar->widgetForAction(action);
    if (!button || !button->isVisible() || !action->isEnabled()) return false;
    click(button);
    return true;
}

}  // namespace halvern::test
