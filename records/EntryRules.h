// Keyboard rules of the data-entry windows: a key-press hook that sees each
// key before the control does, Enter moving on in a window's tab order, the
// date boxes that build "yyyy-mm-dd" as digits are typed, and the
// identity-card box with its native-place lookup.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

namespace halvern {

// Key codes as a key-press handler sees them.
constexpr int kKeyBackspace = 8;
constexpr int kKeyEnter = 13;

// Calls handler with the key code of every character key, Enter and
// Backspace pressed in control, before the control sees the key. A handler
// that sets the code to 0 discards the key; otherwise the key takes its usual
// effect. For an editable combo box the hook sits on its edit line.
void OnKeyPress(QWidget* control, std::function<void(int& KeyAscii)> handler);

// Calls handler when the left mouse button is released over control.
void OnClick(QWidget* control, std::function<void()> handler);

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

// Which window's variant of a rule applies.
enum class EntryVariant { Entry, Modify };

// Date box rule. next is the box's fixed next control on an accepted Enter;
// plainRefusal shows "输入错误" without icon and title of its own.
void DateKeyPress(int& KeyAscii, QLineEdit* box, QWidget* next, EntryVariant variant, bool plainRefusal = false);

// Identity-card rule: digits only, length check on Enter, then the native
// place looked up into nativePlace.
void IdCardKeyPress(int& KeyAscii, QLineEdit* box, QLineEdit* nativePlace, const TabOrder& order, EntryVariant variant);

// The name of the region whose code is the first six characters of the
// number as typed; nothing when no region has that code. Throws DbError.
std::optional<QString> RegionName(const QString& idNumber);

// Runs the lookup and, when a region matches, writes its name into
// nativePlace; a database failure is reported and changes nothing.
void LookUpNativePlace(const QString& idNumber, QLineEdit* nativePlace);

}  // namespace halvern
