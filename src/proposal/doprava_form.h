// The transport dialog "Doprava" of the summary window: distance, rate per km and price, each
// checked as it is left. Distance and rate above 0 give the price; a price typed by hand that
// does not come from them sets the rate to 0. OK writes the three values into the proposal.
#pragma once

#include <string>

#include "model/form_model.h"

namespace belvo {

class CNavrh;

class DopravaForm : public FormModel {
public:
    enum FieldId : int { kVzdalenost = 1, kSazba, kCena };

    // `currency` labels the rate ("Kč/km") and the price.
    DopravaForm(CNavrh& navrh, const std::string& currency, Ui& ui, Separators separators);

private:
    void Load() override;
    bool CheckField(int id) override;
    FormOutcome Store() override;

    void DerivePrice();

    CNavrh& m_navrh;
};

}  // namespace belvo
