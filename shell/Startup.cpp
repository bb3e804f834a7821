#include "Startup.h"

#include "ModuleState.h"
#include "frmSplash.h"

namespace halvern {

using namespace platform;

void Main() {
    Module().ReminderHasRows = true;
    WindowHost::Show(WindowHost::Default<frmSplash>(), ShowMode::Modeless);
}

}  // namespace halvern
