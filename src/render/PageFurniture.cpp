#include "render/PageFurniture.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

namespace hydrim::render {

QString PageHeaderText(const PageFurniture& furniture) {
    QStringList parts;
    if (!furniture.fileName.isEmpty()) {
        parts << furniture.fileName;
    }
    if (furniture.date.isValid()) {
        parts << QStringLiteral("Datum výpočtu: %1")
                     .arg(furniture.date.toString(QStringLiteral("d. M. yyyy H:mm")));
    }
    return parts.join(QStringLiteral("   "));
}

QString PageNumberText(const PageFurniture& furniture) {
    return QStringLiteral("strana %1 z %2").arg(furniture.page).arg(furniture.pageCount);
}

void PaintPageFurniture(QPainter& painter, const PageFurniture& furniture, const QFont& font,
                        const QRect& header, const QRect& footer) {
    const QFontMetricsF metrics(font, painter.device());
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(header, Qt::AlignRight | Qt::AlignTop,
                     metrics.elidedText(PageHeaderText(furniture), Qt::ElideMiddle, header.width()));
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignTop, PageNumberText(furniture));
    painter.restore();
}

QStringList WrapLines(const QStringList& lines, const QFont& font, const QPaintDevice& device, int width) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList wrapped;
    for (const QString& line : lines) {
        QTextLayout layout(line, font, &device);
        layout.setTextOption(option);
        layout.beginLayout();
        int count = 0;
        for (QTextLine text = layout.createLine(); text.isValid(); text = layout.createLine()) {
            text.setLineWidth(width);
            wrapped << line.mid(text.textStart(), text.textLength()).trimmed();
            ++count;
        }
        layout.endLayout();
        if (count == 0) {
            wrapped << QString();
        }
    }
    return wrapped;
}

} // namespace hydrim::render
