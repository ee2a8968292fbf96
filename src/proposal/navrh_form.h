// The page of a saved proposal in the main window: what it is for, the name it was saved under,
// when it was computed, its price list and its message, all read-only, and the button
// "Zobrazit", which opens a copy of it in a new summary window (without automatic rounding).
#pragma once

#include <functional>

#include "model/form_model.h"

namespace belvo {

class CNavrh;

class NavrhForm : public FormModel {
public:
    enum FieldId : int { kJmeno = 1, kNazev, kDatum, kCenik, kPoselstvi, kZobrazit };

    // `zobrazit` shows a copy of the proposal; the page itself changes nothing.
    NavrhForm(const CNavrh& navrh, Ui& ui, Separators separators, std::function<void(const CNavrh&)> zobrazit);

private:
    void Load() override;
    void OnActivate(int id) override;
    FormOutcome Store() override { return FormOutcome::Done; }

    const CNavrh& m_navrh;
    std::function<void(const CNavrh&)> m_zobrazit;
};

}  // namespace belvo
