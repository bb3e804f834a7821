#pragma once

#include "BackupFolderUi.h"
#include "platform/WindowHost.h"

namespace halvern {

// What the backup (Formsjbf) and restore (Formsjhf) windows share: picking the folder of
// the backup set by drive and folder. Each window copies in its own direction on OK.
class BackupFolderForm : public platform::Form {
    Q_OBJECT
public:
    BackupFolderUi ui;

    void Drive1_Change();
    virtual void Command1_Click() = 0;

protected:
    explicit BackupFolderForm(const QString& caption);
    void Form_Load() override;

    // The program directory, ending in '/'.
    static QString programFolder();
    // The picked folder, ending in '/'; empty, after `refusal` was shown, when no folder
    // is picked or the picked one is the program directory itself.
    QString pickedFolder(const QString& refusal);
};

}  // namespace halvern
