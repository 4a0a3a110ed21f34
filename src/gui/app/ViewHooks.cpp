#include "gui/app/ViewHooks.h"

#include "gui/app/ResultWindows.h"
#include "gui/views/TGraf1.h"
#include "gui/views/TGrafV1_f.h"
#include "gui/views/TVypisDat1.h"
#include "gui/views/TVypisDatV1_f.h"

namespace hydrim::gui {

void InstallViewHooks(ResultWindows& results, std::function<void()> markModified) {
    ResultWindows::Hooks& hooks = results.hooks();
    hooks.createChart = [markModified](AppState& state, bool variantI) -> QWidget* {
        ChartWindow* chart = variantI ? static_cast<ChartWindow*>(new TGrafV1_f(state))
                                      : static_cast<ChartWindow*>(new TGraf1(state));
        QObject::connect(chart, &ChartWindow::modified, chart, [markModified] {
            if (markModified) {
                markModified();
            }
        });
        return chart;
    };
    hooks.createTimeSeries = [](AppState& state, bool variantI) -> QWidget* {
        return variantI ? static_cast<QWidget*>(new TVypisDatV1_f(state))
                        : static_cast<QWidget*>(new TVypisDat1(state));
    };
    hooks.copyTimeSeries = [](QWidget* window, bool, int copyKind) {
        if (auto* series = qobject_cast<TimeSeriesWindow*>(window)) {
            series->copySelection(static_cast<CopyKind>(copyKind));
        }
    };
    hooks.hydrographChanged = [](QWidget* window, ResultKind kind) {
        if (kind == ResultKind::Chart) {
            if (auto* chart = qobject_cast<TGrafV1_f*>(window)) {
                if (chart->state().HydrographFromDesignRain) {
                    chart->DrawDesignHydrograph();
                } else {
                    chart->DrawDailyHydrograph();
                }
            }
        } else if (kind == ResultKind::TimeSeries) {
            if (auto* series = qobject_cast<TVypisDatV1_f*>(window)) {
                series->refresh();
            }
        }
    };
}

} // namespace hydrim::gui
