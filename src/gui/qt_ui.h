// The Ui of the desktop program: Qt message boxes, the list choice, text and credential prompts,
// the file dialogs, read-only tables in a dialog of their own and the wait cursor. Dialogs open
// over the active window (the main window when none is active).
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/ui.h"

namespace belvo::gui {

class QtUi : public Ui {
public:
    // `fallbackParent`: the window dialogs open over when no window of the program is active.
    explicit QtUi(QWidget* fallbackParent = nullptr) : m_fallbackParent(fallbackParent) {}
    void SetFallbackParent(QWidget* parent) { m_fallbackParent = parent; }

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

    // The window a dialog opens over.
    QWidget* DialogParent() const;

private:
    QPointer<QWidget> m_fallbackParent;
    int m_waitDepth = 0;
};

}  // namespace belvo::gui
