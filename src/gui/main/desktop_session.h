// The desktop program put together: the main window with its views, the document over them,
// and the start-up of the document. The program makes one session; the widget tests make theirs
// with a scripted user and settings in memory.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "gui/main/main_window.h"

namespace belvo {
class CBelvoDoc;
class Database;
class HttpClient;
struct DesktopCommandLine;
}  // namespace belvo

namespace belvo::gui {

struct SessionServices {
    Ui& ui;
    SettingsStore& settings;
    const SystemInfo& system;
    Shell& shell;
    HttpClient& http;
    Database* database = nullptr;  // the maker's database; none where there is no driver manager
    std::string startupDirectory;
};

class DesktopSession {
public:
    explicit DesktopSession(SessionServices services);
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // The document's start-up: the settings tidy-up and the new-version check, the project named
    // on the command line or a new one, the repair of the list of price lists. Returns the exit
    // code when the program must end at once; none when the window is to be shown.
    std::optional<int> Start(const DesktopCommandLine& line);

    MainWindow& Window() { return *m_window; }
    CBelvoDoc& Document() { return *m_doc; }

private:
    SessionServices m_services;
    // The document outlives the window, whose tree model observes the document's tree.
    std::unique_ptr<CBelvoDoc> m_doc;
    std::unique_ptr<MainWindow> m_window;
};

}  // namespace belvo::gui
