// The first step of the curve-number wizard: how the slope's hydrologic soil
// group is to be found, from the filtration coefficient (areas per group) or
// from the main soil units.
#pragma once

#include "gui/reference/LookupWindow.h"

class QPushButton;

namespace hydrim::gui {

class CnPathChoiceDialog : public LookupWindow {
    Q_OBJECT
public:
    CnPathChoiceDialog(LookupContext& context, QWidget* parent);

    // Shows the choice with the path used last for the slope in focus.
    void openFor(bool byFiltration);

    QPushButton* filtrationButton = nullptr; // "- dle filtračního součinitele"
    QPushButton* soilUnitsButton = nullptr;  // "- dle HPJ (druhé a třetí číslo kódu BPEJ)"
    QPushButton* closeButton = nullptr;      // "&Zavřít"

signals:
    void filtrationChosen();
    void soilUnitsChosen();
};

} // namespace hydrim::gui
