#pragma once

// The library's one creatable class. It holds no state and has no members
// of its own; it answers IUnknown, IDispatch and _cQuillet.

#include "Quillet.h"
#include "platform/ServerModule.h"

namespace quillet {

class cQuillet final : public com::ComObject<_cQuillet> {
public:
    com::HRESULT QueryInterface(com::REFIID riid, void** ppv) override;

    com::HRESULT GetTypeInfoCount(unsigned* pctinfo) override;
    com::HRESULT GetTypeInfo(unsigned iTInfo, com::LCID lcid, com::ITypeInfo** ppTInfo) override;
    com::HRESULT GetIDsOfNames(com::REFIID riid, const com::OLECHAR* const* rgszNames, unsigned cNames,
                               com::LCID lcid, com::DISPID* rgDispId) override;
    com::HRESULT Invoke(com::DISPID dispIdMember, com::REFIID riid, com::LCID lcid, com::WORD wFlags,
                        com::DISPPARAMS* pDispParams, com::VARIANT* pVarResult, com::EXCEPINFO* pExcepInfo,
                        unsigned* puArgErr) override;
};

} // namespace quillet
