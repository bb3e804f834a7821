#pragma once

#include "Form1Ui.h"
#include "platform/DataControl.h"
#include "platform/WindowHost.h"

namespace halvern {

// The main window: navigation tree, the main grid and its views, the contract reminder.
class Form1 : public platform::Form {
    Q_OBJECT
public:
    Form1();
    QString FormName() const override { return QStringLiteral("Form1"); }
    Form1Ui ui;

    platform::DataControl* data1 = nullptr;   // record source of dgrid
    platform::DataControl* Adodc1 = nullptr;  // record source of list1
    platform::FlexGrid* dgrid = nullptr;
    platform::FlexGrid* list1 = nullptr;

    QString ConnString;

protected:
    void Form_Load() override;
};

}  // namespace halvern
