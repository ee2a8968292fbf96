#include "proposal/item_index.h"

#include "proposal/navrh.h"

namespace belvo {

void ItemIndex::Clear()
{
    m_positions.clear();
    m_indexed = 0;
}

void ItemIndex::IndexFrom(const std::vector<std::unique_ptr<CPolozka>>& items, std::size_t first)
{
    for (std::size_t i = first; i < items.size(); ++i)
        m_positions.try_emplace(Key(items[i]->ObjCislo, items[i]->NazevSkupiny), i);  // the first one wins
    m_indexed = items.size();
}

CPolozka* ItemIndex::Find(const std::vector<std::unique_ptr<CPolozka>>& items, std::string_view objCislo,
                          std::string_view label)
{
    if (m_indexed > items.size()) Clear();  // the list was shortened
    IndexFrom(items, m_indexed);

    Key key{std::string(objCislo), std::string(label)};
    auto found = m_positions.find(key);
    if (found == m_positions.end()) return nullptr;
    const CPolozka* candidate = items[found->second].get();
    if (candidate->ObjCislo != key.first || candidate->NazevSkupiny != key.second) {
        // The list was reordered (or an item changed) behind the index: index it afresh.
        Clear();
        IndexFrom(items, 0);
        found = m_positions.find(key);
        if (found == m_positions.end()) return nullptr;
    }
    return items[found->second].get();
}

}  // namespace belvo
