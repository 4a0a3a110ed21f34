// The rainfall table dialog: the 1-day maximum rainfall of the climate
// stations, from which one station's values are inserted into the rainfall
// fields of the input window.
#pragma once

#include "core/reference/ReferenceFiles.h"
#include "gui/reference/LookupWindow.h"

#include <QPointer>

#include <string>
#include <vector>

class QPushButton;
class QLabel;

namespace hydrim::gui {

class LookupGrid;
class TableEditor;

class TSrazky1 : public LookupWindow {
    Q_OBJECT
public:
    TSrazky1(LookupContext& context, const std::string& dataDir, QWidget* parent);

    bool hasStations() const;

    // Shows the value columns of the variant (item of the variant list) and the
    // return period (item of the N list), scrolls to the last inserted station
    // and shows the window.
    void openFor(int variantItem, int returnPeriodItem);

    LookupGrid* StringGrid1 = nullptr;
    QPushButton* Button1 = nullptr; // "Vložit"
    QPushButton* Button2 = nullptr; // "Zavřít"
    QPushButton* Button3 = nullptr; // "Upravit tabulku"

    // The table editor while it is open.
    TableEditor* editor() const;

public slots:
    // "Vložit": the current station's values into the input window.
    void Button1Click();
    // Jumps to the station whose name begins with the typed letters (or
    // the one they would precede in Czech order).
    void StringGrid1KeyPress(const QString& typed);
    // "Upravit tabulku": the station table's editor; a saved table is shown at once.
    void Button3Click();

private:
    void readTable();
    void fillGrid(const TableGrid& table);
    void setValueColumns(const std::vector<int>& valueColumns);
    void sizeColumns();
    void fitWidth();
    int visibleRowNear(int row) const;
    void goToRow(int row);
    void updateInsertButton();

    std::string dataDir_;
    std::vector<std::string> names_;
    std::vector<int> valueColumns_ = {1, 9};
    QPointer<TableEditor> editor_;
    int variantItem_ = 0;
    int valueColumnWidth_ = 64;
    QLabel* band_ = nullptr;
};

} // namespace hydrim::gui
