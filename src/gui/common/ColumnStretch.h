// Grids that stretch with their window: the columns keep the widths their
// texts need, and the room a wider window leaves is shared out among them.
#pragma once

#include <vector>

class QTableView;

namespace hydrim::gui {

// Sets the columns of view to their natural widths (0 = hidden) and gives
// the room left in the viewport to the column stretchColumn, or evenly to
// every shown column when stretchColumn is -1. Call it again after a resize.
void StretchColumns(QTableView& view, const std::vector<int>& naturalWidths, int stretchColumn);

} // namespace hydrim::gui
