#include "MessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

#include <algorithm>

namespace platform {

namespace {
MsgHandler& handler() {
    static MsgHandler h;
    return h;
}

// Room the title bar takes besides the title: the window icon and the
// minimise, maximise and close buttons with their margins.
constexpr int kTitleBarChrome = 150;
}  // namespace

void SetMsgHandler(MsgHandler h) { handler() = std::move(h); }

int MsgBoxWidthForTitle(const QString& title) {
    // Desktops draw titles in bold, often a little larger than the text.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    return QFontMetrics(titleFont).horizontalAdvance(title) + kTitleBarChrome;
}

std::unique_ptr<QMessageBox> BuildMsgBox(const MsgRecord& rec, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(rec.title);
    box->setText(rec.text);
    switch (rec.icon) {
    case MsgIcon::None: box->setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Critical: box->setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box->setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box->setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box->setIcon(QMessageBox::Information); break;
    }
    if (rec.buttons == MsgButtons::OKCancel) {
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Ok);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    box->button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    if (rec.buttons == MsgButtons::OKCancel) box->button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    // The box sizes itself by its text and buttons only; a strut across its
    // layout keeps it wide enough for the title too.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        const int width = MsgBoxWidthForTitle(rec.title) - grid->contentsMargins().left() - grid->contentsMargins().right();
        grid->addItem(new QSpacerItem(std::max(0, width), 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, std::max(1, grid->columnCount()));
    }
    return box;
}

MsgAnswer MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) {
    const MsgRecord rec{text, title, icon, buttons};
    if (handler()) return handler()(rec);
    const auto box = BuildMsgBox(rec, QApplication::activeWindow());
    return box->exec() == QMessageBox::Ok ? MsgAnswer::OK : MsgAnswer::Cancel;
}

}  // namespace platform
