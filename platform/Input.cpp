#include "Input.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

namespace platform {

namespace {

// One hook watches the control and every inner widget of it (not popups,
// which are windows of their own), also those the control makes later.
class KeyPressHook : public QObject {
public:
    KeyPressHook(QWidget* control, std::function<void(int&)> handler)
        : QObject(control), control_(control), handler_(std::move(handler)) {
        watch(control);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildAdded) {
            if (auto* w = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child())) watch(w);
            return false;
        }
        if (event->type() != QEvent::KeyPress) return false;
        // A key an inner widget did not take travels on to its parents: it was handled once already.
        auto* ke = static_cast<QKeyEvent*>(event);
        auto* w = static_cast<QWidget*>(watched);
        if (ke == lastEvent_ && lastReceiver_ && lastReceiver_ != w && w->isAncestorOf(lastReceiver_)) return false;
        lastEvent_ = ke;
        lastReceiver_ = w;
        int code = 0;
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            code = kKeyEnter;
        } else if (ke->key() == Qt::Key_Backspace) {
            code = kKeyBackspace;
        } else {
            const QString text = ke->text();
            const bool chord = ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
            if (chord || text.isEmpty()) return false;
            const char16_t c = text.at(0).unicode();
            if (c < 0x20 || c == 0x7f) return false;
            code = c;
        }
        handler_(code);
        return code == 0;
    }

private:
    void watch(QWidget* w) {
        if (w != control_ && w->isWindow()) return;
        w->installEventFilter(this);
        for (QObject* child : w->children())
            if (child->isWidgetType()) watch(static_cast<QWidget*>(child));
    }

    QWidget* control_;
    std::function<void(int&)> handler_;
    const QKeyEvent* lastEvent_ = nullptr;
    QPointer<QWidget> lastReceiver_;
};

class ClickHook : public QObject {
public:
    ClickHook(QObject* parent, std::function<void()> handler) : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* me = static_cast<QMouseEvent*>(event);
            auto* w = qobject_cast<QWidget*>(watched);
            if (me->button() == Qt::LeftButton && w && w->rect().contains(me->position().toPoint())) {
                handler_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

// The keys that move a list's caret, and Space, which chooses the item under it.
bool caretKey(const QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Space:
    case Qt::Key_Select:
        return true;
    default:
        return false;
    }
}

// A list's or tree's Click: the view's own clicked signal for the mouse; for
// the keyboard, a move of the current item while a key press is handled.
// Coming into a list by Tab puts the caret on its first item without choosing
// it; as in the platform's list boxes, the first caret key (or Space) then
// chooses the item under the caret instead of moving on from it.
class ItemClickHook : public QObject {
public:
    ItemClickHook(QAbstractItemView* view, std::function<void(const QModelIndex&)> handler)
        : QObject(view), view_(view), handler_(std::move(handler)) {
        view->installEventFilter(this);
        connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) { handler_(index); });
        watchSelection();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            if (chooseCaretItem(static_cast<QKeyEvent*>(event))) return true;
            // The view moves its current item while it handles this key; the flag is down again after.
            keying_ = true;
            QTimer::singleShot(0, this, [this] { keying_ = false; });
        }
        return false;
    }

private:
    bool chooseCaretItem(const QKeyEvent* e) {
        QItemSelectionModel* selection = view_->selectionModel();
        if (!selection || !caretKey(e)) return false;
        if (view_->selectionMode() != QAbstractItemView::SingleSelection) return false;
        const QModelIndex caret = view_->currentIndex();
        if (!caret.isValid() || selection->isSelected(caret) || !(caret.flags() & Qt::ItemIsEnabled)) return false;
        selection->select(caret, QItemSelectionModel::ClearAndSelect | selectionFlags());
        handler_(caret);
        return true;
    }

    QItemSelectionModel::SelectionFlags selectionFlags() const {
        switch (view_->selectionBehavior()) {
        case QAbstractItemView::SelectRows: return QItemSelectionModel::Rows;
        case QAbstractItemView::SelectColumns: return QItemSelectionModel::Columns;
        default: return QItemSelectionModel::NoUpdate;
        }
    }

    void watchSelection() {
        if (!view_->selectionModel()) return;
        connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex& current) {
                    if (keying_ && current.isValid()) handler_(current);
                });
    }

    QAbstractItemView* view_;
    std::function<void(const QModelIndex&)> handler_;
    bool keying_ = false;
};

}  // namespace

void OnKeyPress(QWidget* control, std::function<void(int& KeyAscii)> handler) {
    new KeyPressHook(control, std::move(handler));
}

void OnClick(QWidget* control, std::function<void()> handler) {
    control->installEventFilter(new ClickHook(control, std::move(handler)));
}

void OnItemClick(QAbstractItemView* view, std::function<void(const QModelIndex& item)> handler) {
    new ItemClickHook(view, std::move(handler));
}

void MakeTypedComboBox(QComboBox* box) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
}

void TabOrder::Set(const QList<QWidget*>& controls) {
    controls_.clear();
    for (QWidget* w : controls) controls_.append(w);
    for (int i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls.at(i - 1), controls.at(i));
}

QWidget* TabOrder::Next(const QWidget* control) const {
    // A key seen by an inner part of a control counts for the control.
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        for (int i = 0; i < controls_.size(); ++i) {
            if (controls_.at(i) != w) continue;
            for (int k = 1; k <= controls_.size(); ++k) {
                QWidget* next = controls_.at((i + k) % controls_.size());
                if (next && next->isEnabled()) return next;
            }
            return nullptr;
        }
    }
    return nullptr;
}

void TabOrder::MoveOn(const QWidget* control) const {
    if (QWidget* next = Next(control)) next->setFocus(Qt::TabFocusReason);
}

void EnterMovesOn(int& KeyAscii, const QWidget* control, const TabOrder& order) {
    if (KeyAscii != kKeyEnter) return;
    order.MoveOn(control);
    KeyAscii = 0;
}

}  // namespace platform
