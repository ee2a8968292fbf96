// The height choice as the Qt dialog shows it: the preselected height, a choice, and Esc, which
// keeps the selected height rather than leaving the form without one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "gui/qt_ui.h"
#include "model/height_choice.h"

namespace belvo::gui {
namespace {

// Runs `act` on the modal dialog once it is shown.
template <class Act>
void WhenShown(Act act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

TEST(HeightChoiceDialog, OffersTheNearestHeightAndKeepsTheSelectionOnEscape)
{
    QtUi ui;
    const std::vector<std::string> offered{" 1000 mm (4 řady)", "  500 mm (2 řady)", "  750 mm (3 řady)"};
    struct Case {
        const char* what;
        int move;  // rows down from the preselected one before the dialog ends
        Qt::Key end;
        CCislo chosen;
    };
    for (const Case& c : {Case{"confirmed as offered", 0, Qt::Key_Return, CCislo(750)},
                          Case{"one lower, then Esc", -1, Qt::Key_Escape, CCislo(500)},
                          Case{"one higher, confirmed", 1, Qt::Key_Return, CCislo(1000)}}) {
        SCOPED_TRACE(c.what);
        std::string title;
        WhenShown([&title, c](QDialog& dialog) {
            title = dialog.windowTitle().toStdString();
            auto* list = dialog.findChild<QListWidget*>();
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->currentItem()->text(), "  750 mm (3 řady)");
            for (int i = 0; i < std::abs(c.move); ++i) QTest::keyClick(list, c.move > 0 ? Qt::Key_Down : Qt::Key_Up);
            QTest::keyClick(list, c.end);
        });
        EXPECT_EQ(ChooseHeight(ui, "Zvolte výšku", offered, CCislo(800), Separators{}), c.chosen);
        EXPECT_EQ(title, "Validace");
    }
}

}  // namespace
}  // namespace belvo::gui
