#pragma once

// The menu items of a menu, each under a text key, in the order of adding.

#include "CMyItemData.h"
#include "platform/Collection.h"
#include "platform/ServerModule.h"

#include <cstdint>
#include <memory>
#include <string>

namespace quillet {

class CMyItemDatas {
public:
    using Enumerator = vb::Collection<CMyItemData>::Enumerator;

    CMyItemDatas();
    CMyItemDatas(const CMyItemDatas&) = delete;
    CMyItemDatas& operator=(const CMyItemDatas&) = delete;
    ~CMyItemDatas();

    // A new, empty item under sKey. A key already in use raises DuplicateKey and adds nothing.
    std::shared_ptr<CMyItemData> Add(const std::string& sKey);

    // The item at a position (from 1) or under a key; no object when there is none. Raises nothing.
    std::shared_ptr<CMyItemData> Item(const vb::IndexKey& vntIndexKey) const;

    std::int32_t Count() const;

    // Raises the collection's error when there is no such item.
    void Remove(const vb::IndexKey& vntIndexKey);

    // The items in the order they were added (dispatch identifier -4 to automation clients).
    Enumerator NewEnum() const;

private:
    vb::Collection<CMyItemData> mCol;
    com::LiveObject live_;
};

} // namespace quillet
