#include "gui/main/desktop_session.h"

#include "app/command_line.h"
#include "app/persistent_classes.h"
#include "app/startup.h"
#include "document/belvo_doc.h"

namespace belvo::gui {

DesktopSession::DesktopSession(SessionServices services) : m_services(std::move(services))
{
    m_window = std::make_unique<MainWindow>(WindowEnvironment{m_services.ui, m_services.settings, m_services.system,
                                                              m_services.shell, m_services.startupDirectory});
    m_doc = std::make_unique<CBelvoDoc>(
        DocumentEnvironment{m_services.ui, m_services.settings, m_services.system, PersistentClasses(),
                            m_services.shell, m_services.http, m_services.database, m_services.startupDirectory},
        m_window->Views());
    m_window->AttachDocument(*m_doc);
}

DesktopSession::~DesktopSession()
{
    // The window and its tree model go first; they hold references into the document.
    m_window.reset();
}

std::optional<int> DesktopSession::Start(const DesktopCommandLine& line)
{
    const std::optional<int> exit = SpustDokument(*m_doc, line, m_services.settings);
    if (!exit) m_window->RememberCurrentFile();
    m_window->UpdateCommands();
    return exit;
}

}  // namespace belvo::gui
