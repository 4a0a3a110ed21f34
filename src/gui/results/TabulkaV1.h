// The Variant I result window "Tabulka výsledků": eight tabbed grids (the
// inputs, one output sheet per return period, the slopes + catchment summary
// and the catchment summary) built from the Variant I result set, with the
// warnings of the computation in a box below them.
#pragma once

#include "core/project/ProjectData.h"
#include "core/results/ResultTable.h"

#include <QWidget>

#include <array>

class QTabWidget;

namespace hydrim::gui {

class ResultGridView;
class ResultNotice;

class TTabulkaV1_f : public QWidget {
    Q_OBJECT
public:
    // Builds the grids from state (results, inputs, locale separator) and the
    // layout files of the data directory; a layout file that cannot be read is
    // reported and its rows stay without texts.
    TTabulkaV1_f(const AppState& state, const QFont& tableFont, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    // StringGridK, K = 1..8.
    ResultGridView* grid(int k) const;
    // The grid of the selected tab (what copy, print and export act on).
    ResultGridView* currentGrid() const;
    // The warnings of the computation below the tabs, and the out-of-date mark.
    ResultNotice* notice() const { return notice_; }
    QSize sizeHint() const override;

public slots:
    void TabControl1Change(int index);

private:
    QTabWidget* tabs_;
    std::array<ResultGridView*, 8> grids_{};
    ResultNotice* notice_ = nullptr;
};

} // namespace hydrim::gui
