#include <gtest/gtest.h>

#include "app/recent_files.h"
#include "settings/memory_settings_store.h"

namespace belvo {
namespace {

using Files = std::vector<std::string>;

TEST(RecentFiles, NewestFirstFourAtMostWithoutRepeats)
{
    MemorySettingsStore settings;
    EXPECT_TRUE(ReadRecentFiles(settings).empty());
    for (const char* path : {"/a.kar", "/b.kar", "/c.kar", "/d.kar", "/e.kar"}) AddRecentFile(settings, path);
    EXPECT_EQ(ReadRecentFiles(settings), (Files{"/e.kar", "/d.kar", "/c.kar", "/b.kar"}));

    AddRecentFile(settings, "/c.kar");  // opened again: moves to the head
    EXPECT_EQ(ReadRecentFiles(settings), (Files{"/c.kar", "/e.kar", "/d.kar", "/b.kar"}));
    AddRecentFile(settings, "");
    EXPECT_EQ(ReadRecentFiles(settings).size(), 4u);

    RemoveRecentFile(settings, "/e.kar");
    EXPECT_EQ(ReadRecentFiles(settings), (Files{"/c.kar", "/d.kar", "/b.kar"}));
    EXPECT_FALSE(settings.HasKey(kRecentFilesSection, "File4"));
}

TEST(RecentFiles, HandEditedEntriesAreTidied)
{
    MemorySettingsStore settings;
    settings.SetString(kRecentFilesSection, "File1", "/x.kar");
    settings.SetString(kRecentFilesSection, "File2", "");
    settings.SetString(kRecentFilesSection, "file3", "/x.kar");  // key names ignore case
    settings.SetString(kRecentFilesSection, "File4", "/y.kar");
    EXPECT_EQ(ReadRecentFiles(settings), (Files{"/x.kar", "/y.kar"}));
}

}  // namespace
}  // namespace belvo
