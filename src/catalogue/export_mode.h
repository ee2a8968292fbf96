// The export mode: the price list read from the maker's database and written as a price-list
// file named after the data source, without any window. The outcome is the export status, from
// which the program's exit code follows.
#pragma once

#include <string>
#include <string_view>

#include "foundation/archive.h"
#include "platform/database.h"
#include "platform/system_info.h"

namespace belvo {

// The export status of the application: 0 in the desktop program; in export mode 2 while the
// export runs, then 1 (done), 3 (the price-list file could not be written) or 4 (the database
// failed). The program ends with the status minus 1.
enum ExportStatus : int {
    kExportInteractive = 0,
    kExportDone = 1,
    kExportRunning = 2,
    kExportWriteFailed = 3,
    kExportDatabaseFailed = 4,
};

struct ExportOutcome {
    int status = kExportRunning;
    std::string file;     // the price-list file written
    std::string failure;  // why it did not end with kExportDone (for the log)

    int ExitCode() const { return status - 1; }
};

// Runs the export with a connection text: the database import with nobody to ask, then the
// price-list file written atomically into `startupDirectory` under the default file name of
// the data-source name, with that name as its label. Never throws.
ExportOutcome RunExport(const std::string& connection, Database& database, const std::string& startupDirectory,
                        const SystemInfo& system, const ClassRegistry& classes);

// The data-source name in a completed connection text: the text after "DSN=" (found in any
// letter case) up to the next ";" or the end. A text without "DSN=" yields its part from the
// fourth character on, up to the next ";".
std::string ExportDataSourceName(std::string_view connection);

}  // namespace belvo
