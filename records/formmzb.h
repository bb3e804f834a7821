#pragma once

#include "formmzbUi.h"
#include "platform/DataControl.h"
#include "platform/WindowHost.h"

namespace halvern {

// Shows the lookup table of nationalities (民族); changes nothing.
class formmzb : public platform::Form {
public:
    formmzb();
    QString FormName() const override { return QStringLiteral("formmzb"); }
    formmzbUi ui;
    platform::DataControl* Adodc1 = nullptr;

protected:
    void Form_Load() override;
};

// Shared by both lookup viewers: reads the table of sql into the data control; a failure is reported
// with the table's name and false returned.
bool LoadLookupTable(platform::DataControl* Adodc1, const QString& sql, const QString& table);

}  // namespace halvern
