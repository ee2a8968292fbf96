// The pictures of the settings dialog and of the price-list view over the demo price list that
// the build makes. Set BELVO_SCREENSHOT_DIR to keep them for looking at.
#include "gui/dialogs/dialog_screenshots.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include "app/persistent_classes.h"
#include "settings/memory_settings_store.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace belvo::gui {
namespace {

TEST(DialogScreenshots, TheSettingsDialogAndThePriceListViewOfTheDemoPriceList)
{
    const PriceList demo = ReadPriceListFile(std::string(BELVO_BUILD_DIR) + "/data/demo.dat", PersistentClasses());
    ASSERT_FALSE(demo.materials.empty());
    belvo::test::TempDir scratch;
    const QString kept = qEnvironmentVariable("BELVO_SCREENSHOT_DIR");
    const QString directory = kept.isEmpty() ? QString::fromStdString(scratch.Path().string()) : kept;
    QDir().mkpath(directory);

    ScriptedUi ui;
    MemorySettingsStore settings;
    ASSERT_TRUE(WriteDialogScreenshots({ui, settings, scratch.Path().string(), Separators{}}, demo, Separators{},
                                       directory));
    for (const char* name : {"settings.png", "price-list.png"}) {
        const QImage picture(QDir(directory).filePath(name));
        EXPECT_GT(picture.width(), 400) << name;
        EXPECT_GT(picture.height(), 300) << name;
    }
    EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace belvo::gui
