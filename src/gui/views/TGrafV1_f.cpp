#include "gui/views/TGrafV1_f.h"

#include "render/ResultHydrographs.h"

#include "gui/views/ReturnPeriodTabs.h"

#include <QTabBar>
#include <QVBoxLayout>

namespace hydrim::gui {

TGrafV1_f::TGrafV1_f(AppState& state, QWidget* parent) : ChartWindow(state, parent) {
    tabs_ = AddReturnPeriodTabs(this);
    DrawDesignHydrograph();
    connect(tabs_, &QTabBar::currentChanged, this, [this] { redraw(); });
}

int TGrafV1_f::returnPeriodIndex() const {
    return tabs_->currentIndex() + 1;
}

void TGrafV1_f::DrawDesignHydrograph() {
    draw(render::VariantIChartContent(state_, returnPeriodIndex(), true));
}

void TGrafV1_f::DrawDailyHydrograph() {
    draw(render::VariantIChartContent(state_, returnPeriodIndex(), false));
}

void TGrafV1_f::redraw() {
    if (showsDesignRain()) {
        DrawDesignHydrograph();
    } else {
        DrawDailyHydrograph();
    }
}

} // namespace hydrim::gui
