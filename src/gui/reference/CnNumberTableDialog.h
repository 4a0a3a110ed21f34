// The curve number table, last step of the curve-number wizard: the curve
// numbers of the land-use rows for the slope's soil group, the user's area
// per row and their area-weighted curve number.
#pragma once

#include "core/reference/ReferenceFiles.h"
#include "gui/reference/LookupWindow.h"
#include "gui/reference/ResultPanel.h"

#include <array>
#include <string>

class QPushButton;

namespace hydrim::gui {

class LookupGrid;

class CnNumberTableDialog : public LookupWindow {
    Q_OBJECT
public:
    CnNumberTableDialog(LookupContext& context, const std::string& dataDir, QWidget* parent);

    // Column 3 := the curve numbers of soil-group category 1 (A) .. 7 (D).
    void showCategory(int category);
    int category() const { return category_; }
    // Shows the slope's areas (rows 2..52) and their weighted curve number.
    void openWith(const std::array<std::string, 53>& areas);
    QString areaText(int row) const;

    LookupGrid* grid = nullptr;
    QPushButton* backButton = nullptr; // "<< Zpě&t"
    ResultPanel panel;

signals:
    void backRequested();
    void insertRequested();

public slots:
    void computeWeighted(); // "Vy&počti"

private:
    void fillGrid(const TableGrid& table);
    void setUpDrawing();
    void sizeGrid();
    void compute(bool report);

    int category_ = 3;
};

} // namespace hydrim::gui
