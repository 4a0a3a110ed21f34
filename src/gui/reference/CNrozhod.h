// The first step of the curve-number wizard: how the slope's hydrologic soil
// group is to be found, from the filtration coefficient (areas per group) or
// from the main soil units.
#pragma once

#include "gui/reference/LookupWindow.h"

class QPushButton;

namespace hydrim::gui {

class TCNrozhod1 : public LookupWindow {
    Q_OBJECT
public:
    TCNrozhod1(LookupContext& context, QWidget* parent);

    // Shows the choice with the path used last for the slope in focus.
    void openFor(bool byFiltration);

    QPushButton* Button1 = nullptr; // "- dle filtračního součinitele"
    QPushButton* Button2 = nullptr; // "- dle HPJ (druhé a třetí číslo kódu BPEJ)"
    QPushButton* Button3 = nullptr; // "&Zavřít"

signals:
    void filtrationChosen();
    void soilUnitsChosen();
};

} // namespace hydrim::gui
