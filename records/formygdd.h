#pragma once

#include "formygddUi.h"
#include "platform/WindowHost.h"

namespace halvern {

// Moves a current employee to another department and notes the move in the
// employee's company history (覆历.本公司经历). Stays open for further transfers.
class formygdd : public platform::Form {
public:
    formygdd();
    QString FormName() const override { return QStringLiteral("formygdd"); }
    formygddUi ui;

    void Command1_Click();

protected:
    void Form_Load() override;
};

}  // namespace halvern
