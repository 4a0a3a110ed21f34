// The roughness dialog: the recommended roughness values of the surface
// classes, from which the user's values and areas give the area-weighted
// roughness of a slope.
#pragma once

#include "core/reference/ReferenceFiles.h"
#include "core/reference/RoughnessClasses.h"
#include "gui/reference/LookupWindow.h"
#include "gui/reference/ResultPanel.h"

#include <QPointer>

#include <deque>
#include <string>

class QPushButton;

namespace hydrim::gui {

class LookupGrid;
class TableEditor;

class TGamatab1 : public LookupWindow {
    Q_OBJECT
public:
    TGamatab1(LookupContext& context, const std::string& dataDir, QWidget* parent);

    bool hasClasses() const { return hasClasses_; }

    // Shows the entries of the dialog's slope and their weighted value.
    void openFor();

    LookupGrid* StringGrid1 = nullptr;
    ResultPanel panel;
    QPushButton* editButton = nullptr; // "Upravit tabulku"

    // The table editor while it is open.
    TableEditor* editor() const;

public slots:
    void BitBtn1Click(); // "Vy&počti"
    void Button1Click(); // "&Vložit"
    // "Upravit tabulku": the class table's editor; a saved table is shown at once.
    void editTable();

private:
    void readTable();
    // The table saved in its editor: the entries of the project and those in
    // the grid follow their classes to the rows they stand in now.
    void reloadTable();
    void fillGrid(const TableGrid& table);
    void mergeDescriptions();
    void setUpDrawing();
    void sizeGrid();
    void compute(bool report);
    // The range of each value whose edit ended: a value outside its class's
    // range is set to the bound, with the out-of-range message.
    void checkFinishedValues();

    std::string dataDir_;
    bool hasClasses_ = false;
    RoughnessClassKeys classKeys_; // the class of each row of the table shown
    QPointer<TableEditor> editor_;
    std::deque<int> pendingChecks_; // rows whose value edit ended
};

} // namespace hydrim::gui
