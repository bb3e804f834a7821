#pragma once

#include "platform/FlexGrid.h"

#include <QWidget>

namespace halvern {

struct Form1Ui {
    platform::FlexGrid* dgrid = nullptr;
    platform::FlexGrid* list1 = nullptr;
    void setupUi(QWidget* window);
};

}  // namespace halvern
