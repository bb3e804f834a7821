#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace halvern {

struct frmSplashUi {
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
    void setupUi(QWidget* window);
};

}  // namespace halvern
