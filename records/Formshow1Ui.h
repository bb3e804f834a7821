#pragma once

#include "formshowUi.h"

namespace halvern {

// A leaver's record: the fields of the current employees plus reason and date of leaving.
struct Formshow1Ui : RecordViewUi {
    QLabel* Label23 = nullptr;  // 特长
    QLabel* Label58 = nullptr;  // 离职原因
    QLabel* Label60 = nullptr;  // 离职时间

    void setupUi(QWidget* window);
};

}  // namespace halvern
