#include "gui/views/VariantIChartWindow.h"

#include "render/ResultHydrographs.h"

#include "gui/views/ReturnPeriodTabs.h"

#include <QTabBar>
#include <QVBoxLayout>

namespace hydrim::gui {

VariantIChartWindow::VariantIChartWindow(AppState& state, QWidget* parent) : ChartWindow(state, parent) {
    tabs_ = AddReturnPeriodTabs(this);
    DrawDesignHydrograph();
    connect(tabs_, &QTabBar::currentChanged, this, [this] { redraw(); });
}

int VariantIChartWindow::returnPeriodIndex() const {
    return tabs_->currentIndex() + 1;
}

void VariantIChartWindow::DrawDesignHydrograph() {
    draw(render::VariantIChartContent(state_, returnPeriodIndex(), true));
}

void VariantIChartWindow::DrawDailyHydrograph() {
    draw(render::VariantIChartContent(state_, returnPeriodIndex(), false));
}

void VariantIChartWindow::redraw() {
    if (showsDesignRain()) {
        DrawDesignHydrograph();
    } else {
        DrawDailyHydrograph();
    }
}

} // namespace hydrim::gui
