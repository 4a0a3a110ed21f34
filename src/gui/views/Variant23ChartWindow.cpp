#include "gui/views/Variant23ChartWindow.h"

#include "render/ResultHydrographs.h"

namespace hydrim::gui {

Variant23ChartWindow::Variant23ChartWindow(AppState& state, QWidget* parent) : ChartWindow(state, parent) {
    DrawDesignHydrograph();
}

void Variant23ChartWindow::DrawDesignHydrograph() {
    draw(render::Variant23ChartContent(state_));
}

} // namespace hydrim::gui
