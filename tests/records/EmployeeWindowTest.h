// A test that opens the employee entry and modify windows as the user does.
#pragma once

#include "TestProgram.h"
#include "UserInput.h"

#include "platform/WindowHost.h"
#include "records/Formlr.h"
#include "records/Formmod.h"
#include "common/ModuleState.h"

namespace halvern::test {

class EmployeeWindowTest : public ProgramTest {
protected:
    // The entry window, opened from the main window.
    Formlr* entry() {
        auto* w = platform::WindowHost::Default<Formlr>();
        platform::WindowHost::Show(w, platform::ShowMode::Modal);
        activate(w);
        return w;
    }
    // The modify window, opened with no as the current employee.
    Formmod* modify(const QString& no) {
        Module().CurrentEmployeeNo = no;
        auto* w = platform::WindowHost::Default<Formmod>();
        platform::WindowHost::Show(w, platform::ShowMode::Modal);
        activate(w);
        return w;
    }
};

}  // namespace halvern::test
