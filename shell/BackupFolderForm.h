#pragma once

#include "BackupFolderUi.h"
#include "platform/WindowHost.h"

#include <vector>

namespace halvern {

// A database of a backup set: its file name, its key and the schema the
// program builds it from, which a copy must hold to be of use.
struct SetDatabase {
    QString name;
    QString key;
    QString schema;
};
// db2.mdb and cuser.mdb.
std::vector<SetDatabase> SetDatabases();

// The journal of a backup or restore while its files are put in place, in the
// folder that receives them; the next start finishes a restore stopped midway.
QString SetJournal(const QString& folder);
// Finishes the set a backup or restore into folder left recorded in its journal
// when it was stopped among its renames; true when no such set is left.
bool FinishInterruptedSet(const QString& folder, QString* why);

// What the backup (Formsjbf) and restore (Formsjhf) windows share: picking the folder of
// the backup set by drive and folder. Each window copies in its own direction on OK.
class BackupFolderForm : public platform::Form {
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
