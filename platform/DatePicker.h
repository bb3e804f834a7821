// The date picker of the windows: one Tab leaves it for the next control;
// the arrow keys move between its year, month and day and change them.
#pragma once

#include <QDateTimeEdit>

namespace platform {

class DatePicker : public QDateTimeEdit {
public:
    using QDateTimeEdit::QDateTimeEdit;

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace platform
