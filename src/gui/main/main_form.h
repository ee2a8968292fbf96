// The form area beside the project tree: it shows the editing form of the element clicked last
// (the generic form view over the element's form model), or the element's label where the
// element has no form. It is the document's MainFormView.
#pragma once

#include <QPointer>
#include <QScrollArea>

#include "document/document_views.h"
#include "model/tree_model.h"

namespace belvo {
class CBelvoDoc;
}

namespace belvo::gui {

class FormView;

class MainForm : public QScrollArea, public MainFormView {
    Q_OBJECT
public:
    explicit MainForm(QWidget* parent = nullptr);
    void SetDocument(CBelvoDoc* doc) { m_doc = doc; }

    bool MayCloseEditor() override;
    void CloseEditor() override;
    void OpenEditor(CObject& object) override;
    void Refresh() override;

    // The form now shown, or null (none, or an element without a form).
    FormView* Editor() const;
    // The object whose editor is shown, or null.
    CObject* EditedObject() const { return m_object; }

signals:
    void editorChanged();

private:
    // The editor's element is to be deleted: select its item and run "Zrušit prvek" once the
    // current event has been handled.
    void DeleteElement(TreeItem item);

    CBelvoDoc* m_doc = nullptr;
    CObject* m_object = nullptr;
};

}  // namespace belvo::gui
