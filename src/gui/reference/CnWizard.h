// The course of the curve-number wizard over its four windows: path choice,
// soil group or soil unit table, curve number table; the per-slope memory of
// its entries; and the CN buttons of the input window, disabled while any of
// its windows is open.
#pragma once

#include "gui/reference/LookupWindow.h"

#include <QObject>

#include <string>
#include <vector>

namespace hydrim::gui {

class CnPathChoiceDialog;
class CnSoilGroupDialog;
class CnSoilUnitDialog;
class CnNumberTableDialog;

class CnWizard : public QObject {
    Q_OBJECT
public:
    CnWizard(LookupContext& context, CnPathChoiceDialog* choice, CnSoilGroupDialog* groups,
             CnSoilUnitDialog* units, CnNumberTableDialog* numbers);

    // Starts the wizard for a slope (ignored while it is open).
    void open(bool leftSlope);
    bool leftSlope() const { return leftSlope_; }
    bool isOpen() const;
    void closeAll();
    // Enables the CN buttons of the input window unless a window is open.
    void updateButtons();

private:
    void chooseFiltration();
    void chooseSoilUnits();
    void showCurveNumbers(int category, QWidget* from);
    void openDecision(int row);
    void decide(const QString& letter);
    void back();
    void insert();
    void loadSlope();
    // Warns when the areas entered in a table do not add up to the slope's area.
    void warnOfAreaSum(const std::vector<std::string>& areas, QWidget* table);

    LookupContext& context_;
    CnPathChoiceDialog* choice_;
    CnSoilGroupDialog* groups_;
    CnSoilUnitDialog* units_;
    CnNumberTableDialog* numbers_;
    int decisionRow_ = -1;
    bool leftSlope_ = true;
};

} // namespace hydrim::gui
