// The price list from the maker's database: the material queries, the type captions and the
// price list's own row turned into a material list and a label (CenikId).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "catalogue/material_list.h"
#include "platform/database.h"
#include "platform/system_info.h"
#include "platform/ui.h"

namespace belvo {

enum class DatabaseImportStatus {
    NotOpened,  // no connection (the user cancelled, or it failed): nothing changed
    Imported,   // the list and the label hold the price list from the database
    Failed,     // the database failed during the queries: the list is empty
};

struct DatabaseImportResult {
    DatabaseImportStatus status = DatabaseImportStatus::NotOpened;
    // Why the connection could not be made (the driver's diagnostic, empty when the user
    // cancelled) or why the import failed.
    std::string failure;
};

// The most records an import accepts; a database that yields more is refused as faulty rather
// than read into memory without bound.
inline constexpr std::size_t kMaxImportedRecords = 1000000;

// `ImportZDatabaze`. `connection` is the connection text: a data source ("DSN=name") or empty
// to let the user choose one among those the driver manager knows. Once the connection is open
// it receives the complete connection text that the driver reports. On success `materials`
// holds the imported records in ascending order of ObjCislo (Windows-1250 bytes; equal order
// numbers in the order the queries made them) and `label` the new CenikId.
//
// `ui`, when given, is asked for the data source, shows the wait cursor and the progress of the
// queries, and reports a failure with its own message (error icon). When the user stops the
// import in the progress window, OperationCancelled is raised and the list, the label and the
// connection text are as they were before. The export mode passes none: nothing is shown and
// the caller reads the result.
DatabaseImportResult ImportZDatabaze(Database& database, std::string& connection, CMaterialList& materials,
                                     std::string& label, const SystemInfo& system, Ui* ui,
                                     std::size_t maxRecords = kMaxImportedRecords);

// The label built from the price list's row of the database and the time of the import:
// the country's first two characters ("CZ" when there is none), the time, " (currency)" with
// its first three characters when there is one, "/key" when there is an ERP key. "(", ")" and
// "/" in the country and the currency become "_"; a country of one character is padded with "_".
std::string DatabaseCenikId(std::string_view zeme, std::string_view mena, std::string_view heliosxml,
                            const LocalTime& now);

// Trailing white space cut off, as every text read from the database is.
std::string_view TrimTrailingSpace(std::string_view text);

}  // namespace belvo
