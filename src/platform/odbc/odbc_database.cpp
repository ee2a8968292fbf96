#include "platform/odbc/odbc_database.h"

#include <sql.h>
#include <sqlext.h>

#include <array>
#include <cstring>

#include "platform/odbc/odbc_text.h"

namespace belvo {

namespace {

constexpr SQLULEN kQueryTimeoutSeconds = 600;

// The diagnostic records of a handle as one text: each record's message and state, one per line.
std::string Diagnostics(SQLSMALLINT type, SQLHANDLE handle)
{
    std::string text;
    for (SQLSMALLINT record = 1; record <= 20; ++record) {
        std::array<SQLCHAR, 6> state{};
        std::array<SQLCHAR, 1024> message{};
        SQLINTEGER nativeError = 0;
        SQLSMALLINT length = 0;
        const SQLRETURN rc = SQLGetDiagRec(type, handle, record, state.data(), &nativeError, message.data(),
                                           static_cast<SQLSMALLINT>(message.size()), &length);
        if (!SQL_SUCCEEDED(rc)) break;
        if (!text.empty()) text += '\n';
        text += OdbcTextToUtf8(reinterpret_cast<const char*>(message.data()));
        text += " (SQLSTATE ";
        text += reinterpret_cast<const char*>(state.data());
        text += ')';
    }
    return text;
}

[[noreturn]] void Fail(SQLSMALLINT type, SQLHANDLE handle, const std::string& what)
{
    std::string diagnostic = handle ? Diagnostics(type, handle) : std::string();
    throw DatabaseError(diagnostic.empty() ? what : diagnostic);
}

bool HasState(SQLSMALLINT type, SQLHANDLE handle, const char* wanted)
{
    std::array<SQLCHAR, 6> state{};
    SQLINTEGER nativeError = 0;
    SQLSMALLINT length = 0;
    for (SQLSMALLINT record = 1; record <= 20; ++record) {
        if (!SQL_SUCCEEDED(SQLGetDiagRec(type, handle, record, state.data(), &nativeError, nullptr, 0, &length)))
            return false;
        if (std::strcmp(reinterpret_cast<const char*>(state.data()), wanted) == 0) return true;
    }
    return false;
}

}  // namespace

// The ODBC environment, with the version the program speaks.
struct OdbcEnvironment {
    SQLHENV env = SQL_NULL_HENV;

    OdbcEnvironment()
    {
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
            throw DatabaseError("Nelze inicializovat správce ovladačů ODBC.");
        if (!SQL_SUCCEEDED(SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0))) {
            const std::string diagnostic = Diagnostics(SQL_HANDLE_ENV, env);
            SQLFreeHandle(SQL_HANDLE_ENV, env);
            throw DatabaseError(diagnostic.empty() ? "Nelze inicializovat správce ovladačů ODBC." : diagnostic);
        }
    }
    ~OdbcEnvironment() { SQLFreeHandle(SQL_HANDLE_ENV, env); }
    OdbcEnvironment(const OdbcEnvironment&) = delete;
    OdbcEnvironment& operator=(const OdbcEnvironment&) = delete;
};

struct OdbcDatabase::Handles {
    std::shared_ptr<OdbcEnvironment> environment;
    SQLHDBC dbc = SQL_NULL_HDBC;
    bool connected = false;

    ~Handles()
    {
        if (connected) SQLDisconnect(dbc);
        if (dbc != SQL_NULL_HDBC) SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    }
};

namespace {

class OdbcResultSet : public ResultSet {
public:
    OdbcResultSet(std::shared_ptr<OdbcDatabase::Handles> handles, SQLHSTMT stmt, std::size_t columns)
        : m_handles(std::move(handles)), m_stmt(stmt), m_columns(columns)
    {
    }
    ~OdbcResultSet() override
    {
        SQLCloseCursor(m_stmt);
        SQLFreeHandle(SQL_HANDLE_STMT, m_stmt);
    }
    OdbcResultSet(const OdbcResultSet&) = delete;
    OdbcResultSet& operator=(const OdbcResultSet&) = delete;

    std::size_t ColumnCount() const override { return m_columns; }

    bool Fetch(std::vector<std::string>& row) override
    {
        if (m_done) return false;
        const SQLRETURN rc = SQLFetch(m_stmt);
        if (rc == SQL_NO_DATA) {
            m_done = true;
            return false;
        }
        if (!SQL_SUCCEEDED(rc)) Fail(SQL_HANDLE_STMT, m_stmt, "Nelze načíst řádek výsledku dotazu.");
        row.resize(m_columns);
        for (std::size_t i = 0; i < m_columns; ++i) row[i] = ReadColumn(static_cast<SQLUSMALLINT>(i + 1));
        return true;
    }

private:
    // One column as text, read in pieces so that a long text needs no guess of its length.
    std::string ReadColumn(SQLUSMALLINT column)
    {
        std::string raw;
        std::array<char, 4096> buffer;
        for (;;) {
            SQLLEN indicator = 0;
            const SQLRETURN rc = SQLGetData(m_stmt, column, SQL_C_CHAR, buffer.data(),
                                            static_cast<SQLLEN>(buffer.size()), &indicator);
            if (rc == SQL_NO_DATA) break;  // every piece has been read
            if (!SQL_SUCCEEDED(rc))
                Fail(SQL_HANDLE_STMT, m_stmt, "Sloupec " + std::to_string(column) + " nelze číst jako text.");
            if (indicator == SQL_NULL_DATA) return {};
            const bool truncated = rc == SQL_SUCCESS_WITH_INFO && HasState(SQL_HANDLE_STMT, m_stmt, "01004");
            // A piece that did not fit fills the buffer but for its terminating zero.
            std::size_t length = buffer.size() - 1;
            if (!truncated && indicator != SQL_NO_TOTAL && indicator >= 0)
                length = std::min(static_cast<std::size_t>(indicator), buffer.size() - 1);
            else if (!truncated)
                length = std::strlen(buffer.data());
            raw.append(buffer.data(), length);
            if (raw.size() > OdbcDatabase::kMaxColumnText)
                throw DatabaseError("Sloupec " + std::to_string(column) + " obsahuje text delší než " +
                                    std::to_string(OdbcDatabase::kMaxColumnText) + " bajtů.");
            if (!truncated) break;
        }
        return OdbcTextToUtf8(raw);
    }

