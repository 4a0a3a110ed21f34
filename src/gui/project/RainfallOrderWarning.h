// The warning of the input window when a rainfall field of Variant I is left
// with rain that falls as the return period grows.
#pragma once

#include <QLineEdit>

#include <array>

namespace hydrim::gui {

// Shows the warning when leaving field EditK breaks the order of the
// rainfall over the return periods (the focus then goes back where the user
// moved it); returns true when it was shown.
bool WarnOfFallingRainfall(QWidget* parent, int k, int variant, const std::array<QLineEdit*, 27>& edits);

} // namespace hydrim::gui
