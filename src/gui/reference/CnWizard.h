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

class TCNrozhod1;
class THSPtab1;
class TBPEJtab1;
class TCNcis1;

class CnWizard : public QObject {
    Q_OBJECT
public:
    CnWizard(LookupContext& context, TCNrozhod1* choice, THSPtab1* groups, TBPEJtab1* units,
             TCNcis1* numbers);

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
    TCNrozhod1* choice_;
    THSPtab1* groups_;
    TBPEJtab1* units_;
    TCNcis1* numbers_;
    int decisionRow_ = -1;
    bool leftSlope_ = true;
};

} // namespace hydrim::gui
