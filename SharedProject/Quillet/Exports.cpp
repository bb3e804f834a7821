// The in-process server's entry points: class objects, unloading and
// self-registration in the component registry.

#include "Quillet.h"
#include "TypeLibrary.h"
#include "cQuillet.h"
#include "platform/Registry.h"
#include "platform/ServerModule.h"

#include <dlfcn.h>

#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace quillet {
namespace {

class cQuilletFactory final : public com::ComObject<com::IClassFactory> {
public:
    com::HRESULT QueryInterface(com::REFIID riid, void** ppv) override
    {
        if (!ppv) return com::E_POINTER;
        if (riid == com::IID_IUnknown || riid == com::IID_IClassFactory) {
            AddRef();
            *ppv = static_cast<com::IClassFactory*>(this);
            return com::S_OK;
        }
        *ppv = nullptr;
        return com::E_NOINTERFACE;
    }

    com::HRESULT CreateInstance(com::IUnknown* pUnkOuter, com::REFIID riid, void** ppv) override
    {
        if (!ppv) return com::E_POINTER;
        *ppv = nullptr;
        if (pUnkOuter) return com::CLASS_E_NOAGGREGATION;
        auto* object = new (std::nothrow) cQuillet;
        if (!object) return com::E_OUTOFMEMORY;
        const com::HRESULT hr = object->QueryInterface(riid, ppv);
        object->Release();
        return hr;
    }

    com::HRESULT LockServer(com::BOOL fLock) override
    {
        com::lockServer(fLock != 0);
        return com::S_OK;
    }
};

// The full path of this library file, as the registry names the server.
std::optional<std::string> libraryPath()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) || !info.dli_fname) return std::nullopt;
    std::error_code ec;
    const auto path = std::filesystem::canonical(info.dli_fname, ec);
    if (ec) return std::nullopt;
    return path.string();
}

std::vector<registry::Value> registrationValues(const std::string& serverPath)
{
    const auto& library = typeLibrary();
    const std::string clsidKey = "CLSID\\" + CLSID_cQuillet.toString();
    const std::string libid = library.libid.toString();
    const std::string version = std::to_string(library.majorVersion) + '.' + std::to_string(library.minorVersion);
    const std::string typeLibKey = "TypeLib\\" + libid + '\\' + version;
    return {
        {typeLibKey, "", std::string(library.helpString)},
        {typeLibKey + "\\0\\win32", "", serverPath},
        {typeLibKey + "\\FLAGS", "", std::to_string(library.flags)},
        {clsidKey, "", std::string(library.types[1].name)},
        {clsidKey + "\\InprocServer32", "", serverPath},
        {clsidKey + "\\InprocServer32", "ThreadingModel", "Apartment"},
        {clsidKey + "\\TypeLib", "", libid},
        {clsidKey + "\\Version", "", version},
    };
}

} // namespace
} // namespace quillet

extern "C" {

com::HRESULT DllCanUnloadNow() { return com::canUnloadNow() ? com::S_OK : com::S_FALSE; }

com::HRESULT DllGetClassObject(const com::CLSID* rclsid, const com::IID* riid, void** ppv)
{
    if (!ppv) return com::E_POINTER;
    *ppv = nullptr;
    if (!rclsid || !riid) return com::E_POINTER;
    if (*rclsid != quillet::CLSID_cQuillet) return com::CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new (std::nothrow) quillet::cQuilletFactory;
    if (!factory) return com::E_OUTOFMEMORY;
    const com::HRESULT hr = factory->QueryInterface(*riid, ppv);
    factory->Release();
    return hr;
}

com::HRESULT DllRegisterServer()
{
    const auto path = quillet::libraryPath();
    if (!path) return com::SELFREG_E_CLASS;
    return registry::setValues(quillet::registrationValues(*path)) ? com::S_OK : com::SELFREG_E_CLASS;
}

com::HRESULT DllUnregisterServer()
{
    // Only the keys and names matter for removal, not the path they hold.
    return registry::removeValues(quillet::registrationValues({})) ? com::S_OK : com::SELFREG_E_CLASS;
}

} // extern "C"
