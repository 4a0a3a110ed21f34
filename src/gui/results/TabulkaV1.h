// The Variant I result window "Tabulka výsledků": eight tabbed grids (the
// inputs, one output sheet per return period, the slopes + catchment summary
// and the catchment summary) built from the Variant I result set.
#pragma once

#include "core/results/ResultTable.h"

#include <QWidget>

#include <array>
#include <vector>

class QTabWidget;

namespace hydrim::gui {

class ResultGridView;

class TTabulkaV1_f : public QWidget {
    Q_OBJECT
public:
    // Shows the engine's eight Variant I grids, one tab each.
    TTabulkaV1_f(std::vector<ResultGrid> grids, const QFont& tableFont, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    // StringGridK, K = 1..8.
    ResultGridView* grid(int k) const;
    // The grid of the selected tab (what copy, print and export act on).
    ResultGridView* currentGrid() const;
    QSize sizeHint() const override;

public slots:
    void TabControl1Change(int index);

private:
    QTabWidget* tabs_;
    std::array<ResultGridView*, 8> grids_{};
};

} // namespace hydrim::gui
