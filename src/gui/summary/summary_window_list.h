// The summary windows of the program, one top-level window per shown proposal, most recent first.
#pragma once

#include <memory>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "document/document_views.h"

namespace belvo {
class CBelvoDoc;
class SettingsStore;
class Shell;
class SystemInfo;
class Ui;
}  // namespace belvo

namespace belvo::gui {

struct SummaryEnvironment {
    Ui& ui;
    SettingsStore& settings;
    const SystemInfo& system;
    Shell& shell;
};

class SummaryWindowList : public SummaryWindows {
public:
    explicit SummaryWindowList(SummaryEnvironment env);
    ~SummaryWindowList() override;
    void SetDocument(CBelvoDoc* doc) { m_doc = doc; }

    void Open(SummaryRequest request) override;
    void CloseAll() override;
    bool QueryCloseAll() override { return true; }
    std::size_t Count() const;
    QMainWindow* WindowAt(std::size_t index) const;

private:
    SummaryEnvironment m_env;
    CBelvoDoc* m_doc = nullptr;
    std::vector<QPointer<QMainWindow>> m_windows;
};

}  // namespace belvo::gui
