// Keyboard and mouse as the windows' handlers expect them: a key-press hook
// that sees every key of a control before the control does (whichever inner
// part of it holds the focus), Enter moving on in a window's tab order, and
// the Click of lists and trees, raised by the mouse and by the arrow keys.
#pragma once

#include <QList>
#include <QModelIndex>
#include <QPointer>

#include <functional>

class QAbstractItemView;
class QComboBox;
class QWidget;

namespace platform {

// Key codes as a key-press handler sees them.
constexpr int kKeyBackspace = 8;
constexpr int kKeyEnter = 13;

// Calls handler with the key code of every character key, Enter and
// Backspace pressed in control, before the control sees the key. A handler
// that sets the code to 0 discards the key; otherwise the key takes its usual
// effect. The hook covers the control's inner parts too (the edit line of a
// combo box), so a discarded Enter never reaches any of them.
void OnKeyPress(QWidget* control, std::function<void(int& KeyAscii)> handler);

// Calls handler when the left mouse button is released over control.
void OnClick(QWidget* control, std::function<void()> handler);

// Calls handler with the item clicked in a list or tree: on a left click on
// an item, and whenever the current item moves by keyboard (arrow keys,
// Home, End, page keys, typed letters). While the item under the caret is not
// chosen (as after coming into the list by Tab), the first of those keys, or
// Space, chooses that item instead.
void OnItemClick(QAbstractItemView* view, std::function<void(const QModelIndex& item)> handler);

// Makes a combo box one the user can type into, as the windows' combo boxes
// are: its text is what was typed or chosen; it neither completes the text
// to a list item nor adds it to the list.
void MakeTypedComboBox(QComboBox* box);

// The order in which Enter and Tab walk a window's controls; after the last
// comes the first. Only the listed controls take the focus by Tab.
class TabOrder {
public:
    void Set(const QList<QWidget*>& controls);
    const QList<QPointer<QWidget>>& Controls() const { return controls_; }
    // The control after control (wrapping); null when control is not listed.
    QWidget* Next(const QWidget* control) const;
    // Moves the focus from control to the next one, as the Tab key does.
    void MoveOn(const QWidget* control) const;

private:
    QList<QPointer<QWidget>> controls_;
};

// Enter moves on: on Enter the focus goes to the next control and the key is discarded.
void EnterMovesOn(int& KeyAscii, const QWidget* control, const TabOrder& order);

}  // namespace platform
