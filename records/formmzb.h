#pragma once

#include "formmzbUi.h"
#include "platform/DataControl.h"
#include "platform/WindowHost.h"

namespace halvern {

// Shows the lookup table of nationalities (民族); changes nothing.
class formmzb : public platform::Form {
    Q_OBJECT
public:
    formmzb();
    QString FormName() const override { return QStringLiteral("formmzb"); }
    formmzbUi ui;
    platform::DataControl* Adodc1 = nullptr;

protected:
    void Form_Load() override;
};

}  // namespace halvern
