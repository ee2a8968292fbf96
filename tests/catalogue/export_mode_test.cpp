#include "catalogue/export_mode.h"

#include <gtest/gtest.h>

namespace belvo {
namespace {

TEST(ExportDataSourceName, TakesTheNameAfterDsnUpToTheNextSemicolon)
{
    struct Case {
        const char* connection;
        const char* name;
    };
    const Case cases[] = {
        {"DSN=Karno;Database=/data/karno.db;", "Karno"},
        {"Driver=X;dsn=Karno CZ;UID=cenik", "Karno CZ"},  // any letter case, any position
        {"DSN=Karno", "Karno"},                            // the last item, no ";" after it
        {"DSN=;Database=x", ""},
        {"DRIVER={SQLite3};Database=/tmp/x.db", "VER={SQLite3}"},  // no DSN: from the fourth character
        {"ab", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ExportDataSourceName(c.connection), c.name) << c.connection;
}

}  // namespace
}  // namespace belvo
