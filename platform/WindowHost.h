// Windows of the program: each has one default instance, created on first
// use and released when unloaded, and is shown modal or modeless through the
// host. Tests replace the modal wait with a handler so nothing blocks.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <map>
#include <typeindex>

namespace platform {

class Form : public QWidget {
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // Runs the load handler once, on first show or first explicit load.
    void Load();
    bool IsLoaded() const { return loaded_; }
    // Hides the window, runs the unload handler and releases the default instance.
    void Unload();
    bool IsModal() const { return modal_; }

    // The window's name as the program knows it (for the host's log and tests).
    virtual QString FormName() const = 0;

    // As in a dialog: Enter presses the focused button, else the default
    // button (a multi-line box keeps its Enter); Esc presses the cancel button.
    void SetDefaultButton(QPushButton* button);
    void SetCancelButton(QPushButton* button);
    QPushButton* DefaultButton() const { return default_; }
    QPushButton* CancelButton() const { return cancel_; }

protected:
    virtual void Form_Load() {}
    // Set cancel to keep the window open.
    virtual void Form_Unload(bool& cancel) { (void)cancel; }
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class WindowHost;
    QPointer<QPushButton> default_;
    QPointer<QPushButton> cancel_;
    bool loaded_ = false;
    bool unloading_ = false;
    bool modal_ = false;
};

enum class ShowMode { Modeless, Modal };

class WindowHost {
public:
    // The default instance of T, created (not yet loaded) when missing.
    template <class T>
    static T* Default() {
        auto& slot = instances()[std::type_index(typeid(T))];
        if (!slot) slot = new T();
        return static_cast<T*>(slot.data());
    }
    template <class T>
    static bool Exists() {
        auto it = instances().find(std::type_index(typeid(T)));
        return it != instances().end() && it->second;
    }
    template <class T>
    static void Unload() {
        if (Exists<T>()) Default<T>()->Unload();
    }

    // Loads and shows a window. Modal: returns when the window is closed, or
    // at once when a test handler is installed, after the handler ran.
    static void Show(Form* form, ShowMode mode = ShowMode::Modeless);

    using ModalHandler = std::function<void(Form*)>;
    static void SetModalHandler(ModalHandler handler);
    // Names of the windows shown, in order, since the last ClearLog.
    static QStringList Log();
    static void ClearLog();

    // Ends the program: every window is unloaded and the event loop stops.
    static void EndProgram();
    using EndHandler = std::function<void()>;
    static void SetEndHandler(EndHandler handler);

    // Unloads every window (tests call it between cases).
    static void UnloadAll();

private:
    friend class Form;
    static std::map<std::type_index, QPointer<Form>>& instances();
    static void forget(Form* form);
};

}  // namespace platform
