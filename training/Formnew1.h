#pragma once

#include "Formnew.h"

namespace halvern {

// Row layout of the staff assessment sheet (员工竖2 groups, 员工竖1 items).
class Formnew1 : public RowLayoutEditor {
public:
    Formnew1();
    QString FormName() const override { return QStringLiteral("Formnew1"); }
};

}  // namespace halvern
