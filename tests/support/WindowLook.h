// Checks a shown window the way a clerk reads it: every row of its lists,
// trees, grids and drop-down lists is tall enough for its font's full
// height, and every box, button and caption is tall (and every caption wide)
// enough for its text.
#pragma once

#include <QStringList>

class QWidget;

namespace halvern::test {

// What is too small in the window, one line each ("" names the widget); an
// empty list when everything reads cleanly. The window is shown first.
QStringList CrampedParts(QWidget* window);

}  // namespace halvern::test
