#include "WindowLook.h"

#include "platform/RowHeights.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

#include <algorithm>

namespace halvern::test {

namespace {

QString nameOf(const QWidget* w) {
    const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    const QWidget* top = w->window();
    return (top ? top->windowTitle() + QLatin1Char('/') : QString()) + name;
}

// Rows of a view: the heights it lays them out with (the first rows suffice).
void checkRows(const QAbstractItemView* view, QStringList& out, const QString& name) {
    const QAbstractItemModel* model = view->model();
    if (!model) return;
    const int need = platform::RowHeightFor(view->font());
    const int rows = std::min(model->rowCount(view->rootIndex()), 30);
    const auto* table = qobject_cast<const QTableView*>(view);
    for (int r = 0; r < rows; ++r) {
        if (table && table->isRowHidden(r)) continue;
        const int h = table ? table->rowHeight(r) : view->sizeHintForRow(r);
        if (h < need)
            out << QStringLiteral("%1 row %2: %3 px, its font needs %4").arg(name).arg(r).arg(h).arg(need);
    }
    if (table && table->horizontalHeader()->isVisible() && table->horizontalHeader()->height() < need)
        out << QStringLiteral("%1 header: %2 px, its font needs %3")
                   .arg(name)
                   .arg(table->horizontalHeader()->height())
                   .arg(need);
}

// A single-line box or button holds the full height of its font.
void checkHeight(const QWidget* w, QStringList& out) {
    const int need = platform::FullLineHeight(w->font());
    if (w->height() < need)
        out << QStringLiteral("%1: %2 px high, its font needs %3").arg(nameOf(w)).arg(w->height()).arg(need);
}

void checkLabel(const QLabel* label, QStringList& out) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText) return;
    const QFontMetrics fm(label->font());
    const QRect inside = label->contentsRect();
    const QSize hint = label->minimumSizeHint();
    if (inside.height() < fm.lineSpacing() || label->height() < hint.height())
        out << QStringLiteral("%1 \"%2\": %3 px high, its text needs %4")
                   .arg(nameOf(label), label->text())
                   .arg(label->height())
                   .arg(std::max(fm.lineSpacing(), hint.height()));
    if (!label->wordWrap() && label->width() < hint.width())
        out << QStringLiteral("%1 \"%2\": %3 px wide, its text needs %4")
                   .arg(nameOf(label), label->text())
                   .arg(label->width())
                   .arg(hint.width());
}

void checkButton(const QAbstractButton* button, QStringList& out) {
    checkHeight(button, out);
    QString text = button->text();
    text.remove(QLatin1Char('&'));
    if (text.isEmpty()) return;
    const int need = QFontMetrics(button->font()).horizontalAdvance(text) + (button->icon().isNull() ? 0 : button->iconSize().width());
    if (button->width() < need)
        out << QStringLiteral("%1 \"%2\": %3 px wide, its text needs %4").arg(nameOf(button), text).arg(button->width()).arg(need);
}

}  // namespace

QStringList CrampedParts(QWidget* window) {
    window->show();
    QApplication::processEvents();
    QStringList out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // The views of drop-down lists are measured whether open or not.
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            checkRows(combo->view(), out, nameOf(combo) + QStringLiteral(" drop-down list"));
            if (combo->isVisibleTo(window)) checkHeight(combo, out);
            continue;
        }
        if (!w->isVisibleTo(window) || w->window() != window) continue;
        if (qobject_cast<QHeaderView*>(w)) {
            continue;  // measured with its table
        } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            checkRows(view, out, nameOf(view));
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            checkLabel(label, out);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            checkButton(button, out);
        } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w)) {
            // A combo box's or date box's own line edit is measured by its box.
            if (!qobject_cast<QComboBox*>(w->parentWidget()) && !qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
                checkHeight(w, out);
        }
    }
    return out;
}

}  // namespace halvern::test
