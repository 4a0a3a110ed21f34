#include "gui/app/ResultViews.h"

#include "gui/results/ResultGridView.h"
#include "gui/results/Variant23ResultTableWindow.h"
#include "gui/results/VariantIResultTableWindow.h"
#include "gui/views/Variant23ChartWindow.h"
#include "gui/views/Variant23TimeSeriesWindow.h"
#include "gui/views/VariantIChartWindow.h"
#include "gui/views/VariantITimeSeriesWindow.h"

namespace hydrim::gui {

QWidget* CreateChartWindow(AppState& state, bool variantI, std::function<void()> markModified) {
    ChartWindow* chart = variantI ? static_cast<ChartWindow*>(new VariantIChartWindow(state))
                                  : static_cast<ChartWindow*>(new Variant23ChartWindow(state));
    QObject::connect(chart, &ChartWindow::modified, chart, [markModified] {
        if (markModified) {
            markModified();
        }
    });
    return chart;
}

QWidget* CreateTimeSeriesWindow(AppState& state, bool variantI) {
    return variantI ? static_cast<QWidget*>(new VariantITimeSeriesWindow(state))
                    : static_cast<QWidget*>(new Variant23TimeSeriesWindow(state));
}

bool CopyFromResultWindow(QWidget* window, int copyKind) {
    const auto kind = static_cast<CopyKind>(copyKind);
    if (auto* series = qobject_cast<TimeSeriesWindow*>(window)) {
        series->copySelection(kind);
        return true;
    }
    ResultGridView* grid = nullptr;
    if (auto* variantI = qobject_cast<VariantIResultTableWindow*>(window)) {
        grid = variantI->currentGrid();
    } else if (auto* variant23 = qobject_cast<Variant23ResultTableWindow*>(window)) {
        grid = variant23->grid();
    }
    if (grid != nullptr) {
        grid->copySelection(kind);
    }
    return grid != nullptr;
}

void RedrawHydrograph(QWidget* window) {
    if (auto* chart = qobject_cast<VariantIChartWindow*>(window)) {
        if (chart->state().HydrographFromDesignRain) {
            chart->DrawDesignHydrograph();
        } else {
            chart->DrawDailyHydrograph();
        }
    } else if (auto* series = qobject_cast<VariantITimeSeriesWindow*>(window)) {
        series->refresh();
    }
}

} // namespace hydrim::gui
