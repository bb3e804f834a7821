#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

namespace halvern {

struct AddSearchUi {
    QLabel* Label1 = nullptr;  // 名称(N)
    QComboBox* Combo1 = nullptr;
    QLabel* Label2 = nullptr;  // 关系(P)
    QComboBox* Combo2 = nullptr;
    QLabel* Label3 = nullptr;  // 内容(V)
    QLineEdit* Text1 = nullptr;
    QLabel* Label4 = nullptr;  // 与上个关系
    QComboBox* Combo3 = nullptr;
    QLabel* Label5 = nullptr;  // 条件项
    QListWidget* list1 = nullptr;
    QPushButton* Command1 = nullptr;  // 添加(A)
    QPushButton* Command2 = nullptr;  // 删除(D)
    QPushButton* Command3 = nullptr;  // 确定(T)
    QPushButton* Command4 = nullptr;  // 取消(Q)
    void setupUi(QWidget* window);
};

}  // namespace halvern
