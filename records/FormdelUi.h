#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace halvern {

struct FormdelUi {
    QLabel* Label1 = nullptr;         // "输入离职员工编号："
    QLineEdit* Text1 = nullptr;       // leaver's number
    QPushButton* Command1 = nullptr;  // "删除"
    void setupUi(QWidget* window);
};

}  // namespace halvern
