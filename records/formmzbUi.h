#pragma once

#include "platform/FlexGrid.h"

#include <QWidget>

namespace halvern {

struct formmzbUi {
    platform::FlexGrid* MSHFlexGrid1 = nullptr;  // bound to the window's Adodc1
    void setupUi(QWidget* window);
};

}  // namespace halvern
