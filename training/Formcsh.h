#pragma once

#include "ListEditor.h"

namespace halvern {

// 部门管理: the department list (部门表) that the department boxes offer. Modeless.
class Formcsh : public ListEditor {
public:
    Formcsh();
    QString FormName() const override { return QStringLiteral("Formcsh"); }
};

}  // namespace halvern
