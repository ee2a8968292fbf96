// The index through which contributions find the item they merge into, by order number and
// group label, without walking the item list. It follows a list that only grows while a
// proposal is computed: whoever reorders or edits the list clears the index. As a safety net it
// also rebuilds itself when the list became shorter or an indexed entry no longer matches.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace belvo {

class CPolozka;

class ItemIndex {
public:
    // The first item of `items` (from the front) whose ObjCislo and NazevSkupiny equal the given
    // texts byte for byte; null when there is none.
    CPolozka* Find(const std::vector<std::unique_ptr<CPolozka>>& items, std::string_view objCislo,
                   std::string_view label);
    // Forgets everything; the next Find rebuilds.
    void Clear();

private:
    using Key = std::pair<std::string, std::string>;
    struct KeyHash {
        std::size_t operator()(const Key& key) const
        {
            const std::size_t a = std::hash<std::string>{}(key.first);
            const std::size_t b = std::hash<std::string>{}(key.second);
            return a ^ (b + 0x9e3779b97f4a7c15ull + (a << 6) + (a >> 2));
        }
    };

    void IndexFrom(const std::vector<std::unique_ptr<CPolozka>>& items, std::size_t first);

    std::unordered_map<Key, std::size_t, KeyHash> m_positions;
    std::size_t m_indexed = 0;  // items[0, m_indexed) are in the index
};

}  // namespace belvo
