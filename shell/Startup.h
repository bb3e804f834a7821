#pragma once

namespace halvern {

// The start-up routine: the program folder claimed for this copy of the program,
// leftovers of an earlier run settled, the reminder flag, then the splash window.
// False, after saying so, when another copy already runs on the same program folder.
bool Main();

}  // namespace halvern
