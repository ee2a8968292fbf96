// The editing forms without their widgets. A form model describes its fields in tab order (kind,
// label with its mnemonic, decimals, enabled and visible state, the text the user typed) and
// carries the behaviour of the form: loading the values ("&Zpět"), checking one field as the
// user leaves it, reacting to buttons, check boxes and lists, and saving with the check of every
// field and the form's final check. One generic view in the desktop program renders any form
// model and drives it; tests drive the models directly with a scripted Ui.
//
// The protocol the view follows:
// - Open() once when the form is shown (it loads the values); an answer of kDelete means the
//   element cannot be edited (no material of its kind) and is to be removed again.
// - Validate(id) when the focus leaves field `id` for another control of the same form, except
//   for the back button; false means the user has been told and the focus goes back to the field.
// - Activate(id) when a button is pressed, a check box or radio button is clicked, or a list or
//   tab selection changes.
// - Save() on the save button and when the form is asked to close; Back() on the back button.
// After each call the view shows the fields again: a model may change any field's text, list,
// state or visibility in any of them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "foundation/decimal.h"
#include "model/tree_model.h"
#include "platform/ui.h"

namespace belvo {

enum class FieldKind {
    Text,           // one line of text
    MultiLineText,  // several lines of text
    Number,         // a decimal: `decimals` places, thousands grouped when `grouping`
    CheckBox,       // `checked`; the label is the box's own text
    Radio,          // `checked`; radio buttons of the same `group` exclude one another
    Choice,         // a drop-down list of `entries` without free text; `selected`
    CheckList,      // a list of `entries`, each with its own check (`checks`)
    List,           // a list of `entries` to pick one from; `selected`
    Tabs,           // a tab bar of `entries`, `selected`; the fields after it form its page
    ReadOnly,       // a text the user cannot change
    Button,         // a push button; the label is its text
};

struct FormField {
    int id = 0;
    FieldKind kind = FieldKind::Text;
    std::string label;  // the label's text with its '&' mnemonic; empty for none
    std::string unit;   // a text after the field ("%", "km", a currency); empty for none
    // The name a screen reader gives the control when its label does not say what it does (a
    // "..." button); empty: the label without its mnemonic.
    std::string accessibleName;
    int decimals = 0;
    bool grouping = false;
    bool enabled = true;
    bool visible = true;
    // A text the user can read and select but not change (a multi-line text shown for reading).
    bool readOnly = false;

    std::string text;                    // what the field shows (and the user typed)
    bool checked = false;                // check box, radio button
    int group = 0;                       // radio buttons: the group they belong to
    std::vector<std::string> entries;    // lists and tabs
    std::vector<bool> checks;            // check list: one per entry
    int selected = -1;                   // lists and tabs: the selected entry, -1 for none

    // Layout: a field with a section title starts a titled box that holds it and the fields
    // after it up to the next section (an empty title after a section ends the box); a field
    // `besidePrevious` stands on the same line as the one before it.
    std::optional<std::string> section;
    bool besidePrevious = false;
};

// The roles of the form's own buttons, which the view treats specially.
enum class FormButtons {
    SaveBack,  // "&Ulož" and "&Zpět": a form in the main window beside the tree
    OkCancel,  // "OK" and "&Storno": a modal dialog
    None,      // a page that only shows what it holds: no buttons of its own
};

inline constexpr const char* kSaveButtonText = "&Ulož";
inline constexpr const char* kBackButtonText = "&Zpět";
inline constexpr const char* kValidationCaption = "Validace";
inline constexpr const char* kInvalidFormQuestion = "Položky zatím nejsou správně vyplněny.\nZrušit ?";
inline constexpr const char* kEmptyMaterialListText = "Nahraný ceník neobsahuje žádný materiál vybraného druhu";
inline constexpr const char* kNoMaterialChosenText = "Nebyl vybrán žádný materiál";

// What Open and Save lead to.
enum class FormOutcome {
    Done,     // opened, or saved
    Refused,  // not saved: the user has been told; the form stays open
    Delete,   // the element is to be deleted (the user agreed, or it cannot be edited)
};

class FormModel {
public:
    FormModel(std::string title, FormButtons buttons, Ui& ui, Separators separators);
    virtual ~FormModel();
    FormModel(const FormModel&) = delete;
    FormModel& operator=(const FormModel&) = delete;

