// Where a result window opens in the main window's area: beside or below the
// project input window rather than over its fields.
#pragma once

#include <QRect>
#include <QSize>

namespace hydrim::gui {

// The smallest result window worth placing beside the input window.
inline constexpr QSize SmallestResultWindow(360, 220);

// The geometry of a window of size wanted in an area of size area that
// leaves keepClear (the input window) uncovered: in the band right of it when
// that band is at least needed wide, else in the band below it when that is
// at least needed tall, the window shrunk to its band; else as far right as
// the area allows, so that the left part of the input window, where the
// typing starts, stays in view. needed is at least SmallestResultWindow; a
// table passes its whole width, so that it never opens with columns cut off
// where the area is wide enough to show them all. cascade (0, 1, 2 ...)
// shifts the window down and right by one title bar per result window
// already open.
QRect PlaceBeside(const QRect& keepClear, QSize wanted, QSize area, int cascade,
                  QSize needed = SmallestResultWindow);

} // namespace hydrim::gui
