#include "catalogue/export_mode.h"

#include <filesystem>

#include "catalogue/database_import.h"
#include "catalogue/price_list_file.h"
#include "catalogue/price_list_label.h"

namespace belvo {

std::string ExportDataSourceName(std::string_view connection)
{
    std::string upper(connection);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    const std::size_t found = upper.find("DSN=");
    // Without "DSN=" the name starts where it would after a "DSN=" at position -1.
    const std::size_t start = found == std::string::npos ? 3 : found + 4;
    if (start >= connection.size()) return {};
    const std::size_t end = connection.find(';', start);
    return std::string(connection.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

ExportOutcome RunExport(const std::string& connection, Database& database, const std::string& startupDirectory,
                        const SystemInfo& system, const ClassRegistry& classes)
{
    ExportOutcome outcome;
    outcome.status = kExportRunning;
    try {
        CMaterialList materials;
        std::string label;
        std::string completed = connection;
        const DatabaseImportResult imported = ImportZDatabaze(database, completed, materials, label, system, nullptr);
        if (imported.status == DatabaseImportStatus::Failed) outcome.status = kExportDatabaseFailed;
        if (materials.empty()) {
            outcome.failure = !imported.failure.empty() ? imported.failure
                              : imported.status == DatabaseImportStatus::NotOpened
                                  ? "Spojení s databází se nepodařilo otevřít."
                                  : "Databáze neobsahuje žádný materiál.";
            return outcome;
        }
        const std::string name = ExportDataSourceName(completed);
        outcome.file = (std::filesystem::path(startupDirectory) / DefaultPriceListFileName(name)).string();
        try {
            WritePriceListFile(outcome.file, name, materials, classes);
        } catch (const std::exception& failure) {
            outcome.status = kExportWriteFailed;
            outcome.failure = failure.what();
        }
        if (outcome.status == kExportRunning) outcome.status = kExportDone;
    } catch (const std::exception& failure) {
        // Dropped, as every failure of the export is: the status tells what was reached.
        if (outcome.failure.empty()) outcome.failure = failure.what();
    } catch (...) {
        if (outcome.failure.empty()) outcome.failure = "Unknown exception.";
    }
    return outcome;
}

}  // namespace belvo
