// The time-series listing of a Variant II or III computation.
#pragma once

#include "gui/views/TimeSeriesWindow.h"

namespace hydrim::gui {

class Variant23TimeSeriesWindow : public TimeSeriesWindow {
    Q_OBJECT
public:
    explicit Variant23TimeSeriesWindow(AppState& state, QWidget* parent = nullptr);
};

} // namespace hydrim::gui
