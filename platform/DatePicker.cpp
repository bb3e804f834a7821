#include "DatePicker.h"

#include <QKeyEvent>

namespace platform {

// The edit steps through its sections on Tab; the picker hands Tab to the window instead.
bool DatePicker::focusNextPrevChild(bool next) { return QWidget::focusNextPrevChild(next); }

// Left and Right go to the previous and next part (year, month, day), as the
// picker's user expects, instead of moving the caret by one character; at
// either end they stay on the first or last part.
void DatePicker::keyPressEvent(QKeyEvent* event) {
    const bool left = event->key() == Qt::Key_Left;
    if ((left || event->key() == Qt::Key_Right) && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        const int section = std::clamp(currentSectionIndex() + (left ? -1 : 1), 0, sectionCount() - 1);
        setCurrentSectionIndex(section);
        setSelectedSection(currentSection());
        event->accept();
        return;
    }
    QDateTimeEdit::keyPressEvent(event);
}

}  // namespace platform
