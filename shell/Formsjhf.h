#pragma once

#include "FormsjhfUi.h"
#include "platform/WindowHost.h"

namespace halvern {

// Restore: copies a backup set (db2.mdb, cuser.mdb, pic) from a folder the user
// picks back into the program directory, once the folder proved to hold one.
class Formsjhf : public platform::Form {
    Q_OBJECT
public:
    Formsjhf();
    QString FormName() const override { return QStringLiteral("Formsjhf"); }
    FormsjhfUi ui;

    void Drive1_Change();
    void Command1_Click();

protected:
    void Form_Load() override;
};

}  // namespace halvern
