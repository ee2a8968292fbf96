// The editing forms of the objects in the project tree, and what they reach of the document
// through FormHost: the user, the settings, the price list, the tree's labels and the modified
// flag.
#pragma once

#include <memory>
#include <string>

#include "model/form_host.h"
#include "model/form_model.h"

namespace belvo {

class CBelvoDoc;
class CObject;

class DocumentFormHost : public FormHost {
public:
    explicit DocumentFormHost(CBelvoDoc& doc) : m_doc(doc) {}
    Ui& GetUi() override;
    SettingsStore& Settings() override;
    Separators NumberSeparators() override;
    const CMaterialList& Materials() override;
    void Relabel(TreeItem item, std::string text) override;
    void SetModified() override;
    void RememberBeamText(std::string text) override;

private:
    CBelvoDoc& m_doc;
};

// The form of an element (its own VytvorDialog) or of another object of the tree (a saved
// proposal's read-only page, whose "Zobrazit" opens a copy in a summary window); null for an
// object without a form.
std::unique_ptr<FormModel> VytvorFormular(CBelvoDoc& doc, CObject& object);

}  // namespace belvo
