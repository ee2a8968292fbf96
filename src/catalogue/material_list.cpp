#include "catalogue/material_list.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "foundation/cp1250.h"

namespace belvo {

namespace {
constexpr std::uint32_t kNoNext = std::numeric_limits<std::uint32_t>::max();

std::unique_ptr<CMaterial> Checked(std::unique_ptr<CMaterial> record)
{
    if (!record) throw std::invalid_argument("CMaterialList: null record");
    return record;
}
}  // namespace

CMaterialList::CMaterialList(const CMaterialList& other)
{
    m_items.reserve(other.m_items.size());
    for (const auto& record : other.m_items) m_items.push_back(std::make_unique<CMaterial>(*record));
}

CMaterialList& CMaterialList::operator=(const CMaterialList& other)
{
    if (this != &other) {
        CMaterialList copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void CMaterialList::Invalidate()
{
    // The keys view strings of records that may be about to go: drop them now.
    m_indexed = false;
    m_first.clear();
    m_next.clear();
    m_groups.clear();
    m_familiesIndexed = false;
    m_families.clear();
}

void CMaterialList::Clear()
{
    Invalidate();
    m_items.clear();
}

const CMaterial& CMaterialList::Append(std::unique_ptr<CMaterial> record)
{
    record = Checked(std::move(record));
    Invalidate();
    m_items.push_back(std::move(record));
    return *m_items.back();
}

const CMaterial& CMaterialList::Insert(std::size_t index, std::unique_ptr<CMaterial> record)
{
    record = Checked(std::move(record));
    if (index > m_items.size()) throw std::out_of_range("CMaterialList::Insert");
    Invalidate();
    return **m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(index), std::move(record));
}

const CMaterial& CMaterialList::InsertSorted(std::unique_ptr<CMaterial> record)
{
    record = Checked(std::move(record));
    const auto position = std::upper_bound(m_items.begin(), m_items.end(), record,
                                           [](const auto& a, const auto& b) {
                                               return CompareCp1250(a->ObjCislo, b->ObjCislo) < 0;
                                           });
    Invalidate();
    return **m_items.insert(position, std::move(record));
}

std::unique_ptr<CMaterial> CMaterialList::Remove(std::size_t index)
{
    if (index >= m_items.size()) throw std::out_of_range("CMaterialList::Remove");
    Invalidate();
    auto record = std::move(m_items[index]);
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
    return record;
}

std::unique_ptr<CMaterial> CMaterialList::Replace(std::size_t index, std::unique_ptr<CMaterial> record)
{
    record = Checked(std::move(record));
    if (index >= m_items.size()) throw std::out_of_range("CMaterialList::Replace");
    Invalidate();
    std::swap(m_items[index], record);
    return record;
}

void CMaterialList::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

void CMaterialList::Store(CArchive& ar) const
{
    ar.WriteCount(static_cast<std::uint32_t>(m_items.size()));
    for (const auto& record : m_items) ar.WriteObject(record.get());
}

void CMaterialList::Load(CArchive& ar)
{
    Invalidate();
    ar.SerializeList(m_items);
}

void CMaterialList::EnsureIndex() const
{
    if (m_indexed) return;
    if (m_items.size() >= kNoNext) throw std::length_error("CMaterialList: too many records");
    const auto count = static_cast<std::uint32_t>(m_items.size());
    m_first.clear();
    m_first.reserve(count);
    m_next.assign(count, kNoNext);
    m_groups.clear();
    // Backwards, so that each key ends on its first position and the chains run forwards.
    for (std::uint32_t i = count; i-- > 0;) {
        const CMaterial& record = *m_items[i];
        auto [slot, inserted] = m_first.try_emplace(record.ObjCislo, i);
        if (!inserted) {
            m_next[i] = slot->second;
            slot->second = i;
        }
    }
    for (std::uint32_t i = 0; i < count; ++i) m_groups[KeyOf(m_items[i]->Skupina)].push_back(i);
    m_indexed = true;
}

void CMaterialList::EnsureFamilyIndex() const
{
    if (m_familiesIndexed) return;
    if (m_items.size() >= kNoNext) throw std::length_error("CMaterialList: too many records");
    const auto count = static_cast<std::uint32_t>(m_items.size());
    m_families.clear();
    for (std::uint32_t i = 0; i < count; ++i) {
        m_items[i]->AnyKodRodiny([&](const CCislo& code) {
            std::vector<std::uint32_t>& positions = m_families[KeyOf(code)];
            // A record that lists a code twice is one member.
            if (positions.empty() || positions.back() != i) positions.push_back(i);
            return false;
        });
    }
    m_familiesIndexed = true;
}

CMaterialList::Selection CMaterialList::Select(const PositionsByNumber& index, const CCislo& value) const
{
    const auto found = index.find(KeyOf(value));
    if (found == index.end()) return Selection(m_items, {});
    return Selection(m_items, found->second);
}

std::size_t CMaterialList::IndexOf(std::string_view objCislo) const
{
    EnsureIndex();
    const auto found = m_first.find(objCislo);
    return found == m_first.end() ? npos : found->second;
}

const CMaterial* CMaterialList::Find(std::string_view objCislo) const
{
    const std::size_t index = IndexOf(objCislo);
    return index == npos ? nullptr : m_items[index].get();
}

const CMaterial* CMaterialList::Find(std::string_view objCislo, const CCislo& otoceni) const
{
    EnsureIndex();
    const auto found = m_first.find(objCislo);
    if (found == m_first.end()) return nullptr;
    for (std::uint32_t i = found->second; i != kNoNext; i = m_next[i])
        if (m_items[i]->Otoceni == otoceni) return m_items[i].get();
    return nullptr;
}

bool CMaterialList::HasGroup(int skupina) const { return !InGroup(CCislo(skupina)).empty(); }

CMaterialList::Selection CMaterialList::InGroup(const CCislo& skupina) const
{
    EnsureIndex();
    return Select(m_groups, skupina);
}

CMaterialList::Selection CMaterialList::InFamily(const CCislo& code) const
{
    EnsureFamilyIndex();
    return Select(m_families, code);
}

}  // namespace belvo
