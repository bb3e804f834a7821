#pragma once

// Module-level state of the library: the records of the owner-drawn windows
// and the menu-font builder that works from them.

#include "WndQuillet.h"
#include "platform/Collection.h"

#include <cstdint>

namespace quillet::mQuillet {

// The window records, each under the decimal text of its hWnd. One per
// thread, the thread being the apartment its objects live in; the library
// never fills it, its host does.
vb::Collection<WndQuillet>& colMenuWindows();

// Builds the menu font of the window's record when bRebuild is true or the
// record has none yet, and returns the record's MenuFont. A named face gets
// weight 400 and the height of FontSize points at the window's vertical
// resolution; an empty face is first taken, with the text colour (when
// ForeColor is 0) and the height and weight, from the window's client context.
// A record missing from colMenuWindows or a failing device-context call raises an error.
std::int32_t BuildMenuFont(std::int32_t hWnd, bool bRebuild);

} // namespace quillet::mQuillet
