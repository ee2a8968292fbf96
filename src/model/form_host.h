// What the editing form of an element asks of the program around it: the user, the settings,
// the price list, the separators of numbers, and the document's tree and modified flag. The
// document implements it; tests use a recording host.
#pragma once

#include <string>

#include "foundation/decimal.h"
#include "model/tree_model.h"

namespace belvo {

class CMaterialList;
class SettingsStore;
class Ui;

class FormHost {
public:
    virtual ~FormHost() = default;
    virtual Ui& GetUi() = 0;
    virtual SettingsStore& Settings() = 0;
    virtual Separators NumberSeparators() = 0;
    // The current price list, from which the forms fill their material lists.
    virtual const CMaterialList& Materials() = 0;
    // The element's tree item shows its new label.
    virtual void Relabel(TreeItem item, std::string text) = 0;
    // The project has changed and must be saved.
    virtual void SetModified() = 0;
    // The material text of the ceiling-beam element saved last, which new beam elements start
    // with.
    virtual void RememberBeamText(std::string text) = 0;
};

}  // namespace belvo
