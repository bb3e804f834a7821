#pragma once

namespace halvern {

// The start-up routine: the reminder flag, then the splash window.
void Main();

}  // namespace halvern
