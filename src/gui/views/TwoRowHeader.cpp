#include "gui/views/TwoRowHeader.h"

#include "gui/views/UnitText.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace hydrim::gui {

namespace {
constexpr int RowPadding = 6;
}

TwoRowHeader::TwoRowHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
}

int TwoRowHeader::rowHeight() const {
    return fontMetrics().height() + RowPadding;
}

QSize TwoRowHeader::sectionSizeFromContents(int logicalIndex) const {
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    size.setHeight(2 * rowHeight());
    return size;
}

void TwoRowHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    if (!rect.isValid() || model() == nullptr) {
        return;
    }
    QStyleOptionHeader option;
    initStyleOption(&option);
    option.rect = rect;
    option.section = logicalIndex;
    option.text.clear();
    painter->save();
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
    painter->restore();

    const QString title = model()->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole).toString();
    const QString unit = model()->headerData(logicalIndex, Qt::Horizontal, UnitRole).toString();
    const int half = rect.height() / 2;
    const QRect top(rect.left(), rect.top(), rect.width(), half);
    const QRect bottom(rect.left(), rect.top() + half, rect.width(), rect.height() - half);
    painter->save();
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->setFont(font());
    painter->drawText(top, Qt::AlignCenter, title);
    painter->setPen(QPen(palette().color(QPalette::Mid)));
    painter->drawLine(bottom.topLeft(), bottom.topRight());
    painter->setPen(palette().color(QPalette::ButtonText));
    DrawUnitText(*painter, bottom, unit, font());
    painter->restore();
}

} // namespace hydrim::gui
