#include "model/form_model.h"

#include <cstdio>
#include <stdexcept>

#include "platform/report_failure.h"

namespace belvo {

namespace {

// The second message after a failure inside a field check: the check's message with the
// field's id as its first parameter and no second one.
std::string ValidateFailureText(int id)
{
    char text[96];
    std::snprintf(text, sizeof text, "VM_Validate\n wParam = 0x%0x\n lParam = 0x%0x", static_cast<unsigned>(id), 0u);
    return text;
}

}  // namespace

FormModel::FormModel(std::string title, FormButtons buttons, Ui& ui, Separators separators)
    : m_title(std::move(title)), m_buttons(buttons), m_ui(ui), m_separators(std::move(separators))
{
}

FormModel::~FormModel() = default;

const FormField& FormModel::Field(int id) const
{
    for (const FormField& field : m_fields)
        if (field.id == id) return field;
    throw std::out_of_range("the form has no field " + std::to_string(id));
}

FormField& FormModel::Field(int id) { return const_cast<FormField&>(static_cast<const FormModel&>(*this).Field(id)); }

bool FormModel::HasField(int id) const
{
    for (const FormField& field : m_fields)
        if (field.id == id) return true;
    return false;
}

FormField& FormModel::AddField(int id, FieldKind kind, std::string label)
{
    if (HasField(id)) throw std::logic_error("the form has field " + std::to_string(id) + " twice");
    FormField& field = m_fields.emplace_back();
    field.id = id;
    field.kind = kind;
    field.label = std::move(label);
    return field;
}

FormOutcome FormModel::Open()
{
    try {
        if (BeforeOpen() == FormOutcome::Delete) return FormOutcome::Delete;
        Load();
    } catch (const std::exception& failure) {
        ReportOwnMessage(m_ui, failure);
    } catch (...) {
        m_ui.Message(kUnknownFailureText, kApplicationTitle, MessageIcon::Error);
    }
    return FormOutcome::Done;
}

bool FormModel::Validate(int id)
{
    try {
        return CheckField(id);
    } catch (const std::exception& failure) {
        ReportOwnMessage(m_ui, failure);
    } catch (...) {
        m_ui.Message(kUnknownFailureText, kApplicationTitle, MessageIcon::Error);
    }
    // A check that failed by itself does not hold the user in the field.
    m_ui.Message(ValidateFailureText(id), "Chyba", MessageIcon::None);
    return true;
}

void FormModel::Activate(int id)
{
    try {
        // A clicked radio button is the checked one of its group.
        if (HasField(id) && Field(id).kind == FieldKind::Radio) {
            const int group = Field(id).group;
            for (FormField& field : m_fields)
                if (field.kind == FieldKind::Radio && field.group == group) field.checked = field.id == id;
        }
        OnActivate(id);
    } catch (const std::exception& failure) {
        ReportOwnMessage(m_ui, failure);
    } catch (...) {
        m_ui.Message(kUnknownFailureText, kApplicationTitle, MessageIcon::Error);
    }
}

FormOutcome FormModel::Save(std::optional<int> lastField)
{
    try {
        bool valid = !lastField || !HasField(*lastField) || CheckField(*lastField);
        for (std::size_t i = 0; valid && i < m_fields.size(); ++i) valid = CheckField(m_fields[i].id);
        if (!valid) {
            // Only a form of an element can offer to delete it; a dialog simply stays open.
            if (Item() == kNoTreeItem) return FormOutcome::Refused;
            return m_ui.Message(kInvalidFormQuestion, kValidationCaption, MessageIcon::Error,
                                MessageButtons::OkCancel) == Answer::Ok
                       ? FormOutcome::Delete
                       : FormOutcome::Refused;
        }
        return Store();
    } catch (const std::exception& failure) {
        ReportOwnMessage(m_ui, failure);
    } catch (...) {
        m_ui.Message(kUnknownFailureText, kApplicationTitle, MessageIcon::Error);
    }
    // A save that failed by itself counts as done, so the user is not held in a broken form.
    return FormOutcome::Done;
}

void FormModel::Back()
{
    try {
        Load();
    } catch (const std::exception& failure) {
        ReportOwnMessage(m_ui, failure);
    } catch (...) {
        m_ui.Message(kUnknownFailureText, kApplicationTitle, MessageIcon::Error);
    }
}

bool FormModel::CheckField(int) { return true; }

void FormModel::OnActivate(int) {}

FormOutcome FormModel::AskDelete(const std::string& text)
{
    return m_ui.Message(text, kValidationCaption, MessageIcon::Error, MessageButtons::OkCancel) == Answer::Ok
               ? FormOutcome::Delete
               : FormOutcome::Refused;
}

FormOutcome FormModel::RefuseEmptyMaterialList()
{
    m_ui.Message(kEmptyMaterialListText, "Chyba", MessageIcon::Error);
    return FormOutcome::Delete;
}

bool FormModel::Tell(const std::string& text, MessageIcon icon)
{
    m_ui.Message(text, kValidationCaption, icon);
    return false;
}

CCislo FormModel::Number(int id) const
{
    const FormField& field = Field(id);
    return CCislo::Parse(field.text, m_separators);
}

void FormModel::SetNumber(int id, CCislo value)
{
    FormField& field = Field(id);
    if (value.IsNull()) {
        field.text.clear();
        return;
    }
    value.SetScale(field.decimals, true);
    field.text = value.Format(m_separators, field.grouping ? CCislo::kGroupThousands : 0, field.decimals);
}

bool IsNumberFieldText(const std::string& text, const Separators& separators)
{
    const auto startsWith = [&](std::size_t pos, const std::string& what) {
        return !what.empty() && text.compare(pos, what.size(), what) == 0;
    };
    std::size_t pos = 0;
    bool anything = false;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c >= '0' && c <= '9') {
            ++pos;
        } else if (c == '-' && !anything) {
            ++pos;
        } else if (c == ' ') {
            ++pos;
            continue;  // blanks do not end the place of the sign
        } else if (startsWith(pos, separators.decimal)) {
            pos += separators.decimal.size();
        } else if (startsWith(pos, separators.thousands)) {
            pos += separators.thousands.size();
        } else {
            return false;
        }
        anything = true;
    }
    return true;
}

std::string WithoutMnemonic(const std::string& label)
{
    std::string text;
    text.reserve(label.size());
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&') {
            if (i + 1 < label.size() && label[i + 1] == '&') {
                text += '&';
                ++i;
            }
            continue;
        }
        text += label[i];
    }
    return text;
}

}  // namespace belvo
