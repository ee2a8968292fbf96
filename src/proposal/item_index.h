// The index through which contributions find the item they merge into, by order number and
// group label, without walking the item list. It follows a list that only grows while a
// proposal is computed: whoever reorders or edits the list clears the index (CNavrh's sort
// does). As a safety net it also rebuilds itself when the list became shorter or an indexed
// position holds an item with other texts than it was indexed for.
//
// The table is flat (open addressing over hashes and positions), so that projects with hundreds
// of thousands of items stay within a few cache lines per lookup and nothing is allocated per item.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
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
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;
    struct Slot {
        std::uint64_t hash = 0;
        std::uint32_t position = kEmpty;
    };

    static std::uint64_t Hash(std::string_view objCislo, std::string_view label);
    void IndexFrom(const std::vector<std::unique_ptr<CPolozka>>& items, std::size_t first);
    // Adds the item at `position` unless an earlier item with the same texts is indexed.
    void Insert(const std::vector<std::unique_ptr<CPolozka>>& items, std::uint64_t hash, std::uint32_t position);
    void Grow();

    std::vector<Slot> m_slots;  // a power of two in size, at most half full
    std::size_t m_used = 0;
    std::size_t m_indexed = 0;  // items[0, m_indexed) are in the index
};

}  // namespace belvo
