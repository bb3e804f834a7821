#pragma once

#include "platform/FlexGrid.h"

#include <QWidget>

namespace halvern {

// The layout of both lookup viewers: one grid that fills the window.
struct LookupViewerUi {
    platform::FlexGrid* MSHFlexGrid1 = nullptr;  // bound to the window's Adodc1

protected:
    void build(QWidget* window, const QString& title, int width);
};

// The nationalities (民族).
struct formmzbUi : LookupViewerUi {
    void setupUi(QWidget* window);
};

}  // namespace halvern
