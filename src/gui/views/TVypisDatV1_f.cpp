#include "views/TVypisDatV1_f.h"

#include <QTabBar>
#include <QVBoxLayout>

namespace hydrim::gui {

TVypisDatV1_f::TVypisDatV1_f(AppState& state, QWidget* parent) : TimeSeriesWindow(state, parent) {
    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabControl1"));
    tabs_->setExpanding(false);
    for (int i = 1; i < static_cast<int>(ReturnPeriods.size()); ++i) {
        tabs_->addTab(QStringLiteral("N = %1").arg(ReturnPeriods[i]));
    }
    layout()->insertWidget(0, tabs_);
    refresh();
    connect(tabs_, &QTabBar::currentChanged, this, [this] { refresh(); });
}

int TVypisDatV1_f::returnPeriodIndex() const {
    return tabs_->currentIndex() + 1;
}

void TVypisDatV1_f::refresh() {
    setListing(
        TimeSeriesListing(VariantITimeSeries(state_, returnPeriodIndex()), state_.LocaleDecimalSeparator));
}

} // namespace hydrim::gui
