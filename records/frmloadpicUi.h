#pragma once

#include "platform/FolderLists.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

namespace halvern {

struct frmloadpicUi {
    QGroupBox* Frame1 = nullptr;   // "图片选择"
    platform::DriveListBox* Drive1 = nullptr;  // the roots, the home folder and mounted media
    platform::DirListBox* Dir1 = nullptr;      // the path from the root, then the sub-folders
    QListWidget* File1 = nullptr;  // file list: the picture files of the folder
    QLabel* Image1 = nullptr;      // preview
    QPushButton* Command1 = nullptr;  // "确定"
    void setupUi(QWidget* window);
};

}  // namespace halvern
