// What the document asks of the windows that show it. The desktop program implements these
// with its main form, tree view, summary windows and dialogs; tests record the requests. The
// project tree itself is the engine's ProjectTree, which the document changes directly and the
// tree view mirrors.
#pragma once

#include <memory>
#include <string>

#include "proposal/output_source.h"

namespace belvo {

class CObject;
class CNavrh;

// The main form: the area beside the tree that shows the editing form of one element.
class MainFormView {
public:
    virtual ~MainFormView() = default;
    // Asks the open editor to close: it validates its fields and saves them, and refuses when a
    // field is invalid (it has told the user). True when it closed, or when none was open.
    virtual bool MayCloseEditor() = 0;
    // Closes the open editor without asking; nothing is saved.
    virtual void CloseEditor() = 0;
    // Opens the editing form of a tree item's object (an element of the project, or a saved
    // proposal's page), replacing the open one.
    virtual void OpenEditor(CObject& object) = 0;
    // Makes the open editor show its object's stored values again.
    virtual void Refresh() = 0;
};

// The tree view over the document's ProjectTree.
class TreeView {
public:
    virtual ~TreeView() = default;
    // The tree has changed: show it again.
    virtual void Redraw() = 0;
    // The document has set the tree up; once the window is ready, the view reports the selected
    // item to the document's selection change, which opens the project's editor.
    virtual void FinishSetup() = 0;
    // The warning sound of a refused selection.
    virtual void Beep() = 0;
};

// What a summary window receives with its proposal.
struct SummaryRequest {
    std::unique_ptr<CNavrh> navrh;  // the window owns it
    ProjectHeader project;          // the project's name, author and creation date
    bool autoRound = false;         // freshly computed: round when the settings ask for it
    bool saved = false;             // a copy of a proposal saved in the project
};

// The application's summary windows, one per shown proposal.
class SummaryWindows {
public:
    virtual ~SummaryWindows() = default;
    virtual void Open(SummaryRequest request) = 0;
    // Closes every open summary window (their proposals are destroyed with them).
    virtual void CloseAll() = 0;
    // Before the windows are closed for another project: every window with edits not yet saved
    // into the project asks whether to save them ("Ano" saves as its "Uložit do projektu" does).
    // False when the user chose "Storno": nothing is to be closed.
    virtual bool QueryCloseAll() { return true; }
};

// The document's modal dialogs and its one modeless report window.
class DocumentDialogs {
public:
    virtual ~DocumentDialogs() = default;
    // The settings dialog ("Konfigurace"), opened on `presetSection` (empty: the default price
    // list) and offering `connection` for the data source. True when the user confirmed it.
    virtual bool ShowSettings(const std::string& presetSection, const std::string& connection) = 0;
    // The modeless window "Nezpracované položky" of the Allplan import with this text, made on
    // first need, its text replaced otherwise, and brought to the front.
    virtual void ShowImportReport(const std::string& text) = 0;
};

struct DocumentViews {
    MainFormView& mainForm;
    TreeView& treeView;
    SummaryWindows& summaries;
    DocumentDialogs& dialogs;
};

}  // namespace belvo
