#include "views/TGrafV1_f.h"

#include "views/ResultHydrographs.h"

#include <QTabBar>
#include <QVBoxLayout>

namespace hydrim::gui {

TGrafV1_f::TGrafV1_f(AppState& state, QWidget* parent) : ChartWindow(state, parent) {
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabControl1"));
    tabs_->setExpanding(false);
    for (int i = 1; i < static_cast<int>(ReturnPeriods.size()); ++i) {
        tabs_->addTab(QStringLiteral("N = %1").arg(ReturnPeriods[i]));
    }
    layout()->insertWidget(0, tabs_);
    DrawDesignHydrograph();
    connect(tabs_, &QTabBar::currentChanged, this, [this] { redraw(); });
}

int TGrafV1_f::returnPeriodIndex() const {
    return tabs_->currentIndex() + 1;
}

void TGrafV1_f::DrawDesignHydrograph() {
    draw(VariantIChartContent(state_, returnPeriodIndex(), true));
}

void TGrafV1_f::DrawDailyHydrograph() {
    draw(VariantIChartContent(state_, returnPeriodIndex(), false));
}

void TGrafV1_f::redraw() {
    if (showsDesignRain()) {
        DrawDesignHydrograph();
    } else {
        DrawDailyHydrograph();
    }
}

} // namespace hydrim::gui
