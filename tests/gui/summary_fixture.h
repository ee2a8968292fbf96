// The fixture of the summary-window tests: a document over the demo house (the build's
// data/demo-dum.kar) whose summary windows are the real SummaryWindowList, a scripted user,
// settings in memory and a fixed clock; and an engine twin of a window, a second CPrehledForm
// over a copy of the window's proposal, that receives the same edits, so a test can say that
// the window shows exactly the engine's numbers.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include <QAbstractItemModel>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/persistent_classes.h"
#include "document/belvo_doc.h"
#include "gui/gui_support.h"
#include "gui/qt_text.h"
#include "gui/summary/summary_table_model.h"
#include "gui/summary/summary_table_view.h"
#include "gui/summary/summary_window.h"
#include "gui/summary/summary_window_list.h"
#include "platform/system_info.h"
#include "proposal/navrh.h"
#include "proposal/prehled_form.h"
#include "settings/memory_settings_store.h"
#include "support/price_list_bed.h"
#include "support/recording_views.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace belvo::gui::test {

inline std::string DemoHouse() { return std::string(BELVO_BUILD_DIR) + "/data/demo-dum.kar"; }

class SummaryWindowTest : public ::testing::Test {
protected:
    SummaryWindowTest() { list.SetDocument(&doc); }
    ~SummaryWindowTest() override { list.CloseAll(); }

