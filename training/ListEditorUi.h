// Controls of the two one-column list editors (departments, assessment
// column headings): the table in a grid at the left, an add box above a
// delete box at the right.
#pragma once

#include "platform/DataControl.h"
#include "platform/FlexGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace halvern {

struct ListEditorUi {
    platform::FlexGrid* MSHFlexGrid1 = nullptr;
    QLabel* Label1 = nullptr;  // title of the grid
    QLabel* Label2 = nullptr;  // title of the add box
    QLineEdit* Text1 = nullptr;  // name to add
    QPushButton* Command1 = nullptr;  // "确   定": add
    QLabel* Label3 = nullptr;  // title of the delete box
    QComboBox* Text2 = nullptr;  // name to delete
    QPushButton* Command2 = nullptr;  // "确   定": delete
    void setupUi(QWidget* window);
};

}  // namespace halvern
