#include "platform/ServerModule.h"

namespace com {
namespace {
std::atomic<long> liveObjects{0};
std::atomic<long> serverLocks{0};
} // namespace

void lockServer(bool lock) noexcept
{
    if (lock) {
        ++serverLocks;
        return;
    }
    // An unlock without a lock must not leave the count negative.
    long held = serverLocks.load();
    while (held > 0 && !serverLocks.compare_exchange_weak(held, held - 1)) {
    }
}

bool canUnloadNow() noexcept { return liveObjects.load() == 0 && serverLocks.load() == 0; }

LiveObject::LiveObject() noexcept { ++liveObjects; }
LiveObject::LiveObject(const LiveObject&) noexcept { ++liveObjects; }
LiveObject::~LiveObject() { --liveObjects; }

} // namespace com
