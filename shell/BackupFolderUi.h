#pragma once

#include "platform/FolderLists.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace halvern {

// Layout of the backup (Formsjbf) and restore (Formsjhf) windows: a drive list and a
// folder list to pick the folder of the backup set, and the OK button below them.
struct BackupFolderUi {
    QLabel* Label1 = nullptr;
    platform::DriveListBox* Drive1 = nullptr;
    platform::DirListBox* Dir1 = nullptr;
    QPushButton* Command1 = nullptr;
    void setupUi(QWidget* window, const QString& caption);
};

}  // namespace halvern
