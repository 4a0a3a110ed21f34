// The soil unit table of the curve-number wizard: the main soil units with
// their hydrologic soil group, where the user gives the slope's area in each
// unit. A unit listing an alternative group ("B (C)") takes an area only
// after its group is decided; a unit without a group takes none.
#pragma once

#include "core/reference/ReferenceFiles.h"
#include "gui/reference/LookupWindow.h"

#include <array>
#include <string>

class QPushButton;

namespace hydrim::gui {

class LookupGrid;

class CnSoilUnitDialog : public LookupWindow {
    Q_OBJECT
public:
    CnSoilUnitDialog(LookupContext& context, const std::string& dataDir, QWidget* parent);

    // The slope's groups and areas (rows 3..66); an empty group text shows
    // the group as read from the table.
    void loadUnits(const std::array<std::string, 67>& groups, const std::array<std::string, 67>& areas);
    QString groupText(int row) const;
    QString areaText(int row) const;
    void setGroupText(int row, const QString& group);

    void open();
    // Mouse tracking over the group column, off while a decision is open.
    void setDecisionTracking(bool on);
    // True for the rows whose group as read offers an alternative.
    bool offersDecision(int row) const;

    LookupGrid* grid = nullptr;
    QPushButton* continueButton = nullptr; // ">> &Pokračuj"
    QPushButton* closeButton = nullptr;    // "&Zavřít"

signals:
    void decisionRequested(int row);
    void soilGroupFound(int category);

public slots:
    void continueToCurveNumbers(); // ">> &Pokračuj"

private:
    void fillGrid(const TableGrid& table);
    void setUpDrawing();
    void sizeGrid();
    QString correctArea(int row, const QString& text);
    void refuseArea(int row, bool undecided);
    void hovered(int row, int column);
    void pressed(int row, int column);
    QString unitName(int row) const;

    bool tracking_ = true;
    int hoverRow_ = -1;
    bool refusing_ = false;
};

} // namespace hydrim::gui
