#pragma once

#include <QComboBox>
#include "platform/DatePicker.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace halvern {

struct formygddUi {
    QLabel* Label1 = nullptr;  // "请输入员工编号："
    QLabel* Label2 = nullptr;  // "调往部门："
    QLabel* Label3 = nullptr;  // "调动日期："
    QLineEdit* Text1 = nullptr;       // employee number
    QComboBox* Text2 = nullptr;       // new department, typed or picked
    QDateTimeEdit* text3 = nullptr;   // date of the transfer (keeps the time of day it was given)
    QPushButton* Command1 = nullptr;  // "确   认"
    void setupUi(QWidget* window);
};

}  // namespace halvern
