#include "render/ChartTitle.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>

namespace hydrim::render {

QString FitChartTitle(const QString& title, const QFont& font, qreal width, int maxLines) {
    const QString text = title.simplified();
    if (text.isEmpty() || maxLines < 1) {
        return {};
    }
    width = std::max<qreal>(width, 1.0);
    const QFontMetricsF metrics(font);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() + 1 == maxLines) {
            // The last line allowed takes the rest of the text, cut short when it does not fit.
            lines << metrics.elidedText(text.mid(line.textStart()).trimmed(), Qt::ElideRight, width);
            break;
        }
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines.join(QLatin1Char('\n'));
}

} // namespace hydrim::render
