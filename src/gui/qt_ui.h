// The Ui of the desktop program: Qt message boxes (a long text, such as a server's error page,
// in a scrollable box), the list choice, text and credential prompts, the file dialogs,
// read-only tables in a window of their own, the wait cursor and the progress window of long
// work with "Storno". Dialogs open over the active window (the main window when none is
// active).
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <QWidget>

#include "foundation/decimal.h"
#include "platform/ui.h"

namespace belvo::gui {

class QtUi : public Ui {
public:
    // `fallbackParent`: the window dialogs open over when no window of the program is active.
    explicit QtUi(QWidget* fallbackParent = nullptr);
    ~QtUi() override;
    void SetFallbackParent(QWidget* parent) { m_fallbackParent = parent; }
    // The separators of the numbers in tables (the system locale's unless set).
    void SetNumberSeparators(Separators separators) { m_separators = std::move(separators); }

    Answer Message(const std::string& text, const std::string& caption, MessageIcon icon,
                   MessageButtons buttons = MessageButtons::Ok) override;
    std::optional<std::size_t> ChooseFromList(const std::string& title, const std::string& prompt,
                                              const std::vector<std::string>& lines,
                                              std::optional<std::size_t> preselected) override;
    std::optional<std::string> PromptText(const std::string& title, const std::string& prompt,
                                          const std::string& initial) override;
    std::optional<std::string> OpenFileName(const std::string& title, const std::string& filter,
                                            const std::string& initialPath) override;
    std::optional<std::string> SaveFileName(const std::string& title, const std::string& filter,
                                            const std::string& initialPath) override;
    std::optional<Credentials> AskCredentials(const std::string& where) override;
    void ShowTable(const TableDialog& table) override;
    std::size_t ChooseHeight(const std::string& prompt, const std::vector<std::string>& lines,
                             std::size_t preselected) override;
    void BeginWait() override;
    void EndWait() override;
    void BeginProgress(const std::string& text) override;
    bool ReportProgress(std::uint64_t done, std::uint64_t total) override;
    void EndProgress() override;

    // The window a dialog opens over.
    QWidget* DialogParent() const;
    // The progress window while long work runs (for tests); null otherwise.
    QProgressDialog* ProgressWindow() const { return m_progress.data(); }

    // How long work runs before its progress window shows, and the least time between two
    // updates of it (the work may report far more often).
    static constexpr int kProgressDelayMs = 500;
    static constexpr int kProgressIntervalMs = 50;

private:
    QPointer<QWidget> m_fallbackParent;
    Separators m_separators;
    int m_waitDepth = 0;
    int m_progressDepth = 0;
    QPointer<QProgressDialog> m_progress;
    QElapsedTimer m_sinceUpdate;
};

}  // namespace belvo::gui
