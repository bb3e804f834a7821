#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

namespace halvern {

// The twelve boxes of one training record in their frame, shared by the
// register, modify and view windows: two to a row, Text11 and Text12 wide.
struct TrainingBoxes {
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLineEdit* Text1 = nullptr;   // 员工编号
    QLineEdit* Text2 = nullptr;   // 姓名
    QComboBox* text3 = nullptr;   // 部门
    QLineEdit* Text4 = nullptr;   // 培训时间
    QLineEdit* Text5 = nullptr;   // 培训项目
    QLineEdit* Text6 = nullptr;   // 培训方式
    QLineEdit* Text7 = nullptr;   // 培训费用
    QLineEdit* Text8 = nullptr;   // 授课师资
    QLineEdit* Text9 = nullptr;   // 考核方式
    QLineEdit* Text10 = nullptr;  // 考核成绩
    QLineEdit* Text11 = nullptr;  // 获证书及证书号码
    QLineEdit* Text12 = nullptr;  // 备注

    // Builds the frame with its caption on parent; the caller places the frame.
    void setupBoxes(QWidget* parent, const QString& caption);
    // The record boxes in tab order, Text1 first.
    QList<QWidget*> boxesInTabOrder() const;
};

struct frmdadjUi : TrainingBoxes {
    QPushButton* Command1 = nullptr;  // 确  定
    QGroupBox* Frame2 = nullptr;      // quick search
    QCheckBox* Check1 = nullptr;
    QLineEdit* Text13 = nullptr;
    QCheckBox* Check2 = nullptr;
    QLineEdit* Text14 = nullptr;
    QPushButton* Command2 = nullptr;  // 快速查询
    QListWidget* list1 = nullptr;
    void setupUi(QWidget* window);
    // Every control in tab order: the record boxes, the save button, the quick search.
    QList<QWidget*> controlsInTabOrder() const;
};

}  // namespace halvern
