#pragma once

#include "FormshowpxUi.h"
#include "platform/Skin.h"
#include "platform/WindowHost.h"

namespace halvern {

// Training record view: the selected training record, read-only.
class Formshowpx : public platform::Form {
public:
    Formshowpx();
    QString FormName() const override { return QStringLiteral("Formshowpx"); }
    FormshowpxUi ui;
    platform::Skin twotest;

protected:
    void Form_Load() override;
};

}  // namespace halvern
