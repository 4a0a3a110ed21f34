#include "gui/app/WindowPlacement.h"

#include <algorithm>

namespace hydrim::gui {

namespace {

constexpr int CascadeStep = 24;

} // namespace

QRect PlaceBeside(const QRect& keepClear, QSize wanted, QSize area, int cascade, QSize needed) {
    needed = needed.expandedTo(SmallestResultWindow);
    const int shift = CascadeStep * std::max(cascade, 0);
    const int rightBand = area.width() - (keepClear.right() + 1);
    const int belowBand = area.height() - (keepClear.bottom() + 1);
    if (rightBand - shift >= needed.width()) {
        const QPoint origin(keepClear.right() + 1 + shift, shift);
        const QSize room(area.width() - origin.x(),
                         std::max(area.height() - origin.y(), SmallestResultWindow.height()));
        return {origin, wanted.boundedTo(room)};
    }
    if (belowBand - shift >= needed.height() && area.width() - shift >= needed.width()) {
        const QPoint origin(shift, keepClear.bottom() + 1 + shift);
        const QSize room(std::max(area.width() - origin.x(), SmallestResultWindow.width()),
                         area.height() - origin.y());
        return {origin, wanted.boundedTo(room)};
    }
    const QSize size = wanted.boundedTo(area);
    const int x = std::max(0, area.width() - size.width() - shift);
    const int y = std::min(shift, std::max(0, area.height() - size.height()));
    return {QPoint(x, y), size};
}

} // namespace hydrim::gui
