#pragma once

// What keeps an in-process server loaded: its live objects and the locks
// clients hold on its class factories.

#include "platform/ComBase.h"

#include <atomic>

namespace com {

void lockServer(bool lock) noexcept;
bool canUnloadNow() noexcept;

// A member that counts its owner among the library's live objects.
class LiveObject {
public:
    LiveObject() noexcept;
    LiveObject(const LiveObject&) noexcept;
    LiveObject& operator=(const LiveObject&) noexcept { return *this; }
    ~LiveObject();
};

// Reference counting for an object handed out through an interface; it
// starts with the one reference its creator holds.
template <class Interface>
class ComObject : public Interface {
public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    ULONG AddRef() override { return ++references_; }
    ULONG Release() override
    {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

protected:
    virtual ~ComObject() = default;

private:
    std::atomic<ULONG> references_{1};
    LiveObject live_;
};

} // namespace com
