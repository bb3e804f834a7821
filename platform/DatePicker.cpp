#include "DatePicker.h"

namespace platform {

// The edit steps through its sections on Tab; the picker hands Tab to the window instead.
bool DatePicker::focusNextPrevChild(bool next) { return QWidget::focusNextPrevChild(next); }

}  // namespace platform
