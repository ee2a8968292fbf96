// The rows of a read-only table (the price-list view, the report of missing materials) as its
// window shows them: sorted by the column the user clicked, and narrowed to the rows whose
// searched columns contain the text the user types. The window only asks; the rules are here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/decimal.h"
#include "platform/ui.h"

namespace belvo {

// A text as the filter compares it: letters in lower case and without their diacritic marks
// ("Šířka" gives "sirka", "Ž" gives "z", "ß" gives "ss"), so that a user who types "tvarnice"
// finds "Tvárnice" and one who types "č" finds "Č". Control characters become spaces;
// characters other than Latin letters stay as they are.
std::string SearchFold(std::string_view utf8);

class TableRows {
public:
    // The table must outlive this object. `separators` read the cells of number columns.
    TableRows(const TableDialog& table, Separators separators);

    // Keeps the rows in which one of the table's filterColumns contains `text` (compared folded,
    // SearchFold); the empty text keeps every row. Typing one more letter only searches the rows
    // the shorter text kept.
    void SetFilter(std::string_view text);
    // Orders the rows by a column: number columns by value (cells that hold no number first),
    // the others by their Windows-1250 bytes, as the program's files sort; rows that compare
    // equal stay in the table's order. None: the table's own order.
    void SortBy(std::optional<std::size_t> column, bool descending = false);

    // The rows shown, in the order shown.
    std::size_t Count() const { return m_shown.size(); }
    // The row of the table at a place of the shown order.
    std::size_t Row(std::size_t shownIndex) const { return m_shown.at(shownIndex); }
    const std::string& Cell(std::size_t shownIndex, std::size_t column) const;

private:
    void Show();

    const TableDialog& m_table;
    Separators m_separators;
    std::vector<std::string> m_searchText;  // per row: its searched cells folded, '\n' between them
    std::vector<std::size_t> m_order;       // every row, in the sort order
    std::string m_filter;                   // folded
    std::vector<char> m_matches;            // per row: whether it contains the filter
    std::vector<std::size_t> m_matching;    // the rows that do, in the table's order
    std::vector<std::size_t> m_shown;
};

}  // namespace belvo
