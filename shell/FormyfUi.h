#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <array>

namespace halvern {

struct FormyfUi {
    // Text1(0) current password, (1) new user name, (2) new password, (3) new password again.
    std::array<QLineEdit*, 4> Text1{};
    std::array<QLabel*, 4> Label1{};
    QPushButton* Command1 = nullptr;
    void setupUi(QWidget* window);
};

}  // namespace halvern