    std::shared_ptr<OdbcDatabase::Handles> m_handles;  // keeps the connection open while rows are read
    SQLHSTMT m_stmt;
    std::size_t m_columns;
    bool m_done = false;
};

}  // namespace

OdbcDatabase::OdbcDatabase() = default;

OdbcDatabase::~OdbcDatabase() = default;

std::vector<DataSource> OdbcDatabase::DataSources()
{
    const auto environment = m_handles ? m_handles->environment : std::make_shared<OdbcEnvironment>();
    std::vector<DataSource> sources;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    for (;;) {
        std::array<SQLCHAR, SQL_MAX_DSN_LENGTH + 1> name{};
        std::array<SQLCHAR, 512> description{};
        SQLSMALLINT nameLength = 0;
        SQLSMALLINT descriptionLength = 0;
        const SQLRETURN rc =
            SQLDataSources(environment->env, direction, name.data(), static_cast<SQLSMALLINT>(name.size()),
                           &nameLength, description.data(), static_cast<SQLSMALLINT>(description.size()),
                           &descriptionLength);
        if (rc == SQL_NO_DATA) break;
        if (!SQL_SUCCEEDED(rc)) Fail(SQL_HANDLE_ENV, environment->env, "Nelze zjistit zdroje dat ODBC.");
        sources.push_back({OdbcTextToUtf8(reinterpret_cast<const char*>(name.data())),
                           OdbcTextToUtf8(reinterpret_cast<const char*>(description.data()))});
        direction = SQL_FETCH_NEXT;
    }
    return sources;
}

std::string OdbcDatabase::Connect(const std::string& connection)
{
    Close();
    auto handles = std::make_shared<Handles>();
    handles->environment = std::make_shared<OdbcEnvironment>();
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, handles->environment->env, &handles->dbc)))
        Fail(SQL_HANDLE_ENV, handles->environment->env, "Nelze vytvořit spojení ODBC.");
    SQLSetConnectAttr(handles->dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(30), 0);

    std::vector<SQLCHAR> in(connection.begin(), connection.end());
    in.push_back(0);
    std::vector<SQLCHAR> out(8192, 0);
    SQLSMALLINT outLength = 0;
    const SQLRETURN rc = SQLDriverConnect(handles->dbc, nullptr, in.data(), SQL_NTS, out.data(),
                                          static_cast<SQLSMALLINT>(out.size()), &outLength, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) Fail(SQL_HANDLE_DBC, handles->dbc, "Nelze se připojit k databázi.");
    handles->connected = true;

    // A completed text too long for the buffer would arrive cut; the given text then serves.
    std::string completed = outLength >= 0 && static_cast<std::size_t>(outLength) < out.size()
                                ? std::string(reinterpret_cast<const char*>(out.data()), static_cast<std::size_t>(outLength))
                                : connection;
    m_handles = std::move(handles);
    m_open = true;
    return OdbcTextToUtf8(completed);
}

bool OdbcDatabase::IsOpen() const { return m_open; }

std::unique_ptr<ResultSet> OdbcDatabase::Query(const std::string& sql)
{
    if (!m_open) throw DatabaseError("Spojení s databází není otevřeno.");
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, m_handles->dbc, &stmt)))
        Fail(SQL_HANDLE_DBC, m_handles->dbc, "Nelze vytvořit dotaz.");
    // Forward-only and read-only: the program only reads. A driver that knows no better keeps
    // its own defaults, which are the same for ODBC.
    SQLSetStmtAttr(stmt, SQL_ATTR_CURSOR_TYPE, reinterpret_cast<SQLPOINTER>(SQL_CURSOR_FORWARD_ONLY), 0);
    SQLSetStmtAttr(stmt, SQL_ATTR_CONCURRENCY, reinterpret_cast<SQLPOINTER>(SQL_CONCUR_READ_ONLY), 0);
    // A server that does not answer ends the statement instead of holding the program forever.
    SQLSetStmtAttr(stmt, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(kQueryTimeoutSeconds), 0);

    std::vector<SQLCHAR> text(sql.begin(), sql.end());
    text.push_back(0);
    const SQLRETURN rc = SQLExecDirect(stmt, text.data(), SQL_NTS);
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) {
        std::string diagnostic = Diagnostics(SQL_HANDLE_STMT, stmt);
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        throw DatabaseError(diagnostic.empty() ? "Dotaz do databáze selhal." : diagnostic);
    }
    SQLSMALLINT columns = 0;
    if (!SQL_SUCCEEDED(SQLNumResultCols(stmt, &columns))) {
        std::string diagnostic = Diagnostics(SQL_HANDLE_STMT, stmt);
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        throw DatabaseError(diagnostic.empty() ? "Dotaz do databáze selhal." : diagnostic);
    }
    return std::make_unique<OdbcResultSet>(m_handles, stmt, static_cast<std::size_t>(columns < 0 ? 0 : columns));
}

void OdbcDatabase::Close()
{
    m_handles.reset();
    m_open = false;
}

}  // namespace belvo
