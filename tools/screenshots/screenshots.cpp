// belvo-screenshots: the desktop program on the demo house, photographed window by window.
//
//   belvo-screenshots BUILD_DATA_DIR OUTPUT_DIR
//
// It runs the real windows over the demo price list and the demo family house of the build (with
// settings of its own in a temporary folder, so the user's settings stay untouched), shows each
// window the way a user meets it and writes what it shows as PNG files into OUTPUT_DIR. Messages
// go to standard error; nothing waits for a person. tools/screenshots.sh runs it under Xvfb.
#include <cstdio>
#include <filesystem>
#include <string>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include "app/command_line.h"
#include "demo_settings.h"
#include "document/belvo_doc.h"
#include "gui/dialogs/dialog_screenshots.h"
#include "gui/summary/summary_screenshots.h"
#include "gui/summary/summary_window_list.h"
#include "gui/main/desktop_session.h"
#include "gui/main/main_form.h"
#include "gui/main/project_tree_model.h"
#include "gui/main/project_tree_view.h"
#include "platform/http_client.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/system_info_qt.h"
#include "platform/unattended_ui.h"

namespace {

// Answers every question as an unattended run would and tells what was asked.
class LoggingUi : public belvo::UnattendedUi {
public:
    belvo::Answer Message(const std::string& text, const std::string& caption, belvo::MessageIcon icon,
                          belvo::MessageButtons buttons) override
    {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return UnattendedUi::Message(text, caption, icon, buttons);
    }
};

class NoWeb : public belvo::HttpClient {
public:
    std::unique_ptr<belvo::HttpResponse> Get(const belvo::HttpRequest&) override
    {
        throw belvo::HttpError(belvo::HttpError::Stage::Send, "belvo-screenshots does not go to the web");
    }
};

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Write(QWidget& widget, const QString& directory, const char* name)
{
    const QString path = QDir(directory).filePath(name);
    const bool written = widget.grab().save(path);
    std::fprintf(stderr, "%s %s\n", written ? "wrote" : "could not write", path.toUtf8().constData());
    return written;
}

// The first tree item with this text, depth first.
belvo::TreeItem ItemNamed(const belvo::ProjectTree& tree, const std::string& text, belvo::TreeItem under = belvo::kNoTreeItem)
{
    for (belvo::TreeItem child : tree.Children(under)) {
        if (tree.Text(child) == text) return child;
        if (const belvo::TreeItem found = ItemNamed(tree, text, child); found != belvo::kNoTreeItem) return found;
    }
    return belvo::kNoTreeItem;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: belvo-screenshots BUILD_DATA_DIR OUTPUT_DIR\n");
        return 2;
    }
    const std::string data = std::filesystem::absolute(argv[1]).string();
    const QString output = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(output);
    QTemporaryDir scratch;

    // Settings of a program set up before: the demo price list is the known, default one.
    belvo::QtSettingsStore settings(QDir(scratch.path()).filePath("Karno.ini").toStdString());
    belvo::ConfigureDemoSettings(settings, data + "/demo.dat");

    LoggingUi ui;
    belvo::QtSystemInfo system;
    belvo::QtShell shell;
    NoWeb web;
    belvo::gui::DesktopSession session(
        belvo::gui::SessionServices{ui, settings, system, shell, web, nullptr, scratch.path().toStdString()});
    belvo::DesktopCommandLine line;
    line.projectFile = data + "/demo-dum.kar";
    if (session.Start(line)) return 1;

    belvo::gui::MainWindow& window = session.Window();
    window.resize(1200, 800);
    window.show();
    Wait(300);
    bool ok = Write(window, output, "main.png");
    ok = Write(window.Form(), output, "project-form.png") && ok;

    // A group's form, opened by a click in the tree.
    belvo::CBelvoDoc& doc = session.Document();
    const belvo::TreeItem group = ItemNamed(doc.Tree(), "Přízemí");
    if (group != belvo::kNoTreeItem) {
        doc.Tree().Select(group);
        doc.ZmenaVyberu(group, doc.ProjectItem());
        Wait(100);
        ok = Write(window, output, "group-form.png") && ok;
    }

    // The settings dialog on the demo price list's tab, and the price-list view with a filter.
    ok = belvo::gui::WriteDialogScreenshots(
             belvo::gui::SettingsDialogEnvironment{ui, settings, scratch.path().toStdString(), system.NumberSeparators()},
             doc.Cenik(), system.NumberSeparators(), output) &&
         ok;

    // The summary window of the whole house (both tabs) and the print preview of its report.
    doc.OnPrehledCelkem();
    Wait(300);
    ok = belvo::gui::WriteSummaryScreenshots(window.Summaries(), output) && ok;
    return ok ? 0 : 1;
}
