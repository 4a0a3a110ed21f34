#include "gui/views/TVypisDat1.h"

#include "core/series/ChartTexts.h"

namespace hydrim::gui {

TVypisDat1::TVypisDat1(AppState& state, QWidget* parent) : TimeSeriesWindow(state, parent) {
    const bool twoSlopes = HasTwoSlopes(state.CurrentProject.Texts);
    setListing(TimeSeriesListing(Variant23TimeSeries(state, twoSlopes), state.LocaleDecimalSeparator), 0,
               DesignRainReturnPeriod(state));
}

} // namespace hydrim::gui
