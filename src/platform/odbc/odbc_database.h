// The database through the ODBC driver manager (unixODBC on Linux, the system's on Windows).
//
// Texts: character data is requested as SQL_C_CHAR and taken as UTF-8, which is what SQLite
// and the unixODBC drivers deliver in a UTF-8 locale. A text that is not valid UTF-8 comes from
// a database kept in the maker's Windows code page and is read as Windows-1250. Statements are
// sent as given (the program's queries are plain ASCII).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/database.h"

namespace belvo {

class OdbcDatabase : public Database {
public:
    OdbcDatabase();
    ~OdbcDatabase() override;
    OdbcDatabase(const OdbcDatabase&) = delete;
    OdbcDatabase& operator=(const OdbcDatabase&) = delete;

    std::vector<DataSource> DataSources() override;
    std::string Connect(const std::string& connection) override;
    bool IsOpen() const override;
    std::unique_ptr<ResultSet> Query(const std::string& sql) override;
    void Close() override;

    // The longest text one column may hold; a longer one is refused as a database failure
    // rather than read into memory without bound.
    static constexpr std::size_t kMaxColumnText = 1 << 20;

    struct Handles;  // the environment and connection handles, shared with open result sets

private:
    std::shared_ptr<Handles> m_handles;
    bool m_open = false;
};

}  // namespace belvo
