#pragma once

#include "formmzbUi.h"

namespace halvern {

// The region codes and names (行政区划).
struct formqhbUi : LookupViewerUi {
    void setupUi(QWidget* window);
};

}  // namespace halvern
