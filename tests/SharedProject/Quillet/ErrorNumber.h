#pragma once

#include "platform/VbRuntime.h"

#include <cstdint>

// The run-time error number an action raises, 0 when it raises none.
template <class Action>
std::int32_t errorNumberOf(Action&& action)
{
    try {
        action();
    } catch (const vb::VbError& error) {
        return error.Number();
    }
    return 0;
}
