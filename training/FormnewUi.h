#pragma once

#include "platform/FlexGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace halvern {

// Layout of both assessment row-layout editors: the row groups in the upper
// half, the row items in the lower half; each half a grid at the left and
// its add box above its delete box at the right.
struct FormnewUi {
    QLabel* Label1 = nullptr;
    platform::FlexGrid* MSHFlexGrid1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* Text2 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* Label4 = nullptr;
    platform::FlexGrid* MSHFlexGrid2 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* text3 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* Text4 = nullptr;
    QPushButton* Command4 = nullptr;
    void setupUi(QWidget* window, const QString& caption);
};

}  // namespace halvern
