#include "gui/app/ResultViews.h"

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

void CopyTimeSeries(QWidget* window, int copyKind) {
    if (auto* series = qobject_cast<TimeSeriesWindow*>(window)) {
        series->copySelection(static_cast<CopyKind>(copyKind));
    }
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
