// The hydrograph chart of a Variant II or III computation: the hydrographs of
// the design rain for the slopes and the catchment.
#pragma once

#include "gui/views/ChartWindow.h"

namespace hydrim::gui {

class Variant23ChartWindow : public ChartWindow {
    Q_OBJECT
public:
    explicit Variant23ChartWindow(AppState& state, QWidget* parent = nullptr);

    // Draws the design-rain hydrographs of the Variant II/III results.
    void DrawDesignHydrograph();
};

} // namespace hydrim::gui
