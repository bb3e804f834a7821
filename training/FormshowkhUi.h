#pragma once

#include "platform/FlexGrid.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace halvern {

// Where the controls of an assessment sheet window stand, in twips: the two
// windows share every control and differ in a few places.
struct SheetPlaces {
    QSize client;
    QRect frame;
    QRect label7;
    QRect label8;
    QRect text1;
    QRect command1;
    QRect command2;
};

// Layout of the assessment sheet windows: the sheet's frame with the
// employee's labels, the year box and the grid, the two buttons under it.
struct FormshowkhUi {
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;  // 姓名
    QLabel* Label5 = nullptr;  // 部门
    QLabel* Label6 = nullptr;  // 职位
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Text1 = nullptr;  // the year
    platform::FlexGrid* MSFlexGrid1 = nullptr;
    QLineEdit* Input_Text = nullptr;  // the in-cell editor, on the grid's cell area
    QPushButton* Command1 = nullptr;  // export
    QPushButton* Command2 = nullptr;  // edit / save

    // The managers' window.
    void setupUi(QWidget* window);
    void build(QWidget* window, const SheetPlaces& places);
};

}  // namespace halvern
