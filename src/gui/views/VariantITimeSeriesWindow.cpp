#include "gui/views/VariantITimeSeriesWindow.h"

#include "gui/views/ReturnPeriodTabs.h"

#include <QTabBar>
#include <QVBoxLayout>

namespace hydrim::gui {

VariantITimeSeriesWindow::VariantITimeSeriesWindow(AppState& state, QWidget* parent)
    : TimeSeriesWindow(state, parent) {
    tabs_ = AddReturnPeriodTabs(this);
    refresh();
    connect(tabs_, &QTabBar::currentChanged, this, [this] { refresh(); });
}

int VariantITimeSeriesWindow::returnPeriodIndex() const {
    return tabs_->currentIndex() + 1;
}

void VariantITimeSeriesWindow::refresh() {
    setListing(
        TimeSeriesListing(VariantITimeSeries(state_, returnPeriodIndex()), state_.LocaleDecimalSeparator),
        ReturnPeriods[static_cast<size_t>(returnPeriodIndex())]);
}

} // namespace hydrim::gui
