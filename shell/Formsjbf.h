#pragma once

#include "BackupFolderForm.h"

namespace halvern {

// Backup: copies db2.mdb, cuser.mdb and the photographs of pic into a folder the user picks.
class Formsjbf : public BackupFolderForm {
public:
    Formsjbf();
    QString FormName() const override { return QStringLiteral("Formsjbf"); }

    void Command1_Click() override;
};

}  // namespace halvern
