// The message dialog "Poselství" of the summary window: the proposal's free text, printed and
// written into the HTML page and the XML document. OK stores it; "&Storno" keeps the old one.
#pragma once

#include "model/form_model.h"

namespace belvo {

class CNavrh;

class PoselstviForm : public FormModel {
public:
    enum FieldId : int { kPoselstvi = 1 };

    PoselstviForm(CNavrh& navrh, Ui& ui, Separators separators);

private:
    void Load() override;
    FormOutcome Store() override;

    CNavrh& m_navrh;
};

}  // namespace belvo
