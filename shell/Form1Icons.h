// Pictures of the main window drawn in code: tree node images, toolbar
// button images and the emblem at the top right.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace halvern {

// Node images by index: 1 closed folder, 2 page, 3 open page (clicked leaf), 4 open folder (expanded group).
QIcon TreeImage(int index);
// Toolbar image of the button with this key (lr, de, sx, cx, hcx, hhcx, hhhcx, ygdd, prn).
QIcon ToolbarImage(const QString& key);
// The emblem shown at the top right of the main window.
QPixmap EmblemPicture();

}  // namespace halvern
