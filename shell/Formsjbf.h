#pragma once

#include "FormsjbfUi.h"
#include "platform/WindowHost.h"

namespace halvern {

// Backup: copies db2.mdb, cuser.mdb and the photographs of pic into a folder the user picks.
class Formsjbf : public platform::Form {
    Q_OBJECT
public:
    Formsjbf();
    QString FormName() const override { return QStringLiteral("Formsjbf"); }
    FormsjbfUi ui;

    void Drive1_Change();
    void Command1_Click();

protected:
    void Form_Load() override;
};

}  // namespace halvern
