// A small database of the maker in the schema of data/karno_schema.sql: a brick laid three ways
// with a Czech name, a ground brick sold only in price variants, the variant mortars, an ordinary
// mortar, a product that is not offered, a type caption and the price list's own row.
#pragma once

#include <filesystem>
#include <string>

#include "platform/odbc_sandbox.h"

namespace belvo::test {

// The schema of the maker's database, as the demo data uses it.
std::string KarnoSchema();

// The rows described above, to run after the schema.
std::string KarnoTestRows();

// Creates the database `fileName` in the sandbox from the schema, the test rows and `extra`.
std::filesystem::path CreateKarnoDatabase(const OdbcSandbox& sandbox, const std::string& fileName,
                                          const std::string& extra = "");

}  // namespace belvo::test
