// CMaterialList: the ordered, owning list of price-list records, with lookups by order number,
// group and brick family that do not walk the list. The indexes behind them are rebuilt on the
// first lookup after a change, so filling a list of many records costs one rebuild, not one per
// record. Because a lookup may build an index, lookups on one list must not run on several
// threads at once (the program runs every operation on one thread).
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/material.h"
#include "foundation/archive.h"

namespace belvo {

class CMaterialList {
public:
    using Items = std::vector<std::unique_ptr<CMaterial>>;
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // Walks the records in list order as const CMaterial&.
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = CMaterial;
        using difference_type = std::ptrdiff_t;
        using pointer = const CMaterial*;
        using reference = const CMaterial&;

        const_iterator() = default;
        explicit const_iterator(Items::const_iterator it) : m_it(it) {}
        reference operator*() const { return **m_it; }
        pointer operator->() const { return m_it->get(); }
        reference operator[](difference_type n) const { return *m_it[n]; }
        const_iterator& operator++() { ++m_it; return *this; }
        const_iterator operator++(int) { auto old = *this; ++m_it; return old; }
        const_iterator& operator--() { --m_it; return *this; }
        const_iterator operator--(int) { auto old = *this; --m_it; return old; }
        const_iterator& operator+=(difference_type n) { m_it += n; return *this; }
        const_iterator& operator-=(difference_type n) { m_it -= n; return *this; }
        friend const_iterator operator+(const_iterator a, difference_type n) { return a += n; }
        friend const_iterator operator+(difference_type n, const_iterator a) { return a += n; }
        friend const_iterator operator-(const_iterator a, difference_type n) { return a -= n; }
        friend difference_type operator-(const const_iterator& a, const const_iterator& b) { return a.m_it - b.m_it; }
        friend bool operator==(const const_iterator&, const const_iterator&) = default;
        friend auto operator<=>(const const_iterator&, const const_iterator&) = default;

    private:
        Items::const_iterator m_it;
    };

    // Some records of the list in list order, as const CMaterial&; from the group and family
    // lookups. Valid until the list changes.
    class Selection {
    public:
        class iterator {
        public:
            using iterator_category = std::forward_iterator_tag;
            using value_type = CMaterial;
            using difference_type = std::ptrdiff_t;
            using pointer = const CMaterial*;
            using reference = const CMaterial&;

            iterator() = default;
            iterator(const Items* items, const std::uint32_t* position) : m_items(items), m_position(position) {}
            reference operator*() const { return *(*m_items)[*m_position]; }
            pointer operator->() const { return (*m_items)[*m_position].get(); }
            iterator& operator++() { ++m_position; return *this; }
            iterator operator++(int) { auto old = *this; ++m_position; return old; }
            friend bool operator==(const iterator& a, const iterator& b) { return a.m_position == b.m_position; }

        private:
            const Items* m_items = nullptr;
            const std::uint32_t* m_position = nullptr;
        };

        Selection() = default;
        Selection(const Items& items, std::span<const std::uint32_t> positions)
            : m_items(&items), m_positions(positions) {}
        iterator begin() const { return {m_items, m_positions.data()}; }
        iterator end() const { return {m_items, m_positions.data() + m_positions.size()}; }
        std::size_t size() const { return m_positions.size(); }
        bool empty() const { return m_positions.empty(); }

    private:
        const Items* m_items = nullptr;
        std::span<const std::uint32_t> m_positions;
    };

    CMaterialList() = default;
    CMaterialList(CMaterialList&&) noexcept = default;
    CMaterialList& operator=(CMaterialList&&) noexcept = default;
    // Copies every record.
    CMaterialList(const CMaterialList& other);
    CMaterialList& operator=(const CMaterialList& other);

    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    const CMaterial& operator[](std::size_t index) const { return *m_items[index]; }
    const_iterator begin() const { return const_iterator(m_items.begin()); }
    const_iterator end() const { return const_iterator(m_items.end()); }

    // Changes. A null record is refused (std::invalid_argument): the list never holds null.
    void Clear();
    const CMaterial& Append(std::unique_ptr<CMaterial> record);
    const CMaterial& Insert(std::size_t index, std::unique_ptr<CMaterial> record);
    // Inserts before the first record whose order number compares greater (Windows-1250 bytes,
    // unsigned); records with equal order numbers keep the order in which they were added. The
    // list must already be in that order, as every list built this way is.
    const CMaterial& InsertSorted(std::unique_ptr<CMaterial> record);
    std::unique_ptr<CMaterial> Remove(std::size_t index);
    // Replaces the record at `index`, returning the old one.
    std::unique_ptr<CMaterial> Replace(std::size_t index, std::unique_ptr<CMaterial> record);

    // The list as an archive object list: a count, then each record as an object reference.
    // Loading appends the records read; those read before a failure stay in the list.
    void Serialize(CArchive& ar);
    void Store(CArchive& ar) const;
    void Load(CArchive& ar);

    // The first record with exactly this order number (for a rotated material, the row of
    // rotation 0, which precedes its rotated rows), or null.
    const CMaterial* Find(std::string_view objCislo) const;
    // The first record with this order number and rotation, or null.
    const CMaterial* Find(std::string_view objCislo, const CCislo& otoceni) const;
    // Position of the first record with this order number, or npos.
    std::size_t IndexOf(std::string_view objCislo) const;
    // Whether some record's Skupina equals the code.
    bool HasGroup(int skupina) const;
    // The records whose Skupina equals `skupina` (by value; a null group counts as 0).
    Selection InGroup(const CCislo& skupina) const;
    // The records whose ZaklMat lists the family code `code` (by value; an empty piece of ZaklMat
    // reads as null, which counts as 0): those for which PatriDoRodiny of a text holding `code`
    // is true.
    Selection InFamily(const CCislo& code) const;

private:
    using PositionsByNumber = std::unordered_map<NumberKey, std::vector<std::uint32_t>, NumberKeyHash>;

    void Invalidate();
    void EnsureIndex() const;
    void EnsureFamilyIndex() const;
    Selection Select(const PositionsByNumber& index, const CCislo& value) const;

    Items m_items;

    // Index over m_items, valid while m_indexed is set. Keys view the records' own order
    // numbers, which the list never changes in place.
    mutable bool m_indexed = false;
    mutable std::unordered_map<std::string_view, std::uint32_t> m_first;  // order number -> first position
    mutable std::vector<std::uint32_t> m_next;  // position -> next position of the same order number
    mutable PositionsByNumber m_groups;  // Skupina -> positions in list order
    // Built only when a family is looked up, as few lists are asked for one.
    mutable bool m_familiesIndexed = false;
    mutable PositionsByNumber m_families;  // family code -> positions of the records listing it
};

}  // namespace belvo
