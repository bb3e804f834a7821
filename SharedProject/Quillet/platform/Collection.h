#pragma once

// An ordered collection of object references, each under a text key, with
// positions counting from 1 in the order of adding.

#include "platform/VbRuntime.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace vb {

// A position (number) or a key (text). A text always names a key, even when it holds digits.
using IndexKey = std::variant<std::int32_t, std::string>;

template <class T>
class Collection {
public:
    using Reference = std::shared_ptr<T>;

    // A snapshot of the members in order; it holds them for as long as it lives.
    class Enumerator {
    public:
        explicit Enumerator(std::vector<Reference> items) : items_(std::move(items)) {}
        auto begin() const { return items_.begin(); }
        auto end() const { return items_.end(); }

    private:
        std::vector<Reference> items_;
    };

    // Keys compare exactly. A key already present: DuplicateKey, and nothing is added.
    void Add(Reference item, const std::string& key)
    {
        if (find(key) != entries_.end()) throw VbError(DuplicateKey);
        entries_.push_back({key, std::move(item)});
    }

    // A position outside 1..Count: SubscriptOutOfRange; an unknown key: InvalidProcedureCall.
    Reference Item(const IndexKey& indexKey) const { return locate(indexKey)->item; }

    std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }

    void Remove(const IndexKey& indexKey) { entries_.erase(locate(indexKey)); }

    Enumerator NewEnum() const
    {
        std::vector<Reference> items;
        items.reserve(entries_.size());
        for (const auto& entry : entries_) items.push_back(entry.item);
        return Enumerator(std::move(items));
    }

private:
    struct Entry {
        std::string key;
        Reference item;
    };
    using Entries = std::vector<Entry>;

    typename Entries::const_iterator find(const std::string& key) const
    {
        return std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.key == key; });
    }

    typename Entries::const_iterator locate(const IndexKey& indexKey) const
    {
        if (const auto* position = std::get_if<std::int32_t>(&indexKey)) {
            if (*position < 1 || *position > Count()) throw VbError(SubscriptOutOfRange);
            return entries_.begin() + (*position - 1);
        }
        const auto found = find(std::get<std::string>(indexKey));
        if (found == entries_.end()) throw VbError(InvalidProcedureCall);
        return found;
    }

    Entries entries_;
};

} // namespace vb
