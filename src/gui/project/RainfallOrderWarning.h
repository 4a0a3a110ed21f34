// The warning of the input window when a rainfall field of Variant I is left
// with rain that falls as the return period grows.
#pragma once

#include <QLineEdit>
#include <QString>

#include <array>

namespace hydrim::gui {

// The warning when leaving field EditK breaks the order of the rainfall over
// the return periods, or an empty text when the order holds.
QString FallingRainfallText(int k, int variant, const std::array<QLineEdit*, 27>& edits);

} // namespace hydrim::gui
