#pragma once

#include "formqhbUi.h"
#include "platform/DataControl.h"
#include "platform/WindowHost.h"

namespace halvern {

// Shows the lookup table of region codes and names (行政区划); changes nothing.
class formqhb : public platform::Form {
public:
    formqhb();
    QString FormName() const override { return QStringLiteral("formqhb"); }
    formqhbUi ui;
    platform::DataControl* Adodc1 = nullptr;

protected:
    void Form_Load() override;
};

}  // namespace halvern
