#include "gui/common/ColumnStretch.h"

#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <numeric>

namespace hydrim::gui {

void StretchColumns(QTableView& view, const std::vector<int>& naturalWidths, int stretchColumn) {
    const int natural = std::accumulate(naturalWidths.begin(), naturalWidths.end(), 0);
    const int shown = static_cast<int>(
        std::count_if(naturalWidths.begin(), naturalWidths.end(), [](int width) { return width > 0; }));
    const int room = std::max(0, view.viewport()->width() - natural);
    int given = 0;
    int seen = 0;
    for (size_t k = 0; k < naturalWidths.size(); ++k) {
        const int column = static_cast<int>(k);
        int width = naturalWidths[k];
        if (width > 0 && shown > 0) {
            ++seen;
            if (stretchColumn >= 0) {
                width += column == stretchColumn ? room : 0;
            } else {
                // The last shown column takes what rounding left over.
                const int share = seen == shown ? room - given : room / shown;
                width += share;
                given += share;
            }
        }
        view.setColumnWidth(column, width);
    }
}

} // namespace hydrim::gui
