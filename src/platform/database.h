// What the engine asks of a database: a connection opened by a connection text, queries whose
// result rows arrive as texts, and failures as exceptions carrying the driver's own diagnostic.
// The production adapter is platform/odbc (unixODBC); tests use it with the SQLite ODBC driver.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/errors.h"
#include "platform/ui.h"

namespace belvo {

// A failure of the database layer. The message is the driver's diagnostic (state and text of
// every record the driver reported), so the user sees what the database said.
class DatabaseError : public BelvoError {
public:
    using BelvoError::BelvoError;
};

// A data source the driver manager knows.
struct DataSource {
    std::string name;
    std::string description;  // usually the driver's name
};

// The rows of one query, read forward only. Every column arrives as text: numbers in the
// database's text form with "." as the decimal point, NULL as the empty text.
class ResultSet {
public:
    virtual ~ResultSet() = default;
    virtual std::size_t ColumnCount() const = 0;
    // Reads the next row into `row` (resized to the column count); false after the last row.
    // A column that cannot be read as text raises DatabaseError.
    virtual bool Fetch(std::vector<std::string>& row) = 0;
};

class Database {
public:
    virtual ~Database() = default;

    // The data sources known to the driver manager (the user's and the system's).
    virtual std::vector<DataSource> DataSources() = 0;
    // Connects with a connection text (for example "DSN=name" or "DRIVER=...;Database=...") and
    // returns the complete connection text that the driver reports for the open connection.
    // Raises DatabaseError when the connection cannot be made. Never prompts.
    virtual std::string Connect(const std::string& connection) = 0;
    virtual bool IsOpen() const = 0;
    // Runs one statement, read-only and forward-only. The result set must be destroyed before
    // the next query or Close.
    virtual std::unique_ptr<ResultSet> Query(const std::string& sql) = 0;
    virtual void Close() = 0;

    // Opens the connection as the program does. The connection text is a data source's name
    // ("Karno"), a connection string ("DSN=Karno;UID=cenik", also with the "ODBC;" prefix that
    // older settings hold), or empty: then the user chooses one of the known data sources
    // (through `ui`; without a `ui` there is nobody to ask). Returns the completed connection
    // text, or none when the user cancelled, there was nothing to choose from, or the connection
    // failed; `failure`, when given, receives the driver's diagnostic of a failed connection.
    std::optional<std::string> Open(const std::string& connection, Ui* ui, std::string* failure = nullptr)
    {
        std::string text = ConnectionString(connection);
        if (text.empty()) {
            if (!ui) return std::nullopt;
            std::vector<DataSource> sources;
            try {
                sources = DataSources();
            } catch (const DatabaseError& e) {
                if (failure) *failure = e.what();
                return std::nullopt;
            }
            if (sources.empty()) return std::nullopt;
            std::vector<std::string> lines;
            lines.reserve(sources.size());
            for (const DataSource& s : sources)
                lines.push_back(s.description.empty() ? s.name : s.name + " (" + s.description + ")");
            const std::optional<std::size_t> chosen =
                ui->ChooseFromList("Výběr zdroje dat", "Zdroj dat ODBC:", lines, std::size_t{0});
            if (!chosen || *chosen >= sources.size()) return std::nullopt;
            text = "DSN=" + sources[*chosen].name;
        }
        try {
            return Connect(text);
        } catch (const DatabaseError& e) {
            if (failure) *failure = e.what();
            return std::nullopt;
        }
    }

    // The connection string for a connection text: blanks around it and an "ODBC;" prefix
    // dropped, a bare name (no "=") taken as the name of a data source.
    static std::string ConnectionString(std::string_view connection)
    {
        const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
        while (!connection.empty() && blank(connection.front())) connection.remove_prefix(1);
        while (!connection.empty() && blank(connection.back())) connection.remove_suffix(1);
        constexpr std::string_view prefix = "ODBC;";
        if (connection.size() >= prefix.size()) {
            bool same = true;
            for (std::size_t i = 0; i < prefix.size(); ++i) {
                char c = connection[i];
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
                same = same && c == prefix[i];
            }
            if (same) connection.remove_prefix(prefix.size());
        }
        if (connection.empty()) return {};
        if (connection.find('=') == std::string_view::npos) return "DSN=" + std::string(connection);
        return std::string(connection);
    }
};

}  // namespace belvo
