// The soil group table of the curve-number wizard. In area mode the user
// gives the slope's area in each hydrologic soil group A to D; in decision
// mode (opened from the soil unit table) a radio panel over the area column
// decides the group of a soil unit that lists an alternative.
#pragma once

#include "core/reference/ReferenceFiles.h"
#include "gui/reference/LookupWindow.h"

#include <array>
#include <string>

class QPushButton;
class QRadioButton;
class QWidget;

namespace hydrim::gui {

class LookupGrid;

class CnSoilGroupDialog : public LookupWindow {
    Q_OBJECT
public:
    CnSoilGroupDialog(LookupContext& context, const std::string& dataDir, QWidget* parent);

    // The areas of groups A..D (grid rows 2..5, column 2).
    void loadAreas(const std::array<std::string, 6>& areasByRow);
    std::array<std::string, 4> areasAtoD() const;

    void openAreaMode();
    // Offers the letters of the unit's group as read from the table; a group
    // already decided (no alternative left) shows its letters checked.
    void openDecisionMode(const QString& originalGroup, const QString& currentGroup);
    bool inDecisionMode() const { return decisionMode_; }

    LookupGrid* grid = nullptr;
    QWidget* decisionPanel = nullptr;
    QPushButton* decisionCloseButton = nullptr; // "&Zavřít" of the radio panel
    QPushButton* continueButton = nullptr;      // ">> &Pokračuj"
    QPushButton* closeButton = nullptr;         // "&Zavřít"
    QRadioButton* radio(int index) const { return radios_[static_cast<size_t>(index)]; }

signals:
    void soilGroupFound(int category);
    void groupChosen(const QString& letter);

public slots:
    void continueToCurveNumbers(); // ">> &Pokračuj"

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fillGrid(const TableGrid& table);
    void setUpDrawing();
    void sizeGrid();
    void placePanel();
    void radioClicked(int index);

    std::array<QRadioButton*, 4> radios_{};
    bool decisionMode_ = false;
    int lineHeight_ = 20;
};

} // namespace hydrim::gui
