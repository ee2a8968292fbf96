// The Qt side of what the engine asks the user: the list choice ("Výběr ceníku", the data
// source), the credentials prompt, a server's long error page, the progress window of long work
// with "Storno", and the report window of the Allplan import.
#include "gui/qt_ui.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include "gui/dialogs/import_report_window.h"
#include "gui/gui_support.h"
#include "gui/modal_dialogs.h"

namespace belvo::gui {
namespace {

QStringList ButtonTexts(QWidget* dialog)
{
    QStringList texts;
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->isVisible()) texts << button->text();
    return texts;
}

QPushButton* Button(QWidget* dialog, const QString& text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == text) return button;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

TEST(QtUiChoice, AListBoxAndOkWithTheSelectedLine)
{
    QtUi ui;
    const std::vector<std::string> lines = {"CZ-Kč \tfile: Karno.dat", "SK-EUR \twww: http://ceniky/sk.dat"};

    QStringList buttons;
    QString accessible;
    int preselected = -1;
    test::WhenModal([&](QWidget* dialog) {
        buttons = ButtonTexts(dialog);
        auto* list = dialog->findChild<QListWidget*>();
        accessible = list->accessibleName();
        preselected = list->currentRow();
        list->setCurrentRow(1);
        QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
    });
    EXPECT_EQ(ui.ChooseFromList("Výběr ceníku", "", lines, 0), std::optional<std::size_t>(1));
    EXPECT_EQ(buttons, QStringList{"OK"});
    EXPECT_EQ(accessible, "Výběr ceníku");
    EXPECT_EQ(preselected, 0);

    // Esc leaves it without a choice; a prompt names the list.
    test::WhenModal([&](QWidget* dialog) {
        accessible = dialog->findChild<QListWidget*>()->accessibleName();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(ui.ChooseFromList("Výběr zdroje dat", "Zdroj dat ODBC:", {"Karno (SQLite3)"}, 0), std::nullopt);
    EXPECT_EQ(accessible, "Zdroj dat ODBC:");
}

TEST(QtUiCredentials, ThePasswordIsNotEchoedAndStornoCancels)
{
    QtUi ui;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    test::WhenModal([&](QWidget* dialog) {
        QLineEdit* user = nullptr;
        QLineEdit* password = nullptr;
        for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
            if (edit->accessibleName() == "Uživatel") user = edit;
            if (edit->accessibleName() == "Heslo") password = edit;
        }
        ASSERT_TRUE(user && password);
        echo = password->echoMode();
        test::TypeText(user, "jan");
        test::TypeText(password, "tajné");
        QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
    });
    const std::optional<Credentials> given = ui.AskCredentials("http://ceniky/chranene/cz.dat");
    ASSERT_TRUE(given);
    EXPECT_EQ(given->user, "jan");
    EXPECT_EQ(given->password, "tajné");
    EXPECT_EQ(echo, QLineEdit::Password);

    test::WhenModal([&](QWidget* dialog) { QTest::mouseClick(Button(dialog, "Storno"), Qt::LeftButton); });
    EXPECT_EQ(ui.AskCredentials("proxy server pro http://ceniky/cz.dat"), std::nullopt);
}

TEST(QtUiMessage, AServersLongErrorPageScrollsInItsOwnBox)
{
    QtUi ui;
    const std::string page(5000, 'x');
    QString shown;
    QString title;
    test::WhenModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        auto* text = dialog->findChild<QPlainTextEdit*>();
        ASSERT_NE(text, nullptr);
        EXPECT_TRUE(text->isReadOnly());
        shown = text->toPlainText();
        QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
    });
    EXPECT_EQ(ui.Message(page, "error", MessageIcon::None), Answer::Ok);
    EXPECT_EQ(title, "error");
    EXPECT_EQ(shown.size(), 5000);

    // A short text is an ordinary message box with Czech buttons.
    QStringList buttons;
    test::WhenModal([&](QWidget* dialog) {
        buttons = ButtonTexts(dialog);
        buttons.sort();
        QTest::mouseClick(Button(dialog, "&Ne"), Qt::LeftButton);
    });
    EXPECT_EQ(ui.Message("Zapsat změny ?", "Uložit?", MessageIcon::Question, MessageButtons::YesNo), Answer::No);
    EXPECT_EQ(buttons, (QStringList{"&Ano", "&Ne"}));
}

TEST(QtUiProgress, TheWindowShowsAfterAMomentAndStornoStopsTheWork)
{
    QtUi ui;
    ui.BeginProgress("Stahování ceníku z internetu ...");
    QProgressDialog* progress = ui.ProgressWindow();
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(ui.ReportProgress(10, 100));
    EXPECT_FALSE(progress->isVisible()) << "not for work of a moment";
    EXPECT_EQ(progress->labelText(), "Stahování ceníku z internetu ...");

    // Work that goes on: the window appears, with "Storno".
    for (int i = 0; i < 100 && !progress->isVisible(); ++i) {
        QTest::qWait(20);
        EXPECT_FALSE(ui.ReportProgress(20 + i, 0));
    }
    ASSERT_TRUE(progress->isVisible());
    EXPECT_EQ(ButtonTexts(progress), QStringList{"Storno"});
    EXPECT_TRUE(progress->isModal());

    // Nested work shares the window; the user's click stops the work.
    ui.BeginProgress("Načítání ceníku z databáze ...");
    EXPECT_EQ(ui.ProgressWindow(), progress);
    QTest::mouseClick(Button(progress, "Storno"), Qt::LeftButton);
    EXPECT_TRUE(ui.ReportProgress(50, 100));
    ui.EndProgress();
    EXPECT_NE(ui.ProgressWindow(), nullptr);
    ui.EndProgress();
    EXPECT_EQ(ui.ProgressWindow(), nullptr);
    EXPECT_FALSE(ui.ReportProgress(1, 1)) << "no work, nothing to stop";
}

TEST(ImportReport, OneWindowPerOwnerWhoseTextIsReplaced)
{
    QWidget owner;
    owner.show();
    ImportReportWindow* window = ShowImportReport(&owner, "SN KARNO;9999;120;250;5\r\nVĚNCOVKA;1\r\n");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Nezpracované položky");
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->TextView()->isReadOnly());
    EXPECT_EQ(window->TextView()->toPlainText(), "SN KARNO;9999;120;250;5\nVĚNCOVKA;1\n");
    EXPECT_EQ(window->OkButton()->text(), "Ok");

    // "Ok" closes it; the next import's report opens the same window with its own text.
    QTest::mouseClick(window->OkButton(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(ShowImportReport(&owner, "KSP KARNO;X\r\n"), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->TextView()->toPlainText(), "KSP KARNO;X\n");
    EXPECT_EQ(owner.findChildren<ImportReportWindow*>().size(), 1);
}

}  // namespace
}  // namespace belvo::gui
