#include "WindowHost.h"

#include "SingleLine.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <vector>

namespace platform {

namespace {
WindowHost::ModalHandler& modalHandler() {
    static WindowHost::ModalHandler h;
    return h;
}
WindowHost::EndHandler& endHandler() {
    static WindowHost::EndHandler h;
    return h;
}
QStringList& shownLog() {
    static QStringList log;
    return log;
}
}  // namespace

Form::Form(QWidget* parent) : QWidget(parent) { KeepBoxesToOneLine(); }

Form::~Form() { WindowHost::forget(this); }

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    Form_Load();
}

void Form::Unload() {
    if (unloading_) return;
    unloading_ = true;
    bool cancel = false;
    if (loaded_) Form_Unload(cancel);
    if (cancel) {
        unloading_ = false;
        return;
    }
    WindowHost::forget(this);
    hide();
    deleteLater();
    // Unloading the last window ends the program, as closing it does. Checked
    // once the handler is done, since it may show the next window right after.
    QTimer::singleShot(0, qApp, [] {
        if (!QApplication::quitOnLastWindowClosed()) return;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->isWindow() && !(w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip))
                return;
        QApplication::quit();
    });
}

void Form::closeEvent(QCloseEvent* event) {
    if (unloading_) {
        event->accept();
        return;
    }
    bool cancel = false;
    if (loaded_) Form_Unload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    unloading_ = true;
    WindowHost::forget(this);
    event->accept();
    deleteLater();
}

void Form::SetDefaultButton(QPushButton* button) {
    if (default_) default_->setDefault(false);
    default_ = button;
    if (button) button->setDefault(true);
}

void Form::SetCancelButton(QPushButton* button) { cancel_ = button; }

namespace {
bool pressable(const QPushButton* b) { return b && b->isEnabled() && b->isVisible(); }
}  // namespace

void Form::keyPressEvent(QKeyEvent* event) {
    // Keys reach the window when the control that holds the focus left them
    // (a text box leaves Enter and Esc, a multi-line box takes Enter itself).
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* target = pressable(focused) ? focused : pressable(default_) ? default_.data() : nullptr;
        if (target) {
            target->click();
            return;
        }
    } else if (event->key() == Qt::Key_Escape && mods == Qt::NoModifier && pressable(cancel_)) {
        cancel_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

std::map<std::type_index, QPointer<Form>>& WindowHost::instances() {
    static std::map<std::type_index, QPointer<Form>> map;
    return map;
}

void WindowHost::forget(Form* form) {
    for (auto& [type, ptr] : instances())
        if (ptr == form) ptr = nullptr;
}

void WindowHost::Show(Form* form, ShowMode mode) {
    if (!form) return;
    shownLog() << form->FormName();
    QPointer<Form> guard(form);
    form->Load();
    // The load handler unloaded the window (deleteLater leaves the pointer set until later).
    if (!guard || form->unloading_) return;
    // A window that does not place itself opens in the middle of the screen.
    if (!form->isVisible() && !form->testAttribute(Qt::WA_Moved)) {
        if (const QScreen* screen = form->screen()) {
            const QRect area = screen->availableGeometry();
            const QSize size = form->frameSize().isValid() && form->testAttribute(Qt::WA_Resized) ? form->frameSize()
                                                                                                 : form->sizeHint();
            form->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
        }
    }
    if (mode == ShowMode::Modeless) {
        form->show();
        form->raise();
        form->activateWindow();
        return;
    }
    form->modal_ = true;
    form->setWindowModality(Qt::ApplicationModal);
    form->show();
    if (modalHandler()) {
        modalHandler()(form);
        return;
    }
    QEventLoop loop;
    QObject::connect(form, &QObject::destroyed, &loop, &QEventLoop::quit);
    // A modal window that only hides itself also ends the wait.
    struct HideWatcher : QObject {
        QEventLoop* loop;
        explicit HideWatcher(QEventLoop* l) : loop(l) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Hide) loop->quit();
            return false;
        }
    } watcher(&loop);
    form->installEventFilter(&watcher);
    loop.exec();
    if (guard) {
        guard->removeEventFilter(&watcher);
        guard->modal_ = false;
        guard->setWindowModality(Qt::NonModal);
    }
}

void WindowHost::SetModalHandler(ModalHandler handler) { modalHandler() = std::move(handler); }

QStringList WindowHost::Log() { return shownLog(); }

void WindowHost::ClearLog() { shownLog().clear(); }

void WindowHost::UnloadAll() {
    std::vector<QPointer<Form>> all;
    for (auto& [type, ptr] : instances())
        if (ptr) all.push_back(ptr);
    for (auto& f : all)
        if (f) {
            f->unloading_ = true;
            forget(f);
            f->hide();
            delete f.data();
        }
}

void WindowHost::SetEndHandler(EndHandler handler) { endHandler() = std::move(handler); }

void WindowHost::EndProgram() {
    if (endHandler()) {
        endHandler()();
        return;
    }
    UnloadAll();
    QApplication::quit();
}

}  // namespace platform
