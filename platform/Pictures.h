// Pictures and measures of the windows.
#pragma once

#include <QPixmap>
#include <QString>

namespace platform {

// Loads a bitmap, JPEG, GIF or icon file; an empty path, a missing file or
// one that is no picture gives an empty picture.
QPixmap LoadPicture(const QString& path);
// The picture scaled to fit inside a box of `box`, keeping its proportions
// (an empty picture stays empty).
QPixmap FitPicture(const QPixmap& picture, const QSize& box);
// True when the file can be read as a picture.
bool IsPictureFile(const QString& path);

// Window coordinates are kept in twips, 15 to a pixel.
constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(double twips) { return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5)); }
constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace platform
