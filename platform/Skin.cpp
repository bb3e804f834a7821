#include "Skin.h"

#include <QPalette>

namespace platform {

void Skin::Attach(QWidget* window, const QPixmap& caption, const QPixmap& borders, int a, int b, int c, int d, int e,
                  int f) {
    window_ = window;
    caption_ = caption;
    borders_ = borders;
    attach_ = {a, b, c, d, e, f};
    if (window) window->setFont(captionFont_);
}

void SetBackColor(QWidget* window, quint32 rgb) {
    if (!window) return;
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(rgb & 0xFFFFFF));
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

quint32 BackColor(const QWidget* window) { return window->palette().color(QPalette::Window).rgb() & 0xFFFFFF; }

}  // namespace platform
