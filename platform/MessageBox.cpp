#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {
MsgHandler& handler() {
    static MsgHandler h;
    return h;
}
}  // namespace

void SetMsgHandler(MsgHandler h) { handler() = std::move(h); }

MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) {
    const MsgRecord rec{text, title, icon, buttons};
    if (handler()) return handler()(rec);
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    if (buttons == MsgButtons::OKCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    if (buttons == MsgButtons::OKCancel) box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    return box.exec() == QMessageBox::Ok ? MsgAnswer::OK : MsgAnswer::Cancel;
}

}  // namespace platform
