// Places a top-level window by its outer frame (title bar and borders
// included), as the windows' own sizes are meant, rather than by its inside.
#pragma once

#include <QRect>

class QWidget;

namespace platform {

// Gives the window's frame the rectangle `frame`. The desktop tells the
// frame's borders only once the window is shown, so until then the inside is
// given the whole rectangle, and as soon as the borders are known the inside
// shrinks by them (once) so that the whole frame fits `frame`.
void SetFrameGeometry(QWidget* window, const QRect& frame);

}  // namespace platform
