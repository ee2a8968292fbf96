#include "gui/main/main_form.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "document/belvo_doc.h"
#include "document/document_forms.h"
#include "document/element_commands.h"
#include "gui/forms/form_view.h"
#include "gui/qt_text.h"
#include "platform/report_failure.h"
#include "platform/ui.h"

namespace belvo::gui {

namespace {
constexpr int kFormMaximumWidth = 640;
}  // namespace

MainForm::MainForm(QWidget* parent) : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Window);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);  // the form's own controls take the focus
    setAccessibleName("Formulář");
}

FormView* MainForm::Editor() const { return qobject_cast<FormView*>(widget()); }

bool MainForm::MayCloseEditor()
{
    FormView* editor = Editor();
    if (editor == nullptr) {
        CloseEditor();
        return true;
    }
    if (!editor->RequestClose()) return false;
    CloseEditor();
    return true;
}

void MainForm::CloseEditor()
{
    m_object = nullptr;
    if (QWidget* old = takeWidget()) {
        // The editor may be the one whose signal brought us here: it goes once that is handled.
        old->hide();
        old->deleteLater();
    }
    emit editorChanged();
}

void MainForm::OpenEditor(CObject& object)
{
    CloseEditor();
    if (m_doc == nullptr) return;
    std::unique_ptr<FormModel> model;
    try {
        model = VytvorFormular(*m_doc, object);
    } catch (const std::exception& failure) {
        ReportOwnMessage(m_doc->GetUi(), failure);
        m_doc->GetUi().Message("Nelze otevřít dialog", "Chyba", MessageIcon::Error);
        return;
    }
    m_object = &object;
    if (model == nullptr) {
        // An element without a form of its own shows its label.
        const TreeItem item = m_doc->Tree().Find(&object);
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        auto* label = new QLabel(Qs(m_doc->Tree().Text(item)), page);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->setAccessibleName(Qs(m_doc->Tree().Text(item)));
        layout->addWidget(label);
        layout->addStretch(1);
        setWidget(page);
        emit editorChanged();
        return;
    }
    auto* editor = new FormView(std::move(model));
    // A form keeps a width that reads well; the area beside it stays empty.
    editor->setMaximumWidth(kFormMaximumWidth);
    connect(editor, &FormView::deleteRequested, this, &MainForm::DeleteElement);
    setWidget(editor);
    emit editorChanged();
    editor->Open();
}

void MainForm::Refresh()
{
    if (FormView* editor = Editor()) editor->Back();
}

void MainForm::DeleteElement(TreeItem item)
{
    if (m_doc == nullptr) return;
    m_doc->Tree().Select(item);
    QTimer::singleShot(0, this, [this] {
        if (m_doc == nullptr) return;
        ZrusitPrvek(*m_doc);
        // Declined: the form stays and checks its fields again.
        if (FormView* editor = Editor()) editor->Rearm();
    });
}

}  // namespace belvo::gui
