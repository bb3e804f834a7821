// Keyboard rules of the data-entry windows: the date boxes that build
// "yyyy-mm-dd" as digits are typed, and the identity-card box with its
// native-place lookup. The key hooks and Enter's walk come from the platform.
#pragma once

#include "platform/Input.h"

#include <QString>

#include <optional>

class QLineEdit;
class QWidget;

namespace halvern {

using platform::EnterMovesOn;
using platform::kKeyBackspace;
using platform::kKeyEnter;
using platform::OnClick;
using platform::OnKeyPress;
using platform::TabOrder;

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