    // The window title of a dialog, or an accessible name of a form in the main window.
    const std::string& Title() const { return m_title; }
    FormButtons Buttons() const { return m_buttons; }
    // The tree item of the element the form edits (it changes when the element is moved);
    // kNoTreeItem for a dialog that edits no element.
    TreeItem Item() const { return m_item != nullptr ? *m_item : kNoTreeItem; }

    const std::vector<FormField>& Fields() const { return m_fields; }
    // The field with this id; std::out_of_range for an unknown id.
    const FormField& Field(int id) const;
    FormField& Field(int id);
    bool HasField(int id) const;

    // The view's entry points (see the top of this file). Every failure inside them is reported
    // and leaves the form open.
    FormOutcome Open();
    bool Validate(int id);
    void Activate(int id);
    // Checks `lastField` (the field the user left or clicked last, when there is one) and then
    // every field in tab order; the first bad one stops the save with the question whether the
    // element is to be deleted (forms of an element only). Then the values go into the edited
    // object and the form's final check runs.
    FormOutcome Save(std::optional<int> lastField = std::nullopt);
    void Back();

    // Numbers as the fields show them: rounded to the field's decimals and written with the
    // locale's separators; a null number is the empty text. Reading parses the typed text.
    CCislo Number(int id) const;
    void SetNumber(int id, CCislo value);
    const Separators& NumberSeparators() const { return m_separators; }

protected:
    // Describes a field; call in tab order from the constructor of the concrete form.
    FormField& AddField(int id, FieldKind kind, std::string label);
    // The form edits the element whose tree item is `item` (the element's own hItem).
    void SetItem(const TreeItem& item) { m_item = &item; }
    Ui& GetUi() const { return m_ui; }

    // The concrete form: fills the fields from the edited object (and refills its lists).
    virtual void Load() = 0;
    // Checks one field; false after telling the user (message with the caption "Validace").
    // Fields without a check answer true.
    virtual bool CheckField(int id);
    // A button was pressed, a box clicked, a selection changed.
    virtual void OnActivate(int id);
    // Takes the values into the edited object and applies the final check; Refused or Delete
    // (after asking with AskDelete) when the final check fails.
    virtual FormOutcome Store() = 0;
    // Called by Open before Load: kDelete when the form cannot be used at all.
    virtual FormOutcome BeforeOpen() { return FormOutcome::Done; }

    // The final check's question, `text` being the value and its wording: OK → Delete, Cancel →
    // Refused.
    FormOutcome AskDelete(const std::string& text);
    // For BeforeOpen of a form whose material list came out empty: tells the user that the price
    // list has no material of the element's kind, and the element is removed again.
    FormOutcome RefuseEmptyMaterialList();
    // A message with the caption "Validace"; returns false so that checks can `return Tell(...)`.
    bool Tell(const std::string& text, MessageIcon icon);

private:
    std::string m_title;
    FormButtons m_buttons;
    Ui& m_ui;
    Separators m_separators;
    const TreeItem* m_item = nullptr;
    std::vector<FormField> m_fields;
};

// Whether `text` may stand in a number field while the user types: digits, the locale's
// separators, blanks and one leading minus sign, nothing else.
bool IsNumberFieldText(const std::string& text, const Separators& separators);

// The text of a label without its mnemonic marks ("&Ulož" → "Ulož", "R&&D" → "R&D"): the
// accessible name of the control the label names.
std::string WithoutMnemonic(const std::string& label);

}  // namespace belvo
