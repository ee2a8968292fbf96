// The desktop program on the demo house, for widget tests: the real session (main window, tree,
// form area, document) with a scripted user, settings in memory (configured so that no start-up
// dialog appears), a recording shell and no web.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <QApplication>
#include <QTest>

#include "app/command_line.h"
#include "demo_settings.h"
#include "document/belvo_doc.h"
#include "gui/gui_support.h"
#include "gui/main/desktop_session.h"
#include "gui/main/main_form.h"
#include "gui/main/project_tree_model.h"
#include "gui/main/project_tree_view.h"
#include "platform/system_info.h"
#include "settings/memory_settings_store.h"
#include "support/price_list_bed.h"
#include "support/recording_views.h"
#include "support/scripted_ui.h"

namespace belvo::gui::test {

inline std::string DemoHouse() { return std::string(BELVO_BUILD_DIR) + "/data/demo-dum.kar"; }
inline std::string DemoPriceList() { return std::string(BELVO_BUILD_DIR) + "/data/demo.dat"; }

// The session over a scripted user, settings in memory, a fixed system, a recording shell and no
// web; made by the derived fixture once its settings are as it wants them.
class SessionTest : public ::testing::Test {
protected:
    ~SessionTest() override { session.reset(); }
    void MakeSession()
    {
        session = std::make_unique<DesktopSession>(
            SessionServices{ui, settings, system, shell, web, nullptr, std::string(BELVO_BUILD_DIR)});
    }

    ScriptedUi ui;
    MemorySettingsStore settings;
    FixedSystemInfo system;
    belvo::test::RecordingShell shell;
    belvo::test::NoWeb web;
    std::unique_ptr<DesktopSession> session;
};

class DesktopTest : public SessionTest {
protected:
    DesktopTest()
    {
        // Set up before: neither the new-version check nor the registration opens a dialog.
        ConfigureDemoSettings(settings, DemoPriceList());
        MakeSession();
    }

    // Starts on a project file (none: a new project) and shows the window.
    void Start(const std::string& project = DemoHouse())
    {
        DesktopCommandLine line;
        if (!project.empty()) line.projectFile = project;
        ASSERT_FALSE(session->Start(line).has_value());
        Window().show();
        QApplication::setActiveWindow(&Window());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
        Settle(60);  // the project's editor opens a few turns after the set-up
    }

    MainWindow& Window() { return session->Window(); }
    CBelvoDoc& Doc() { return session->Document(); }
    ProjectTreeView& TreeWidget() { return Window().Tree(); }
    ProjectTree& Tree() { return Doc().Tree(); }
    // The first item with this text (depth first); kNoTreeItem when there is none.
    TreeItem ItemNamed(const std::string& text, TreeItem under = kNoTreeItem)
    {
        for (TreeItem child : Tree().Children(under)) {
            if (Tree().Text(child) == text) return child;
            if (const TreeItem found = ItemNamed(text, child); found != kNoTreeItem) return found;
        }
        return kNoTreeItem;
    }
    QRect RectOf(TreeItem item)
    {
        auto* model = static_cast<ProjectTreeModel*>(TreeWidget().model());
        const QModelIndex index = model->IndexOf(item);
        TreeWidget().scrollTo(index);
        return TreeWidget().visualRect(index);
    }
    void Click(TreeItem item)
    {
        QTest::mouseClick(TreeWidget().viewport(), Qt::LeftButton, {}, RectOf(item).center());
        Settle();
    }

};

}  // namespace belvo::gui::test