    // Opens the demo house and shows the proposal of the whole project.
    SummaryWindow& OpenDemoProposal()
    {
        EXPECT_TRUE(doc.OnOpenDocument(DemoHouse()));
        doc.OnPrehledCelkem();
        // What opening and computing told the user is not what the tests look at.
        ui.messages.clear();
        return Window();
    }
    SummaryWindow& Window(std::size_t index = 0)
    {
        auto* window = qobject_cast<SummaryWindow*>(list.WindowAt(index));
        EXPECT_NE(window, nullptr);
        return *window;
    }
    // Shows the window and makes it the active one, so that focus changes happen as for a user.
    void Activate(SummaryWindow& window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The engine twin of a window: the same proposal as the window holds it now.
    std::unique_ptr<CPrehledForm> Twin(SummaryWindow& window)
    {
        const CPrehledForm& shown = window.Form();
        auto twin = std::make_unique<CPrehledForm>(std::make_unique<CNavrh>(shown.Navrh()), shown.Project(),
                                                   PrehledEnvironment{twinUi, settings, system, shell, dir.Path().string(), {}});
        twin->Otevri(false);
        return twin;
    }

    belvo::ScriptedUi ui;
    belvo::ScriptedUi twinUi;
    MemorySettingsStore settings;
    FixedSystemInfo system;
    belvo::test::RecordingShell shell;
    belvo::test::RecordingMainForm mainForm;
    belvo::test::RecordingTreeView treeView;
    belvo::test::RecordingDialogs dialogs;
    belvo::test::NoWeb web;
    belvo::test::TempDir dir;
    SummaryWindowList list{SummaryEnvironment{ui, settings, system, shell}};
    CBelvoDoc doc{DocumentEnvironment{ui, settings, system, PersistentClasses(), shell, web, nullptr, dir.Path().string()},
                  DocumentViews{mainForm, treeView, list, dialogs}};
};

// Every cell of a table as the view's model shows it equals the engine's cell.
inline void ExpectTableShows(const QAbstractItemModel& shown, const TableModel& engine, const char* which)
{
    SCOPED_TRACE(which);
    ASSERT_EQ(shown.rowCount(), engine.LastRow());
    ASSERT_EQ(shown.columnCount(), engine.ColumnCount());
    for (int row = 0; row < shown.rowCount(); ++row)
        for (int column = 0; column < shown.columnCount(); ++column) {
            const QModelIndex index = shown.index(row, column);
            EXPECT_EQ(Us(index.data().toString()), engine.Text(row + 1, column)) << "row " << row + 1 << " column " << column;
            const TableCell& cell = engine.Cell(row + 1, column);
            const QVariant background = index.data(Qt::BackgroundRole);
            if (cell.background == kTableBackground)
                EXPECT_FALSE(background.isValid()) << "row " << row + 1 << " column " << column;
            else
                EXPECT_EQ(background.value<QColor>(), BgrColor(cell.background)) << "row " << row + 1 << " column " << column;
        }
}

// The window's tables and number fields show what the engine twin holds.
inline void ExpectWindowShows(SummaryWindow& window, const CPrehledForm& engine)
{
    ExpectTableShows(*window.ItemTable()->model(), engine.Summary().Items(), "materiál");
    ExpectTableShows(*window.PalletTable()->model(), engine.Summary().Pallets(), "obaly");
    const PrehledTexts texts = engine.Texts();
    using F = SummaryWindow::Field;
    const std::pair<F, const std::string*> fields[] = {
        {F::Dph, &texts.dph},           {F::Sleva, &texts.sleva},         {F::Zbozi, &texts.zbozi},
        {F::CenaZbozi, &texts.cenaZbozi}, {F::Ztrata, &texts.ztrata},       {F::Obaly, &texts.obaly},
        {F::CenaObalu, &texts.cenaObalu}, {F::CenaDopravy, &texts.cenaDopravy},
    };
    for (const auto& [field, text] : fields)
        EXPECT_EQ(Us(window.NumberField(field)->text()), *text) << window.NumberField(field)->accessibleName().toStdString();
}

// The cells (0-based, as the views count) that the spied dataChanged signals named.
inline std::set<std::pair<int, int>> CellsNamedBy(const QSignalSpy& spy)
{
    std::set<std::pair<int, int>> cells;
    for (const QList<QVariant>& signal : spy) {
        const auto from = signal.at(0).value<QModelIndex>();
        const auto to = signal.at(1).value<QModelIndex>();
        for (int row = from.row(); row <= to.row(); ++row)
            for (int column = from.column(); column <= to.column(); ++column) cells.insert({row, column});
    }
    return cells;
}

// Types into a cell as a user does: the cell is made current, the first key starts the editor,
// the rest goes into it, and `end` (Enter, Tab, Esc) ends the edit.
inline void TypeIntoCell(SummaryTableView& table, int row, int column, const QString& text, Qt::Key end = Qt::Key_Return)
{
    table.setCurrentIndex(table.model()->index(row - 1, column));
    QTest::sendKeyEvent(QTest::Click, &table, Qt::Key_unknown, text.left(1), Qt::NoModifier);
    QWidget* editor = table.indexWidget(table.currentIndex());
    ASSERT_NE(editor, nullptr) << "typing did not start editing";
    TypeText(editor, text.mid(1));
    if (end == Qt::Key_unknown) return;
    QTest::keyClick(editor, end);
    // The delegate commits after the key has been handled.
    QApplication::processEvents();
}

// Runs `work` on the modal dialog that the next command opens (the first one of the class
// `className`, when given), then lets the command go on. A dialog left open is closed after a
// while, so a failing test cannot hang.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(QDialog&)> work, const char* className = nullptr)
        : m_work(std::move(work)), m_className(className)
    {
        QTimer::singleShot(0, &m_context, [this] { Poll(); });
    }
    ~ModalDriver()
    {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    }
    bool Ran() const { return m_ran; }

private:
    void Poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || (m_className != nullptr && !dialog->inherits(m_className))) {
            if (++m_polls < 500) QTimer::singleShot(10, &m_context, [this] { Poll(); });
            return;
        }
        m_ran = true;
        m_work(*dialog);
        if (dialog->isVisible()) QTimer::singleShot(3000, dialog, [dialog] { dialog->reject(); });
    }

    std::function<void(QDialog&)> m_work;
    const char* m_className;
    QObject m_context;
    int m_polls = 0;
    bool m_ran = false;
};

}  // namespace belvo::gui::test
