#include "SingleLine.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>

namespace platform {

namespace {

const char* const kWatched = "halvernOneLine";

bool hasBreaks(const QString& text) {
    for (QChar c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t')) return true;
    return false;
}

// Edits by the user (typing, pasting, dropping) come back as one line, the
// cursor staying behind what was inserted.
void flatten(QLineEdit* box, const QString& text) {
    if (!hasBreaks(text)) return;
    const int cursor = box->cursorPosition();
    const QString before = OneLine(text.left(cursor));
    box->setText(before + OneLine(text.mid(cursor)));
    box->setCursorPosition(before.size());
}

class OneLineFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish) {
            auto* box = qobject_cast<QLineEdit*>(watched);
            // A spin or date box keeps its own rules for its edit line.
            if (box && !box->property(kWatched).toBool() && !qobject_cast<QAbstractSpinBox*>(box->parentWidget())) {
                box->setProperty(kWatched, true);
                QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) { flatten(box, text); });
            }
        }
        return false;
    }
};

}  // namespace

QString OneLine(const QString& text) {
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar& c : line)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t')) c = QLatin1Char(' ');
    return line;
}

void KeepBoxesToOneLine() {
    static OneLineFilter* filter = nullptr;
    if (filter || !qApp) return;
    filter = new OneLineFilter(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace platform
