#include "catalogue/table_rows.h"

#include <algorithm>
#include <numeric>

#include "foundation/cp1250.h"
#include "foundation/utf8.h"

namespace belvo {

namespace {

// The base letters of U+00C0 to U+017F in lower case; '*' keeps the character as it is, '#'
// stands for two letters (LigatureOf).
constexpr std::string_view kLatinBase =
    "aaaaaa#ceeeeiiiidnooooo*ouuuuy*#"   // U+00C0
    "aaaaaa#ceeeeiiiidnooooo*ouuuuy*y"   // U+00E0
    "aaaaaaccccccccddddeeeeeeeeeegggg"   // U+0100
    "gggghhhhiiiiiiiiii##jjkkklllllll"   // U+0120
    "lllnnnnnnnnnoooooo##rrrrrrssssss"   // U+0140
    "sstttttt" "uuuuuuuuuuuu" "wwyyyzzzzzzs";  // U+0160
static_assert(kLatinBase.size() == 0x180 - 0xC0);

std::string_view LigatureOf(char32_t c)
{
    switch (c) {
    case 0xC6:
    case 0xE6: return "ae";
    case 0xDF: return "ss";
    case 0x132:
    case 0x133: return "ij";
    default: return "oe";  // U+0152, U+0153
    }
}

char32_t DecodeAt(std::string_view text, std::size_t pos, std::size_t length)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    switch (length) {
    case 2: return static_cast<char32_t>(((byte(0) & 0x1Fu) << 6) | (byte(1) & 0x3Fu));
    case 3: return static_cast<char32_t>(((byte(0) & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu));
    default:
        return static_cast<char32_t>(((byte(0) & 0x07u) << 18) | ((byte(1) & 0x3Fu) << 12) | ((byte(2) & 0x3Fu) << 6) |
                                     (byte(3) & 0x3Fu));
    }
}

// The cells of a number column as values; a cell that is no number (or not wholly one) is none.
std::vector<std::optional<CCislo>> NumberKeys(const TableDialog& table, std::size_t column, const Separators& separators)
{
    std::vector<std::optional<CCislo>> keys;
    keys.reserve(table.rows.size());
    for (const std::vector<std::string>& row : table.rows) {
        std::optional<CCislo> key;
        if (column < row.size()) {
            const std::string& cell = row[column];
            try {
                std::size_t stop = 0;
                const CCislo value = CCislo::Parse(cell, separators, 0, &stop);
                if (!value.IsNull() && stop == cell.size()) key = value;
            } catch (const BelvoError&) {
                // Too large to be a number of the program: sorted with the texts that are none.
            }
        }
        keys.push_back(key);
    }
    return keys;
}

}  // namespace

std::string SearchFold(std::string_view utf8)
{
    std::string folded;
    folded.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const unsigned char first = static_cast<unsigned char>(utf8[pos]);
        if (first < 0x80) {
            char c = static_cast<char>(first);
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            if (first < 0x20 || first == 0x7F) c = ' ';
            folded += c;
            ++pos;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(utf8, pos);
        if (length == 0) {  // a malformed byte stays, so nothing typed can match across it
            folded += utf8[pos++];
            continue;
        }
        const char32_t c = DecodeAt(utf8, pos, length);
        const char base = c >= 0xC0 && c < 0x180 ? kLatinBase[c - 0xC0] : '*';
        if (base == '#')
            folded += LigatureOf(c);
        else if (base != '*')
            folded += base;
        else
            folded.append(utf8.substr(pos, length));
        pos += length;
    }
    return folded;
}

TableRows::TableRows(const TableDialog& table, Separators separators)
    : m_table(table), m_separators(std::move(separators))
{
    const std::size_t count = table.rows.size();
    m_searchText.reserve(count);
    for (const std::vector<std::string>& row : table.rows) {
        std::string text;
        for (std::size_t column : table.filterColumns) {
            if (column >= row.size()) continue;
            if (!text.empty()) text += '\n';  // the folded filter holds no line feed
            text += SearchFold(row[column]);
        }
        m_searchText.push_back(std::move(text));
    }
    m_order.resize(count);
    std::iota(m_order.begin(), m_order.end(), std::size_t{0});
    m_matches.assign(count, 1);
    m_matching = m_order;
    Show();
}

void TableRows::SetFilter(std::string_view text)
{
    std::string filter = SearchFold(text);
    if (filter == m_filter) return;
    // A longer text that holds the shorter one matches only rows the shorter one matched.
    const bool narrower = filter.find(m_filter) != std::string::npos;
    std::vector<std::size_t> candidates;
    if (narrower) {
        candidates = std::move(m_matching);
    } else {
        candidates.resize(m_table.rows.size());
        std::iota(candidates.begin(), candidates.end(), std::size_t{0});
    }
    m_filter = std::move(filter);
    std::fill(m_matches.begin(), m_matches.end(), 0);
    m_matching.clear();
    for (std::size_t row : candidates) {
        if (m_filter.empty() || m_searchText[row].find(m_filter) != std::string::npos) {
            m_matches[row] = 1;
            m_matching.push_back(row);
        }
    }
    Show();
}

void TableRows::SortBy(std::optional<std::size_t> column, bool descending)
{
    std::iota(m_order.begin(), m_order.end(), std::size_t{0});
    if (column && *column < m_table.columns.size()) {
        const std::size_t c = *column;
        if (m_table.columns[c].number) {
            const std::vector<std::optional<CCislo>> keys = NumberKeys(m_table, c, m_separators);
            // None first, then by value.
            const auto less = [&](std::size_t a, std::size_t b) {
                if (!keys[a] || !keys[b]) return !keys[a] && keys[b];
                return *keys[a] < *keys[b];
            };
            std::stable_sort(m_order.begin(), m_order.end(),
                             [&](std::size_t a, std::size_t b) { return descending ? less(b, a) : less(a, b); });
        } else {
            std::vector<std::string> keys;
            keys.reserve(m_table.rows.size());
            for (const std::vector<std::string>& row : m_table.rows)
                keys.push_back(c < row.size() ? Utf8ToCp1250(row[c]) : std::string());
            // std::string compares its characters as unsigned bytes.
            std::stable_sort(m_order.begin(), m_order.end(), [&](std::size_t a, std::size_t b) {
                return descending ? keys[b] < keys[a] : keys[a] < keys[b];
            });
        }
    }
    Show();
}

void TableRows::Show()
{
    m_shown.clear();
    m_shown.reserve(m_matching.size());
    for (std::size_t row : m_order)
        if (m_matches[row]) m_shown.push_back(row);
}

const std::string& TableRows::Cell(std::size_t shownIndex, std::size_t column) const
{
    static const std::string kNone;
    const std::vector<std::string>& row = m_table.rows[Row(shownIndex)];
    return column < row.size() ? row[column] : kNone;
}

}  // namespace belvo
