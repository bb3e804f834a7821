#pragma once

#include "frmdadjUi.h"

namespace halvern {

struct frmdaxgUi : TrainingBoxes {
    QPushButton* Command1 = nullptr;  // 确  定
    void setupUi(QWidget* window);
};

}  // namespace halvern
