// The start-up of the desktop program on a fresh settings store: the new-version message, then
// the settings dialog; leaving it other than with OK ends the program with exit code 1.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimer>

#include "app/command_line.h"
#include "app/startup.h"
#include "gui/desktop_fixture.h"
#include "settings/settings_keys.h"

namespace belvo::gui::test {
namespace {

class FreshStart : public SessionTest {
protected:
    FreshStart() { MakeSession(); }

    // Starts on the demo house; every settings dialog that opens meanwhile is closed with its
    // "OK" button (confirm) or with "&Storno". Returns the exit code of the start.
    std::optional<int> StartAnswering(bool confirm)
    {
        QTimer answering;
        answering.setInterval(20);
        QObject::connect(&answering, &QTimer::timeout, [confirm] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr) return;
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == (confirm ? "OK" : "&Storno")) {
                    button->click();
                    return;
                }
        });
        answering.start();
        DesktopCommandLine line;
        line.projectFile = DemoHouse();
        return session->Start(line);
    }
};

TEST_F(FreshStart, LeavingTheSettingsOtherThanWithOkEndsTheProgram)
{
    EXPECT_EQ(StartAnswering(false), std::optional<int>(kExitStartRefused));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.front().caption, "Nová verze aplikace");
    EXPECT_FALSE(settings.HasKey("Setup", "Version"));
    EXPECT_TRUE(session->Document().PathName().empty());  // the project was not opened
}

TEST_F(FreshStart, ConfirmingTheSettingsGoesOnToTheProject)
{
    EXPECT_EQ(StartAnswering(true), std::nullopt);
    EXPECT_EQ(ReadText(settings, keys::Version, "0"), "2016-05-15");
    EXPECT_EQ(session->Document().PathName(), DemoHouse());
}

}  // namespace
}  // namespace belvo::gui::test
