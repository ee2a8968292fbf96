#include "support/scripted_ui.h"

#include "platform/unattended_ui.h"

namespace belvo {

namespace {
template <class T>
std::optional<T> Take(std::deque<std::optional<T>>& queue)
{
    if (queue.empty()) return std::nullopt;
    std::optional<T> value = std::move(queue.front());
    queue.pop_front();
    return value;
}
}  // namespace

Answer ScriptedUi::Message(const std::string& text, const std::string& caption, MessageIcon icon,
                           MessageButtons buttons)
{
    messages.push_back({text, caption, icon, buttons});
    if (answers.empty()) return UnattendedAnswer(buttons);
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::size_t> ScriptedUi::ChooseFromList(const std::string& title, const std::string& prompt,
                                                      const std::vector<std::string>& lines,
                                                      std::optional<std::size_t> preselected)
{
    listChoices.push_back({title, prompt, lines, preselected});
    if (choices.empty()) return preselected;
    const std::optional<std::size_t> choice = choices.front();
    choices.pop_front();
    return choice;
}

std::size_t ScriptedUi::ChooseHeight(const std::string& prompt, const std::vector<std::string>& lines,
                                     std::size_t preselected)
{
    heightChoices.push_back({"Validace", prompt, lines, preselected});
    if (heights.empty()) return preselected;
    const std::size_t chosen = heights.front();
    heights.pop_front();
    return chosen;
}

std::optional<std::string> ScriptedUi::PromptText(const std::string& title, const std::string&,
                                                  const std::string& initial)
{
    prompts.push_back(title);
    promptInitials.push_back(initial);
    return Take(texts);
}

std::optional<std::string> ScriptedUi::OpenFileName(const std::string& title, const std::string& filter,
                                                    const std::string& initialPath)
{
    prompts.push_back(title);
    fileDialogs.push_back({title, filter, initialPath});
    return Take(fileNames);
}

std::optional<std::string> ScriptedUi::SaveFileName(const std::string& title, const std::string& filter,
                                                    const std::string& initialPath)
{
    prompts.push_back(title);
    fileDialogs.push_back({title, filter, initialPath});
    return Take(fileNames);
}

std::optional<Credentials> ScriptedUi::AskCredentials(const std::string& where)
{
    credentialRequests.push_back(where);
    return Take(credentials);
}

void ScriptedUi::BeginWait()
{
    ++waitDepth;
    ++waitCount;
}

void ScriptedUi::EndWait() { --waitDepth; }

void ScriptedUi::BeginProgress(const std::string& text)
{
    progressTexts.push_back(text);
    ++progressDepth;
}

bool ScriptedUi::ReportProgress(std::uint64_t done, std::uint64_t total)
{
    progressReports.emplace_back(done, total);
    return stopAtReport && progressReports.size() >= *stopAtReport;
}

std::vector<std::string> ScriptedUi::MessageLines() const
{
    std::vector<std::string> lines;
    lines.reserve(messages.size());
    for (const RecordedMessage& m : messages) lines.push_back(m.caption + ": " + m.text);
    return lines;
}

}  // namespace belvo
