#include "gui/views/TVypisDatV1_f.h"

#include "gui/views/ReturnPeriodTabs.h"

#include <QTabBar>
#include <QVBoxLayout>

namespace hydrim::gui {

TVypisDatV1_f::TVypisDatV1_f(AppState& state, QWidget* parent) : TimeSeriesWindow(state, parent) {
    tabs_ = AddReturnPeriodTabs(this);
    refresh();
    connect(tabs_, &QTabBar::currentChanged, this, [this] { refresh(); });
}

int TVypisDatV1_f::returnPeriodIndex() const {
    return tabs_->currentIndex() + 1;
}

void TVypisDatV1_f::refresh() {
    setListing(
        TimeSeriesListing(VariantITimeSeries(state_, returnPeriodIndex()), state_.LocaleDecimalSeparator),
        ReturnPeriods[static_cast<size_t>(returnPeriodIndex())]);
}

} // namespace hydrim::gui
