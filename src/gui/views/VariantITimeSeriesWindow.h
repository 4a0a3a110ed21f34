// The time-series listing of a Variant I computation, one tab per return
// period, of the hydrograph the chart shows (design rain or 1-day rainfall).
#pragma once

#include "gui/views/TimeSeriesWindow.h"

QT_BEGIN_NAMESPACE
class QTabBar;
QT_END_NAMESPACE

namespace hydrim::gui {

class VariantITimeSeriesWindow : public TimeSeriesWindow {
    Q_OBJECT
public:
    explicit VariantITimeSeriesWindow(AppState& state, QWidget* parent = nullptr);

    QTabBar* tabBar() const { return tabs_; }
    int returnPeriodIndex() const; // 1..5

    // Lists the hydrograph selected in the main window for the selected tab.
    void refresh();

private:
    QTabBar* tabs_ = nullptr;
};

} // namespace hydrim::gui
