#pragma once

#include "platform/PrintPreview.h"

#include <QWidget>

namespace halvern {

struct frmPrintUi {
    platform::PrintPreview* pv = nullptr;
    void setupUi(QWidget* window);
};

}  // namespace halvern
