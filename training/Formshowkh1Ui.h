#pragma once

#include "FormshowkhUi.h"

namespace halvern {

// The staff window: the managers' layout with its own size and a few controls moved.
struct Formshowkh1Ui {
    static void setupUi(FormshowkhUi& ui, QWidget* window);
};

}  // namespace halvern
