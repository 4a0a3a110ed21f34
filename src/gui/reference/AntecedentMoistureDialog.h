// The antecedent moisture dialog: the definition of the three antecedent
// moisture groups, from which the slope's CN curve type is chosen.
#pragma once

#include "gui/reference/LookupWindow.h"

class QRadioButton;
class QPushButton;
class QButtonGroup;

namespace hydrim::gui {

class AntecedentMoistureDialog : public LookupWindow {
    Q_OBJECT
public:
    AntecedentMoistureDialog(LookupContext& context, QWidget* parent);

    // Shows the dialog with the slope's curve type item (-1: none) chosen.
    void openFor(int curveTypeItem);
    int itemIndex() const;

    QRadioButton* radioItem(int index) const;
    QPushButton* closeButton = nullptr; // "&Zavřít"

public slots:
    // A radio item chosen: the slope's curve type list takes the same item.
    void chooseMoisture(int index);

private:
    QButtonGroup* moistureChoice = nullptr;
};

} // namespace hydrim::gui
