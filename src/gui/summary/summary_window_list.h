// The application's summary windows: each shown proposal in a top-level window of its own, the
// most recent first. The document opens them through its SummaryWindows interface, asks them
// before another project replaces this one, and closes them with the project.
#pragma once

#include <cstddef>
#include <vector>

#include <QObject>

#include "document/document_views.h"

class QMainWindow;

namespace belvo {
class CBelvoDoc;
class SettingsStore;
class Shell;
class SystemInfo;
class Ui;
}  // namespace belvo

namespace belvo::gui {

class SummaryWindow;

struct SummaryEnvironment {
    Ui& ui;
    SettingsStore& settings;
    const SystemInfo& system;
    Shell& shell;
};

class SummaryWindowList : public QObject, public SummaryWindows {
    Q_OBJECT
public:
    explicit SummaryWindowList(SummaryEnvironment env);
    ~SummaryWindowList() override;

    // The document that proposals are saved into; set after construction (the document is made
    // with this list as one of its views).
    void SetDocument(CBelvoDoc* doc) { m_doc = doc; }

    void Open(SummaryRequest request) override;
    void CloseAll() override;
    bool QueryCloseAll() override;

    std::size_t Count() const;
    // The window at `index`, the most recent first; null past the end.
    QMainWindow* WindowAt(std::size_t index) const;

private:
    void Forget(QObject* window);

    SummaryEnvironment m_env;
    CBelvoDoc* m_doc = nullptr;
    // Open windows; each one leaves the list as it is destroyed.
    std::vector<SummaryWindow*> m_windows;
};

}  // namespace belvo::gui
