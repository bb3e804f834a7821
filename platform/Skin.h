// Stand-in for the non-client skinning component. It keeps what it is given;
// attached to a window it gives the window the skin font and keeps the
// caption and border pictures, while the desktop draws the frame itself.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <array>

namespace platform {

class Skin {
public:
    // The six colour or number settings, in the order the program sets them.
    void SetActiveCaptionColor(quint32 v) { settings_[0] = v; }
    void SetActiveCaptionShadowColor(quint32 v) { settings_[1] = v; }
    void SetInactiveCaptionColor(quint32 v) { settings_[2] = v; }
    void SetMenuTextColor(quint32 v) { settings_[3] = v; }
    void SetMenuBackColor(quint32 v) { settings_[4] = v; }
    void SetButtonFaceColor(quint32 v) { settings_[5] = v; }
    void SetCaptionFont(const QFont& f) { captionFont_ = f; }
    void SetMenuFont(const QFont& f) { menuFont_ = f; }
    void Attach(QWidget* window, const QPixmap& caption, const QPixmap& borders, int a, int b, int c, int d, int e, int f);

    const std::array<quint32, 6>& settings() const { return settings_; }
    const QFont& captionFont() const { return captionFont_; }
    const QFont& menuFont() const { return menuFont_; }
    const QPixmap& captionPicture() const { return caption_; }
    const QPixmap& borderPicture() const { return borders_; }
    const std::array<int, 6>& attachValues() const { return attach_; }
    QWidget* window() const { return window_; }

private:
    std::array<quint32, 6> settings_{};
    QFont captionFont_;
    QFont menuFont_;
    QPixmap caption_;
    QPixmap borders_;
    std::array<int, 6> attach_{};
    QPointer<QWidget> window_;
};

// Sets a window's back colour (0xRRGGBB) the way the windows' design colours work.
void SetBackColor(QWidget* window, quint32 rgb);
quint32 BackColor(const QWidget* window);

}  // namespace platform
