// The rainfall table dialog: the 1-day maximum rainfall of the climate
// stations, from which one station's values are inserted into the rainfall
// fields of the input window.
#pragma once

#include "core/reference/ReferenceFiles.h"
#include "gui/reference/LookupWindow.h"

#include <string>
#include <vector>

class QPushButton;
class QLabel;

namespace hydrim::gui {

class LookupGrid;

class TSrazky1 : public LookupWindow {
    Q_OBJECT
public:
    TSrazky1(LookupContext& context, const std::string& dataDir, QWidget* parent);

    // The read error of the station table (empty when it was read).
    const std::string& readError() const { return readError_; }
    bool hasStations() const;

    // Shows the value columns of the variant (item of the variant list) and the
    // return period (item of the N list), scrolls to the last inserted station
    // and shows the window.
    void openFor(int variantItem, int returnPeriodItem);

    LookupGrid* StringGrid1 = nullptr;
    QPushButton* Button1 = nullptr; // "Vložit"
    QPushButton* Button2 = nullptr; // "Zavřít"

public slots:
    // "Vložit": the current station's values into the input window.
    void Button1Click();
    // Jumps to the first station at or after the typed initial.
    void StringGrid1KeyPress(QChar letter);

private:
    void fillGrid(const TableGrid& table);
    void setValueColumns(const std::vector<int>& valueColumns);
    void sizeColumns();
    void fitWidth();
    int visibleRowNear(int row) const;
    void goToRow(int row);
    void updateInsertButton();

    std::vector<std::string> names_;
    int variantItem_ = 0;
    int valueColumnWidth_ = 64;
    std::string readError_;
    QLabel* band_ = nullptr;
};

} // namespace hydrim::gui
