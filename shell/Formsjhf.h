#pragma once

#include "BackupFolderForm.h"

namespace halvern {

// Restore: copies a backup set (db2.mdb, cuser.mdb, pic) from a folder the user
// picks back into the program directory, once the folder proved to hold one.
class Formsjhf : public BackupFolderForm {
public:
    Formsjhf();
    QString FormName() const override { return QStringLiteral("Formsjhf"); }

    void Command1_Click() override;
};

}  // namespace halvern
