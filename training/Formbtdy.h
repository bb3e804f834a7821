#pragma once

#include "ListEditor.h"

namespace halvern {

// 定义表头: the column headings of the assessment sheets (横). Modal.
class Formbtdy : public ListEditor {
public:
    Formbtdy();
    QString FormName() const override { return QStringLiteral("Formbtdy"); }
};

}  // namespace halvern
