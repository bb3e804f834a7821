#pragma once

#include "Formshowkh.h"

namespace halvern {

// The staff assessment sheet (员工, 员工竖1, 员工竖2).
class Formshowkh1 : public AssessmentSheet {
public:
    Formshowkh1();
    QString FormName() const override { return QStringLiteral("Formshowkh1"); }
};

}  // namespace halvern
