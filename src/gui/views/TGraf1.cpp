#include "gui/views/TGraf1.h"

#include "render/ResultHydrographs.h"

namespace hydrim::gui {

TGraf1::TGraf1(AppState& state, QWidget* parent) : ChartWindow(state, parent) {
    DrawDesignHydrograph();
}

void TGraf1::DrawDesignHydrograph() {
    draw(render::Variant23ChartContent(state_));
}

} // namespace hydrim::gui
