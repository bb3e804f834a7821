// What a person does with keyboard and mouse, as real events: keys go to the
// widget that holds the focus in the active window, clicks go to a view's
// viewport at the item's rectangle with the button pressed.
#pragma once

#include <QModelIndex>
#include <QPoint>
#include <QString>

class QAbstractItemView;
class QComboBox;
class QMenu;
class QWidget;

namespace platform {
class FlexGrid;
}

namespace halvern::test {

// Shows the window if needed, makes it the active window and waits until it is.
void activate(QWidget* window);
// The widget that holds the focus (QApplication::focusWidget()).
QWidget* focused();

// A key pressed and released in the focused widget.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Each character typed into whatever holds the focus at that moment.
void type(const QString& text);

// A click (or double-click) on a widget, in its middle unless a point is given.
void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = {});
void doubleClick(QWidget* widget, QPoint at = {});
// A drag with the left button: pressed at from, moved to to and released there, both in
// the widget's coordinates at the press. The widget may move while dragged, as a
// splitter bar does; every event reaches it where the pointer then is in its own coordinates.
void drag(QWidget* widget, QPoint from, QPoint to);
// A click on an item of a list, tree or grid, at the item's rectangle.
void clickItem(QAbstractItemView* view, const QModelIndex& index, Qt::MouseButton button = Qt::LeftButton);
void doubleClickItem(QAbstractItemView* view, const QModelIndex& index);
// A click on a grid cell by the grid's own row and column (row 1 = first data row of a bound grid).
void clickCell(platform::FlexGrid* grid, int row, int col, Qt::MouseButton button = Qt::LeftButton);
void doubleClickCell(platform::FlexGrid* grid, int row, int col);

// Chooses an item of a drop-down list as the mouse does: a click opens the
// list, a click on the item chooses it. False when the list has no such item.
bool chooseItem(QComboBox* combo, const QString& text);

// The popup menu open now, or null.
QMenu* openPopup();
// Clicks the popup's command whose caption is text; false when there is none.
bool choose(QMenu* popup, const QString& text);

}  // namespace halvern::test

// records and training tests
class QMenuBar;

namespace halvern::test {

// Whether a person could click control now: it is shown and enabled, nothing
// lies over its middle and no modal window blocks its window. When not, the
// test fails with the reason.
bool canClick(QWidget* control);
// A left click on a button, check box, label or frame a person can click
// (canClick), its window made the active one first, as the click makes it.
void clickControl(QWidget* control);
// A left click on an item with keys held, as Ctrl+click takes the highlight
// off the chosen item of a list.
void clickItemWith(QAbstractItemView* view, const QModelIndex& index, Qt::KeyboardModifiers modifiers);
// Chooses a command of a menu bar as the mouse does: a click on the heading
// opens its menu, a click on the command chooses it. Captions as shown, with
// their & marks. False (and a test failure) when there is no such command.
bool chooseMenu(QMenuBar* bar, const QString& heading, const QString& command);

}  // namespace halvern::test

// shell tests
#include <QStringList>

class QToolBar;
class QAction;

namespace halvern::test {

// One mouse event at a time, at a point in the widget's coordinates as it
// stands at that moment: a button pressed (with others still held), the
// pointer moved with the buttons held, a button released (others still held).
void mousePress(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::MouseButtons alsoHeld = {});
void mouseMove(QWidget* widget, QPoint to, Qt::MouseButtons held = Qt::LeftButton);
void mouseRelease(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::MouseButtons stillHeld = {});

// Clicks the popup's commands in turn: each caption but the last names a
// submenu, which opens where the mouse rests on it. False when a caption is
// missing or greyed, or a submenu does not open.
bool choosePath(QMenu* popup, const QStringList& captions);
// A click on the heading of a menu bar, then on the commands of the menu it opens
// (each but the last a submenu). False also when the bar is too narrow to show
// the whole heading.
bool chooseMenu(QMenuBar* bar, const QString& heading, const QStringList& captions);
// A click on a toolbar's button for the action, where the toolbar shows it.
bool clickToolButton(QToolBar* bar, QAction* action);

}  // namespace halvern::test
