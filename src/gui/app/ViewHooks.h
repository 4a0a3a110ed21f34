// Plugs the chart and time-series windows into the main window's registry
// of result windows: creating them, the copy commands and the switch between
// the two Variant I hydrographs.
#pragma once

#include <functional>

namespace hydrim::gui {

class ResultWindows;

// markModified is called when the user types a chart title.
void InstallViewHooks(ResultWindows& results, std::function<void()> markModified);

} // namespace hydrim::gui
