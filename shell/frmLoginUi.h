#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace halvern {

struct frmLoginUi {
    QLabel* Image1 = nullptr;
    QLabel* lblUserName = nullptr;  // lblLabels(0)
    QLabel* lblPassword = nullptr;  // lblLabels(1)
    QLineEdit* txtUserName = nullptr;
    QLineEdit* txtPassword = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    void setupUi(QWidget* window);
};

}  // namespace halvern
