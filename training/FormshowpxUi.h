#pragma once

#include "frmdadjUi.h"

namespace halvern {

// The training record shown read-only: the record boxes locked, no button.
struct FormshowpxUi : TrainingBoxes {
    void setupUi(QWidget* window);
};

}  // namespace halvern
