#include "app/startup.h"

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "document/document_fixture.h"

namespace belvo {
namespace {

class StartupTest : public test::DocumentTest {
protected:
    void ConfirmedVersion() { settings.SetString("Setup", "Version", "2016-05-15"); }
};

TEST_F(StartupTest, RefusedSettingsOfANewVersionEndTheProgramBeforeAnyProject)
{
    views.dialogs.settingsAnswers = {false};
    EXPECT_EQ(SpustDokument(doc, ParseDesktopCommandLine({"dům.kar"}), settings), 1);
    EXPECT_EQ(ui.messages.at(0).caption, "Nová verze aplikace");
    EXPECT_EQ(doc.Projekt(), nullptr);
}

TEST_F(StartupTest, WithoutAFileANewProjectStartsAndTheListOfPriceListsIsRepaired)
{
    ConfirmedVersion();
    settings.SetString("Setup", "Ceniky", "CZ-Kč");
    EXPECT_EQ(SpustDokument(doc, ParseDesktopCommandLine({}), settings), std::nullopt);
    ASSERT_NE(doc.Projekt(), nullptr);
    EXPECT_EQ(doc.Cenik().materials.size(), 3u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(settings.GetString("Setup", "Ceniky", ""), "CZ-Kč;");
    EXPECT_TRUE(views.dialogs.settingsCalls.empty());
}

TEST_F(StartupTest, TheNamedProjectFileIsOpened)
{
    ConfirmedVersion();
    const std::string path = WriteProject(test::SampleProject());
    EXPECT_EQ(SpustDokument(doc, ParseDesktopCommandLine({"/Embedding", path}), settings), std::nullopt);
    EXPECT_EQ(doc.PathName(), path);
    EXPECT_EQ(doc.Projekt()->PrvniRadek(), "Dům");

    test::RecordingViews otherViews;
    CBelvoDoc other(Environment(ui), otherViews.Views());
    ui.messages.clear();
    EXPECT_EQ(SpustDokument(other, ParseDesktopCommandLine({dir.File("chybí.kar")}), settings), 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
}

TEST(UkonciSeznamCeniku, AppendsTheMissingSemicolonOnly)
{
    const std::pair<std::optional<std::string>, std::optional<std::string>> cases[] = {
        {std::nullopt, std::nullopt},  // missing: the default ";" needs nothing
        {"CZ-Kč;SK-EUR;", "CZ-Kč;SK-EUR;"},
        {"CZ-Kč", "CZ-Kč;"},
        {"CZ-Kč;SK-EUR", "CZ-Kč;SK-EUR;"},
        {"", ";"},
    };
    for (const auto& [stored, expected] : cases) {
        MemorySettingsStore settings;
        if (stored) settings.SetString("Setup", "Ceniky", *stored);
        UkonciSeznamCeniku(settings);
        EXPECT_EQ(settings.HasKey("Setup", "Ceniky") ? std::optional(settings.GetString("Setup", "Ceniky", "")) : std::nullopt,
                  expected);
    }
}

}  // namespace
}  // namespace belvo
