// Controls of the employee modify window: the entry window's controls, with
// its own history button caption, 婚否 list order, unlimited contract-date
// boxes and tab order.
#pragma once

#include "FormlrUi.h"

namespace halvern {

struct FormmodUi : FormlrUi {
    void setupUi(QWidget* window);
};

}  // namespace halvern
