// A private ODBC configuration for one test: a temporary folder with an odbcinst.ini that names
// the SQLite ODBC driver by its path and an odbc.ini for the test's own data sources. ODBCSYSINI
// and ODBCINI point there for the life of the sandbox, so no setting of the machine matters.
#pragma once

#include <filesystem>
#include <string>

namespace belvo::test {

class OdbcSandbox {
public:
    // The driver's name in the sandbox's odbcinst.ini (deliberately not the system's name).
    static constexpr const char* kDriver = "Belvo SQLite3";

    OdbcSandbox();
    ~OdbcSandbox();
    OdbcSandbox(const OdbcSandbox&) = delete;
    OdbcSandbox& operator=(const OdbcSandbox&) = delete;

    const std::filesystem::path& Dir() const { return m_dir; }

    // Creates (or extends) a SQLite database in the sandbox by running an SQL script through
    // the sqlite3 tool; fails the test when the tool fails. Returns the database's path.
    std::filesystem::path RunSqlite(const std::string& fileName, const std::string& script) const;
    // Defines a data source of the sandbox for a database file.
    void AddDataSource(const std::string& name, const std::filesystem::path& database) const;
    // A connection text that names the driver and the file directly.
    static std::string DriverConnection(const std::filesystem::path& database);

private:
    std::filesystem::path m_dir;
    std::string m_oldSysIni;
    std::string m_oldIni;
    bool m_hadSysIni = false;
    bool m_hadIni = false;
};

// Reads a whole file as bytes.
std::string ReadFileBytes(const std::filesystem::path& path);

}  // namespace belvo::test
