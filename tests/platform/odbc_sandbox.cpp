#include "platform/odbc_sandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace belvo::test {

namespace {

void SetEnv(const char* name, const std::string& value, bool set)
{
    if (set)
        ::setenv(name, value.c_str(), 1);
    else
        ::unsetenv(name);
}

std::string Remember(const char* name, bool& had)
{
    const char* value = std::getenv(name);
    had = value != nullptr;
    return had ? value : "";
}

}  // namespace

OdbcSandbox::OdbcSandbox()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "belvo-odbc-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    m_dir = pattern;
    {
        std::ofstream inst(m_dir / "odbcinst.ini");
        inst << "[" << kDriver << "]\nDescription=SQLite3 ODBC driver of the tests\nDriver=" BELVO_SQLITE_ODBC_DRIVER
                "\n";
    }
    std::ofstream(m_dir / "odbc.ini").flush();
    m_oldSysIni = Remember("ODBCSYSINI", m_hadSysIni);
    m_oldIni = Remember("ODBCINI", m_hadIni);
    SetEnv("ODBCSYSINI", m_dir.string(), true);
    SetEnv("ODBCINI", (m_dir / "odbc.ini").string(), true);
}

OdbcSandbox::~OdbcSandbox()
{
    SetEnv("ODBCSYSINI", m_oldSysIni, m_hadSysIni);
    SetEnv("ODBCINI", m_oldIni, m_hadIni);
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

std::filesystem::path OdbcSandbox::RunSqlite(const std::string& fileName, const std::string& script) const
{
    const std::filesystem::path database = m_dir / fileName;
    const std::filesystem::path scriptFile = m_dir / (fileName + ".sql");
    {
        std::ofstream out(scriptFile, std::ios::binary);
        out << script;
    }
    const std::string command = std::string("'") + BELVO_SQLITE3 + "' -batch -bail '" + database.string() + "' < '" +
                                scriptFile.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return database;
}

void OdbcSandbox::AddDataSource(const std::string& name, const std::filesystem::path& database) const
{
    std::ofstream ini(m_dir / "odbc.ini", std::ios::app);
    ini << "[" << name << "]\nDescription=Belvo test data\nDriver=" << kDriver << "\nDatabase=" << database.string()
        << "\n\n";
}

std::string OdbcSandbox::DriverConnection(const std::filesystem::path& database)
{
    return std::string("DRIVER={") + kDriver + "};Database=" + database.string() + ";";
}

std::string ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace belvo::test
