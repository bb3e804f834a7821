#include "cQuillet.h"

#include "TypeLibrary.h"

namespace quillet {

com::HRESULT cQuillet::QueryInterface(com::REFIID riid, void** ppv)
{
    if (!ppv) return com::E_POINTER;
    if (riid == com::IID_IUnknown || riid == com::IID_IDispatch || riid == IID__cQuillet) {
        AddRef();
        *ppv = static_cast<_cQuillet*>(this);
        return com::S_OK;
    }
    *ppv = nullptr;
    return com::E_NOINTERFACE;
}

com::HRESULT cQuillet::GetTypeInfoCount(unsigned* pctinfo)
{
    if (!pctinfo) return com::E_POINTER;
    *pctinfo = 1;
    return com::S_OK;
}

com::HRESULT cQuillet::GetTypeInfo(unsigned iTInfo, com::LCID, com::ITypeInfo** ppTInfo)
{
    if (!ppTInfo) return com::E_POINTER;
    *ppTInfo = nullptr;
    if (iTInfo != 0) return com::DISP_E_BADINDEX;
    *ppTInfo = createTypeInfo(typeLibrary().types[0]);
    return com::S_OK;
}

com::HRESULT cQuillet::GetIDsOfNames(com::REFIID riid, const com::OLECHAR* const* rgszNames, unsigned cNames,
                                     com::LCID, com::DISPID* rgDispId)
{
    if (riid != com::IID_NULL) return com::DISP_E_UNKNOWNINTERFACE;
    if (cNames == 0) return com::S_OK;
    if (!rgszNames || !rgDispId) return com::E_POINTER;
    for (unsigned i = 0; i < cNames; ++i) rgDispId[i] = com::DISPID_UNKNOWN;
    return com::DISP_E_UNKNOWNNAME;
}

com::HRESULT cQuillet::Invoke(com::DISPID, com::REFIID riid, com::LCID, com::WORD, com::DISPPARAMS*, com::VARIANT*,
                              com::EXCEPINFO*, unsigned*)
{
    if (riid != com::IID_NULL) return com::DISP_E_UNKNOWNINTERFACE;
    return com::DISP_E_MEMBERNOTFOUND;
}

} // namespace quillet
