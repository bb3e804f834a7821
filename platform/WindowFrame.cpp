#include "WindowFrame.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace platform {

namespace {

// Watches the window until the desktop has put its frame around it.
class FrameFitter : public QObject {
public:
    FrameFitter(QWidget* window, const QRect& frame) : QObject(window), window_(window), frame_(frame) {
        setObjectName(kName);
        window->installEventFilter(this);
    }
    static inline const QString kName = QStringLiteral("platformFrameFitter");
    // True once the frame is known and the window fitted into `frame_`.
    bool fit() {
        if (done_) return true;
        if (!window_ || !window_->isVisible()) return false;
        const QRect outer = window_->frameGeometry();
        const QRect inner = window_->geometry();
        if (outer == inner) return false;  // no borders reported yet
        const QMargins borders(inner.left() - outer.left(), inner.top() - outer.top(),
                               outer.right() - inner.right(), outer.bottom() - inner.bottom());
        done_ = true;
        window_->removeEventFilter(this);
        window_->resize(frame_.size().shrunkBy(borders));
        window_->move(frame_.topLeft());
        deleteLater();
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && (event->type() == QEvent::Show || event->type() == QEvent::Move ||
                                   event->type() == QEvent::Resize)) {
            // Let the desktop's answer arrive before the frame is read.
            QTimer::singleShot(0, this, [this] { fit(); });
        }
        return false;
    }

private:
    QPointer<QWidget> window_;
    QRect frame_;
    bool done_ = false;
};

}  // namespace

void SetFrameGeometry(QWidget* window, const QRect& frame) {
    if (!window) return;
    const QObjectList children = window->children();  // a copy: deleting changes the window's list
    for (QObject* old : children)
        if (old->objectName() == FrameFitter::kName) delete old;
    window->resize(frame.size());
    window->move(frame.topLeft());
    auto* fitter = new FrameFitter(window, frame);
    fitter->fit();
}

}  // namespace platform
