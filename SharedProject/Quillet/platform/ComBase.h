#pragma once

// Component-object basics: identifiers, result codes and the base interfaces
// with their usual shapes. Header-only, so that a client which loads the
// library at run time can use it without linking against the library.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace com {

using HRESULT = std::int32_t;
using ULONG = std::uint32_t;
using LCID = std::uint32_t;
using DISPID = std::int32_t;
using MEMBERID = DISPID;
using BOOL = std::int32_t;
using WORD = std::uint16_t;
using OLECHAR = char16_t;

constexpr HRESULT hresult(std::uint32_t code) { return static_cast<HRESULT>(code); }
constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = hresult(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = hresult(0x80004002);
inline constexpr HRESULT E_POINTER = hresult(0x80004003);
inline constexpr HRESULT E_FAIL = hresult(0x80004005);
inline constexpr HRESULT E_UNEXPECTED = hresult(0x8000FFFF);
inline constexpr HRESULT E_OUTOFMEMORY = hresult(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = hresult(0x80070057);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = hresult(0x80040110);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = hresult(0x80040111);
inline constexpr HRESULT SELFREG_E_TYPELIB = hresult(0x80040200);
inline constexpr HRESULT SELFREG_E_CLASS = hresult(0x80040201);
inline constexpr HRESULT DISP_E_UNKNOWNINTERFACE = hresult(0x80020001);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = hresult(0x80020003);
inline constexpr HRESULT DISP_E_UNKNOWNNAME = hresult(0x80020006);
inline constexpr HRESULT DISP_E_BADINDEX = hresult(0x8002000B);

inline constexpr DISPID DISPID_UNKNOWN = -1;
inline constexpr DISPID DISPID_NEWENUM = -4;
inline constexpr MEMBERID MEMBERID_NIL = -1;
inline constexpr LCID LOCALE_NEUTRAL = 0;

struct GUID {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::array<std::uint8_t, 8> Data4{};

    friend constexpr bool operator==(const GUID&, const GUID&) = default;

    // Reads the braced form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", hex digits in either case.
    static constexpr std::optional<GUID> parse(std::string_view text);

    // The braced form with upper-case digits.
    std::string toString() const;

    // The 16-byte storage layout: the first three fields little-endian, then Data4 as it stands.
    constexpr std::array<std::uint8_t, 16> bytes() const;
};

using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

namespace detail {
constexpr int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

constexpr std::optional<std::uint32_t> hexField(std::string_view text, std::size_t from, std::size_t digits)
{
    std::uint32_t value = 0;
    for (std::size_t i = from; i < from + digits; ++i) {
        const int digit = hexValue(text[i]);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}
} // namespace detail

constexpr std::optional<GUID> GUID::parse(std::string_view text)
{
    if (text.size() != 38 || text.front() != '{' || text.back() != '}' || text[9] != '-' || text[14] != '-'
        || text[19] != '-' || text[24] != '-')
        return std::nullopt;
    const auto d1 = detail::hexField(text, 1, 8);
    const auto d2 = detail::hexField(text, 10, 4);
    const auto d3 = detail::hexField(text, 15, 4);
    if (!d1 || !d2 || !d3) return std::nullopt;
    GUID g;
    g.Data1 = *d1;
    g.Data2 = static_cast<std::uint16_t>(*d2);
    g.Data3 = static_cast<std::uint16_t>(*d3);
    constexpr std::size_t byteAt[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (std::size_t i = 0; i < 8; ++i) {
        const auto b = detail::hexField(text, byteAt[i], 2);
        if (!b) return std::nullopt;
        g.Data4[i] = static_cast<std::uint8_t>(*b);
    }
    return g;
}

inline std::string GUID::toString() const
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out = "{";
    auto put = [&](std::uint32_t value, int count) {
        for (int shift = (count - 1) * 4; shift >= 0; shift -= 4) out += digits[(value >> shift) & 0xF];
    };
    put(Data1, 8);
    out += '-';
    put(Data2, 4);
    out += '-';
    put(Data3, 4);
    out += '-';
    put(Data4[0], 2);
    put(Data4[1], 2);
    out += '-';
    for (std::size_t i = 2; i < 8; ++i) put(Data4[i], 2);
    out += '}';
    return out;
}

constexpr std::array<std::uint8_t, 16> GUID::bytes() const
{
    std::array<std::uint8_t, 16> b{};
    for (int i = 0; i < 4; ++i) b[i] = static_cast<std::uint8_t>(Data1 >> (8 * i));
    for (int i = 0; i < 2; ++i) b[4 + i] = static_cast<std::uint8_t>(Data2 >> (8 * i));
    for (int i = 0; i < 2; ++i) b[6 + i] = static_cast<std::uint8_t>(Data3 >> (8 * i));
    for (int i = 0; i < 8; ++i) b[8 + i] = Data4[i];
    return b;
}

// An identifier written in source; a malformed one stops the build.
consteval GUID guid(std::string_view text)
{
    const auto g = GUID::parse(text);
    if (!g) throw "malformed identifier";
    return *g;
}

inline constexpr IID IID_NULL{};
inline constexpr IID IID_IUnknown = guid("{00000000-0000-0000-C000-000000000046}");
inline constexpr IID IID_IClassFactory = guid("{00000001-0000-0000-C000-000000000046}");
inline constexpr IID IID_IDispatch = guid("{00020400-0000-0000-C000-000000000046}");
inline constexpr IID IID_ITypeInfo = guid("{00020401-0000-0000-C000-000000000046}");

enum TYPEKIND : std::int32_t {
    TKIND_ENUM = 0,
    TKIND_RECORD = 1,
    TKIND_MODULE = 2,
    TKIND_INTERFACE = 3,
    TKIND_DISPATCH = 4,
    TKIND_COCLASS = 5,
    TKIND_ALIAS = 6,
    TKIND_UNION = 7,
};

enum SYSKIND : std::int32_t { SYS_WIN16 = 0, SYS_WIN32 = 1, SYS_MAC = 2, SYS_WIN64 = 3 };

inline constexpr std::uint16_t TYPEFLAG_FAPPOBJECT = 0x1;
inline constexpr std::uint16_t TYPEFLAG_FCANCREATE = 0x2;
inline constexpr std::uint16_t TYPEFLAG_FHIDDEN = 0x10;
inline constexpr std::uint16_t TYPEFLAG_FDUAL = 0x40;
inline constexpr std::uint16_t TYPEFLAG_FNONEXTENSIBLE = 0x80;
inline constexpr std::uint16_t TYPEFLAG_FOLEAUTOMATION = 0x100;
inline constexpr std::uint16_t TYPEFLAG_FDISPATCHABLE = 0x1000;

// The attributes of one type as its type information reports them.
struct TYPEATTR {
    GUID guid;
    LCID lcid = 0;
    TYPEKIND typekind = TKIND_INTERFACE;
    std::uint16_t cFuncs = 0;
    std::uint16_t cVars = 0;
    std::uint16_t cImplTypes = 0;
    std::uint16_t wTypeFlags = 0;
    std::uint16_t wMajorVerNum = 0;
    std::uint16_t wMinorVerNum = 0;
};

// Argument and result blocks of IDispatch::Invoke; no member of this library
// takes arguments, so only their addresses ever travel.
struct VARIANT;
struct EXCEPINFO;
struct DISPPARAMS {
    VARIANT* rgvarg = nullptr;
    DISPID* rgdispidNamedArgs = nullptr;
    unsigned cArgs = 0;
    unsigned cNamedArgs = 0;
};

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID riid, void** ppvObject) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

struct IClassFactory : IUnknown {
    virtual HRESULT CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject) = 0;
    virtual HRESULT LockServer(BOOL fLock) = 0;

protected:
    ~IClassFactory() = default;
};

struct ITypeInfo : IUnknown {
    // The attributes stay valid until ReleaseTypeAttr or the last Release.
    virtual HRESULT GetTypeAttr(const TYPEATTR** ppTypeAttr) = 0;
    virtual void ReleaseTypeAttr(const TYPEATTR* pTypeAttr) = 0;
    // MEMBERID_NIL asks for the type itself; either output may be null.
    virtual HRESULT GetDocumentation(MEMBERID memid, std::string* pName, std::string* pDocString) = 0;

protected:
    ~ITypeInfo() = default;
};

struct IDispatch : IUnknown {
    virtual HRESULT GetTypeInfoCount(unsigned* pctinfo) = 0;
    virtual HRESULT GetTypeInfo(unsigned iTInfo, LCID lcid, ITypeInfo** ppTInfo) = 0;
    virtual HRESULT GetIDsOfNames(REFIID riid, const OLECHAR* const* rgszNames, unsigned cNames, LCID lcid,
                                  DISPID* rgDispId) = 0;
    virtual HRESULT Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                           VARIANT* pVarResult, EXCEPINFO* pExcepInfo, unsigned* puArgErr) = 0;

protected:
    ~IDispatch() = default;
};

} // namespace com
