#include "proposal/item_index.h"

#include <functional>
#include <string>

#include "proposal/navrh.h"

namespace belvo {

namespace {

std::uint64_t Mix(std::uint64_t x)
{
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ull;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

bool SameKey(const CPolozka& item, std::string_view objCislo, std::string_view label)
{
    return item.ObjCislo == objCislo && item.NazevSkupiny == label;
}

}  // namespace

std::uint64_t ItemIndex::Hash(std::string_view objCislo, std::string_view label)
{
    const std::uint64_t a = std::hash<std::string_view>{}(objCislo);
    const std::uint64_t b = std::hash<std::string_view>{}(label);
    return Mix(a ^ Mix(b + 0x9e3779b97f4a7c15ull));
}

void ItemIndex::Clear()
{
    m_slots.clear();
    m_used = 0;
    m_indexed = 0;
}

void ItemIndex::Grow()
{
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.empty() ? 64 : old.size() * 2, Slot{});
    m_used = 0;
    // Re-inserting in position order keeps "the first item wins" for equal texts.
    for (const Slot& slot : old)
        if (slot.position != kEmpty) {
            const std::size_t mask = m_slots.size() - 1;
            std::size_t i = slot.hash & mask;
            while (m_slots[i].position != kEmpty) i = (i + 1) & mask;
            m_slots[i] = slot;
            ++m_used;
        }
}

void ItemIndex::Insert(const std::vector<std::unique_ptr<CPolozka>>& items, std::uint64_t hash,
                       std::uint32_t position)
{
    if ((m_used + 1) * 2 > m_slots.size()) Grow();
    const std::size_t mask = m_slots.size() - 1;
    const CPolozka& item = *items[position];
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = m_slots[i];
        if (slot.position == kEmpty) {
            slot = Slot{hash, position};
            ++m_used;
            return;
        }
        if (slot.hash == hash && SameKey(*items[slot.position], item.ObjCislo, item.NazevSkupiny)) return;
    }
}

void ItemIndex::IndexFrom(const std::vector<std::unique_ptr<CPolozka>>& items, std::size_t first)
{
    for (std::size_t i = first; i < items.size(); ++i)
        Insert(items, Hash(items[i]->ObjCislo, items[i]->NazevSkupiny), static_cast<std::uint32_t>(i));
    m_indexed = items.size();
}

CPolozka* ItemIndex::Find(const std::vector<std::unique_ptr<CPolozka>>& items, std::string_view objCislo,
                          std::string_view label)
{
    if (m_indexed > items.size()) Clear();  // the list was shortened
    IndexFrom(items, m_indexed);
    if (m_slots.empty()) return nullptr;

    const std::uint64_t hash = Hash(objCislo, label);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask; m_slots[i].position != kEmpty; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.hash != hash) continue;
        const CPolozka& candidate = *items[slot.position];
        if (SameKey(candidate, objCislo, label)) return items[slot.position].get();
        if (Hash(candidate.ObjCislo, candidate.NazevSkupiny) != slot.hash) {
            // The entry no longer holds the item it was made for: the list was reordered or an
            // item changed behind the index. Index the list afresh and look again.
            Clear();
            IndexFrom(items, 0);
            return Find(items, objCislo, label);
        }
    }
    return nullptr;
}

}  // namespace belvo
