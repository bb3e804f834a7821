#pragma once

#include "platform/DatePicker.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace halvern {

struct FormyglzUi {
    QLabel* Label1 = nullptr;  // "请输入离职原因："
    QLabel* Label2 = nullptr;  // "请输入员工编号："
    QLabel* Label3 = nullptr;  // "离职日期："
    QLineEdit* Text1 = nullptr;       // employee number
    QLineEdit* Text2 = nullptr;       // reason for leaving
    QDateTimeEdit* text3 = nullptr;   // date of leaving, with the time of day it holds
    QPushButton* Command1 = nullptr;  // "离  职"
    void setupUi(QWidget* window);
};

}  // namespace halvern
