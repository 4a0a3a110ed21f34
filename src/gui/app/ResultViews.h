// The chart and time-series windows of the results as the main window uses
// them: creating them, the copy commands (which serve the result tables too),
// and redrawing the Variant I windows for the hydrograph chosen.
#pragma once

#include "core/project/ProjectData.h"

#include <functional>

class QWidget;

namespace hydrim::gui {

// The chart window of a family (variantI true for Variant I) of the current
// results; markModified is called when the user types a chart title.
QWidget* CreateChartWindow(AppState& state, bool variantI, std::function<void()> markModified);
QWidget* CreateTimeSeriesWindow(AppState& state, bool variantI);

// Kopíruj, Kopíruj+, Kopíruj vše (copy kind 0, 1, 2) on a time-series
// window or on the shown grid of a result-table window; false (and the
// clipboard left alone) for a window of another kind.
bool CopyFromResultWindow(QWidget* window, int copyKind);

// Redraws a Variant I chart or time-series window for the hydrograph the
// program state chooses; other windows are left alone.
void RedrawHydrograph(QWidget* window);

} // namespace hydrim::gui
