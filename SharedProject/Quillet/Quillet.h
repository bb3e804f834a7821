#pragma once

// What a client of the Quillet component needs: its identifiers, the default
// interface of cQuillet and the four entry points of the in-process server.

#include "QuilletApi.h"
#include "platform/ComBase.h"

namespace quillet {

inline constexpr com::GUID LIBID_Quillet = com::guid("{2014DAF6-776F-4D78-868A-DA5987B41C35}");
inline constexpr com::IID IID__cQuillet = com::guid("{6DBD2639-7392-49C8-A9ED-CA40BB40DA46}");
inline constexpr com::CLSID CLSID_cQuillet = com::guid("{F63D4C04-6CAD-4902-9154-F4A0D19FCF85}");

// Dual, with no members beyond those of IDispatch.
struct _cQuillet : com::IDispatch {
protected:
    ~_cQuillet() = default;
};

} // namespace quillet

extern "C" {
QUILLET_API com::HRESULT DllCanUnloadNow();
// The identifiers come by address, as the loader hands them over; a null one is refused.
QUILLET_API com::HRESULT DllGetClassObject(const com::CLSID* rclsid, const com::IID* riid, void** ppv);
QUILLET_API com::HRESULT DllRegisterServer();
QUILLET_API com::HRESULT DllUnregisterServer();
}

// The entry points as a client finds them with dlsym.
using DllCanUnloadNowFn = com::HRESULT (*)();
using DllGetClassObjectFn = com::HRESULT (*)(const com::CLSID*, const com::IID*, void**);
using DllRegisterServerFn = com::HRESULT (*)();
using DllUnregisterServerFn = com::HRESULT (*)();
