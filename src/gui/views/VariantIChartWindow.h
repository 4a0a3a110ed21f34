// The hydrograph chart of a Variant I computation, one tab per return period
// (N = 5 … 100 years), showing either the hydrograph of the design rain or the
// hydrograph carrying the runoff of the whole 1-day rainfall.
#pragma once

#include "gui/views/ChartWindow.h"

QT_BEGIN_NAMESPACE
class QTabBar;
QT_END_NAMESPACE

namespace hydrim::gui {

class VariantIChartWindow : public ChartWindow {
    Q_OBJECT
public:
    explicit VariantIChartWindow(AppState& state, QWidget* parent = nullptr);

    QTabBar* tabBar() const { return tabs_; }
    // Return-period index 1..5 of the selected tab.
    int returnPeriodIndex() const;

    void DrawDesignHydrograph();
    void DrawDailyHydrograph();

private:
    void redraw();

    QTabBar* tabs_ = nullptr;
};

} // namespace hydrim::gui
