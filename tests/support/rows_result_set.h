// A result set of fixed rows, for tests whose database answers from memory.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "platform/database.h"

namespace belvo::test {

using Rows = std::vector<std::vector<std::string>>;

// Hands out the given rows in order, each brought to the column count.
class RowsResultSet : public ResultSet {
public:
    RowsResultSet(Rows rows, std::size_t columns) : m_rows(std::move(rows)), m_columns(columns) {}
    std::size_t ColumnCount() const override { return m_columns; }
    bool Fetch(std::vector<std::string>& row) override
    {
        if (m_next >= m_rows.size()) return false;
        row = m_rows[m_next++];
        row.resize(m_columns);
        return true;
    }

private:
    Rows m_rows;
    std::size_t m_columns;
    std::size_t m_next = 0;
};

}  // namespace belvo::test
