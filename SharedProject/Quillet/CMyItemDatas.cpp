#include "CMyItemDatas.h"

namespace quillet {

CMyItemDatas::CMyItemDatas() = default;
CMyItemDatas::~CMyItemDatas() = default;

std::shared_ptr<CMyItemData> CMyItemDatas::Add(const std::string& sKey)
{
    auto objNewMember = std::make_shared<CMyItemData>();
    mCol.Add(objNewMember, sKey);
    return objNewMember;
}

std::shared_ptr<CMyItemData> CMyItemDatas::Item(const vb::IndexKey& vntIndexKey) const
{
    try {
        return mCol.Item(vntIndexKey);
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::int32_t CMyItemDatas::Count() const { return mCol.Count(); }

void CMyItemDatas::Remove(const vb::IndexKey& vntIndexKey) { mCol.Remove(vntIndexKey); }

CMyItemDatas::Enumerator CMyItemDatas::NewEnum() const { return mCol.NewEnum(); }

} // namespace quillet
