// The project's form in the main window: name and place, description, author, discount, VAT and
// its display, the transport (distance, rate per km and price, the price derived from the other
// two), and the read-only creation date and price list.
#pragma once

#include "model/form_model.h"

namespace belvo {

class CProjekt;
class FormHost;

class ProjektForm : public FormModel {
public:
    enum FieldId : int {
        kProjekt = 1,
        kUmisteni,
        kPopis,
        kAutor,
        kSleva,
        kSDPH,
        kDPH,
        kKm,
        kCenaKm,
        kCena,
        kVznik,
        kCenik,
    };

    ProjektForm(CProjekt& projekt, FormHost& host);

private:
    void Load() override;
    bool CheckField(int id) override;
    FormOutcome Store() override;

    // The price of the transport when distance and rate are both above 0.
    void DerivePrice();

    CProjekt& m_projekt;
    FormHost& m_host;
};

}  // namespace belvo
