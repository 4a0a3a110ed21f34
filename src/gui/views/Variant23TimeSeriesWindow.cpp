#include "gui/views/Variant23TimeSeriesWindow.h"

#include "core/series/ChartTexts.h"

namespace hydrim::gui {

Variant23TimeSeriesWindow::Variant23TimeSeriesWindow(AppState& state, QWidget* parent)
    : TimeSeriesWindow(state, parent) {
    const bool twoSlopes = HasTwoSlopes(state.CurrentProject.Texts);
    setListing(TimeSeriesListing(Variant23TimeSeries(state, twoSlopes), state.LocaleDecimalSeparator), 0,
               DesignRainReturnPeriod(state));
}

} // namespace hydrim::gui
