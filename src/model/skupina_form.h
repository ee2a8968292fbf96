// The group's form in the main window: its name and description.
#pragma once

#include "model/form_model.h"

namespace belvo {

class CSkupina;
class FormHost;

class SkupinaForm : public FormModel {
public:
    enum FieldId : int { kSkupina = 1, kPopis };

    SkupinaForm(CSkupina& skupina, FormHost& host);

private:
    void Load() override;
    FormOutcome Store() override;

    CSkupina& m_skupina;
    FormHost& m_host;
};

}  // namespace belvo
