// Test doubles of the windows that show the document: they record what the document asks of
// them and answer from fields a test sets.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "document/document_views.h"
#include "platform/shell.h"
#include "proposal/navrh.h"

namespace belvo::test {

class RecordingMainForm : public MainFormView {
public:
    // Answers of MayCloseEditor, front first; true when the queue is empty.
    std::deque<bool> mayClose;
    CObject* editor = nullptr;  // the object whose editor is open
    int closeQuestions = 0;
    int refreshes = 0;
    std::vector<CObject*> opened;

    bool MayCloseEditor() override
    {
        ++closeQuestions;
        bool answer = true;
        if (!mayClose.empty()) {
            answer = mayClose.front();
            mayClose.pop_front();
        }
        if (answer) editor = nullptr;
        return answer;
    }
    void CloseEditor() override { editor = nullptr; }
    void OpenEditor(CObject& object) override
    {
        editor = &object;
        opened.push_back(&object);
    }
    void Refresh() override { ++refreshes; }
};

class RecordingTreeView : public TreeView {
public:
    int redraws = 0;
    int setups = 0;
    int beeps = 0;
    void Redraw() override { ++redraws; }
    void FinishSetup() override { ++setups; }
    void Beep() override { ++beeps; }
};

class RecordingSummaries : public SummaryWindows {
public:
    std::vector<SummaryRequest> open;
    int closeAlls = 0;
    // Answers of QueryCloseAll, front first; true when the queue is empty.
    std::deque<bool> queryAnswers;
    int queries = 0;
    void Open(SummaryRequest request) override { open.push_back(std::move(request)); }
    void CloseAll() override
    {
        ++closeAlls;
        open.clear();
    }
    bool QueryCloseAll() override
    {
        ++queries;
        if (queryAnswers.empty()) return true;
        const bool answer = queryAnswers.front();
        queryAnswers.pop_front();
        return answer;
    }
};

class RecordingDialogs : public DocumentDialogs {
public:
    std::deque<bool> settingsAnswers;  // true (OK) when empty
    struct SettingsCall {
        std::string presetSection;
        std::string connection;
    };
    std::vector<SettingsCall> settingsCalls;
    std::vector<std::string> importReports;

    bool ShowSettings(const std::string& presetSection, const std::string& connection) override
    {
        settingsCalls.push_back({presetSection, connection});
        if (settingsAnswers.empty()) return true;
        const bool answer = settingsAnswers.front();
        settingsAnswers.pop_front();
        return answer;
    }
    void ShowImportReport(const std::string& text) override { importReports.push_back(text); }
};

class RecordingShell : public Shell {
public:
    int calculators = 0;
    std::vector<std::string> viewed;
    bool OpenInViewer(const std::string& path) override
    {
        viewed.push_back(path);
        return true;
    }
    bool StartCalculator() override
    {
        ++calculators;
        return true;
    }
};

struct RecordingViews {
    RecordingMainForm mainForm;
    RecordingTreeView treeView;
    RecordingSummaries summaries;
    RecordingDialogs dialogs;

    DocumentViews Views() { return DocumentViews{mainForm, treeView, summaries, dialogs}; }
};

}  // namespace belvo::test
