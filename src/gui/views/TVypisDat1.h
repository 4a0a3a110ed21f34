// The time-series listing of a Variant II or III computation.
#pragma once

#include "gui/views/TimeSeriesWindow.h"

namespace hydrim::gui {

class TVypisDat1 : public TimeSeriesWindow {
    Q_OBJECT
public:
    explicit TVypisDat1(AppState& state, QWidget* parent = nullptr);
};

} // namespace hydrim::gui
