// The pictures of the main window's tool buttons, drawn in code so they look
// the same on every desktop.
#pragma once

#include <QIcon>

namespace hydrim::gui {

// Icon of tool button SpeedButtonK (1..9).
QIcon ToolIcon(int k);

} // namespace hydrim::gui
