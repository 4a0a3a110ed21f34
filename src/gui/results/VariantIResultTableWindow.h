// The Variant I result window "Tabulka výsledků": eight tabbed grids (the
// inputs, one output sheet per return period, the slopes + catchment summary
// and the catchment summary) built from the Variant I result set, with the
// warnings of the computation in a box below them.
#pragma once

#include "core/project/Warning.h"
#include "core/results/ResultTable.h"

#include <QWidget>

#include <array>
#include <vector>

class QTabWidget;

namespace hydrim::gui {

class ResultGridView;
class ResultNotice;

class VariantIResultTableWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the engine's eight Variant I grids, one tab each, and the
    // computation's warnings below them.
    VariantIResultTableWindow(std::vector<ResultGrid> grids, const Warnings& warnings, const QFont& tableFont,
                              QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    // StringGridK, K = 1..8.
    ResultGridView* grid(int k) const;
    // The grid of the selected tab (what copy, print and export act on).
    ResultGridView* currentGrid() const;
    // The warnings of the computation below the tabs, and the out-of-date mark.
    ResultNotice* notice() const { return notice_; }
    QSize sizeHint() const override;

private:
    QTabWidget* tabs_;
    std::array<ResultGridView*, 8> grids_{};
    ResultNotice* notice_ = nullptr;
};

} // namespace hydrim::gui
