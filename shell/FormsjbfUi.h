#pragma once

#include "platform/FolderLists.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace halvern {

struct FormsjbfUi {
    QLabel* Label1 = nullptr;
    platform::DriveListBox* Drive1 = nullptr;
    platform::DirListBox* Dir1 = nullptr;
    QPushButton* Command1 = nullptr;
    void setupUi(QWidget* window);
};

}  // namespace halvern
