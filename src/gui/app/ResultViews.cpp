#include "gui/app/ResultViews.h"

#include "gui/results/ResultGridView.h"
#include "gui/results/Tabulka.h"
#include "gui/results/TabulkaV1.h"
#include "gui/views/TGraf1.h"
#include "gui/views/TGrafV1_f.h"
#include "gui/views/TVypisDat1.h"
#include "gui/views/TVypisDatV1_f.h"

namespace hydrim::gui {

QWidget* CreateChartWindow(AppState& state, bool variantI, std::function<void()> markModified) {
    ChartWindow* chart = variantI ? static_cast<ChartWindow*>(new TGrafV1_f(state))
                                  : static_cast<ChartWindow*>(new TGraf1(state));
    QObject::connect(chart, &ChartWindow::modified, chart, [markModified] {
        if (markModified) {
            markModified();
        }
    });
    return chart;
}

QWidget* CreateTimeSeriesWindow(AppState& state, bool variantI) {
    return variantI ? static_cast<QWidget*>(new TVypisDatV1_f(state))
                    : static_cast<QWidget*>(new TVypisDat1(state));
}

bool CopyFromResultWindow(QWidget* window, int copyKind) {
    const auto kind = static_cast<CopyKind>(copyKind);
    if (auto* series = qobject_cast<TimeSeriesWindow*>(window)) {
        series->copySelection(kind);
        return true;
    }
    ResultGridView* grid = nullptr;
    if (auto* variantI = qobject_cast<TTabulkaV1_f*>(window)) {
        grid = variantI->currentGrid();
    } else if (auto* variant23 = qobject_cast<TTabulka1*>(window)) {
        grid = variant23->grid();
    }
    if (grid != nullptr) {
        grid->copySelection(kind);
    }
    return grid != nullptr;
}

void RedrawHydrograph(QWidget* window) {
    if (auto* chart = qobject_cast<TGrafV1_f*>(window)) {
        if (chart->state().HydrographFromDesignRain) {
            chart->DrawDesignHydrograph();
        } else {
            chart->DrawDailyHydrograph();
        }
    } else if (auto* series = qobject_cast<TVypisDatV1_f*>(window)) {
        series->refresh();
    }
}

} // namespace hydrim::gui
