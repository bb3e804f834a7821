#include "TypeLibrary.h"

#include "Quillet.h"
#include "platform/ServerModule.h"

namespace quillet {
namespace {

constexpr std::uint16_t kDualInterfaceFlags = com::TYPEFLAG_FHIDDEN | com::TYPEFLAG_FDUAL
    | com::TYPEFLAG_FNONEXTENSIBLE | com::TYPEFLAG_FOLEAUTOMATION | com::TYPEFLAG_FDISPATCHABLE;

constexpr TypeLibraryDescription kTypeLibrary{
    "Quillet",
    LIBID_Quillet,
    1,
    0,
    com::LOCALE_NEUTRAL,
    com::SYS_WIN32,
    0,
    "",
    "Quillet owner-drawn menu components",
    {"stdole2.tlb", com::guid("{00020430-0000-0000-C000-000000000046}"), 2, 0},
    {{
        {"_cQuillet", com::TKIND_DISPATCH, IID__cQuillet, 1, 0, kDualInterfaceFlags, "IDispatch", "", 0, 0},
        {"cQuillet", com::TKIND_COCLASS, CLSID_cQuillet, 1, 0, com::TYPEFLAG_FCANCREATE, "", "_cQuillet", 0, 0},
    }},
};

// A 32-bit little-endian length, then the identifier in its storage layout.
constexpr std::array<std::uint8_t, 20> kIidResource = [] {
    std::array<std::uint8_t, 20> blob{16, 0, 0, 0};
    const auto bytes = IID__cQuillet.bytes();
    for (std::size_t i = 0; i < bytes.size(); ++i) blob[4 + i] = bytes[i];
    return blob;
}();

class TypeInfo final : public com::ComObject<com::ITypeInfo> {
public:
    explicit TypeInfo(const TypeDescription& type) : type_(type)
    {
        attributes_.guid = type.guid;
        attributes_.lcid = kTypeLibrary.lcid;
        attributes_.typekind = type.kind;
        attributes_.cFuncs = type.functions;
        attributes_.cVars = type.variables;
        attributes_.cImplTypes = (type.baseInterface.empty() && type.defaultInterface.empty()) ? 0 : 1;
        attributes_.wTypeFlags = type.flags;
        attributes_.wMajorVerNum = type.majorVersion;
        attributes_.wMinorVerNum = type.minorVersion;
    }

    com::HRESULT QueryInterface(com::REFIID riid, void** ppv) override
    {
        if (!ppv) return com::E_POINTER;
        if (riid == com::IID_IUnknown || riid == com::IID_ITypeInfo) {
            AddRef();
            *ppv = static_cast<com::ITypeInfo*>(this);
            return com::S_OK;
        }
        *ppv = nullptr;
        return com::E_NOINTERFACE;
    }

    com::HRESULT GetTypeAttr(const com::TYPEATTR** ppTypeAttr) override
    {
        if (!ppTypeAttr) return com::E_POINTER;
        *ppTypeAttr = &attributes_;
        return com::S_OK;
    }

    void ReleaseTypeAttr(const com::TYPEATTR*) override {}

    com::HRESULT GetDocumentation(com::MEMBERID memid, std::string* pName, std::string* pDocString) override
    {
        // The type has no members, so only the type itself is documented.
        if (memid != com::MEMBERID_NIL) return com::DISP_E_MEMBERNOTFOUND;
        if (pName) *pName = type_.name;
        if (pDocString) pDocString->clear();
        return com::S_OK;
    }

private:
    const TypeDescription& type_;
    com::TYPEATTR attributes_;
};

} // namespace

const TypeLibraryDescription& typeLibrary() { return kTypeLibrary; }

std::optional<std::span<const std::uint8_t>> findResource(std::string_view type, int id)
{
    if (type == "_IID_CQUILLET" && id == 1) return std::span<const std::uint8_t>(kIidResource);
    return std::nullopt;
}

com::ITypeInfo* createTypeInfo(const TypeDescription& type) { return new TypeInfo(type); }

} // namespace quillet
