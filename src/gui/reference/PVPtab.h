// The antecedent moisture dialog: the definition of the three antecedent
// moisture groups, from which the slope's CN curve type is chosen.
#pragma once

#include "gui/reference/LookupWindow.h"

class QRadioButton;
class QPushButton;
class QButtonGroup;

namespace hydrim::gui {

class TPVPtab1 : public LookupWindow {
    Q_OBJECT
public:
    TPVPtab1(LookupContext& context, QWidget* parent);

    // Shows the dialog with the slope's curve type item (-1: none) chosen.
    void openFor(int curveTypeItem);
    int itemIndex() const;

    QRadioButton* radioItem(int index) const;
    QPushButton* Button1 = nullptr; // "&Zavřít"

public slots:
    // A radio item chosen: the slope's curve type list takes the same item.
    void RadioGroup1Click(int index);

private:
    QButtonGroup* RadioGroup1 = nullptr;
};

} // namespace hydrim::gui
