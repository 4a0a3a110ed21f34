#include "gui/views/UnitText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

#include <cmath>

namespace hydrim::gui {

QList<TextRun> SplitExponents(const QString& unit) {
    QList<TextRun> runs;
    auto append = [&runs](QChar c, bool superscript) {
        if (runs.isEmpty() || runs.back().superscript != superscript) {
            runs.append(TextRun{QString(), superscript});
        }
        runs.back().text.append(c);
    };
    for (qsizetype k = 0; k < unit.size(); ++k) {
        const QChar c = unit[k];
        const bool inExponent = !runs.isEmpty() && runs.back().superscript;
        const bool afterLetter = k > 0 && unit[k - 1].isLetter();
        const bool startsExponent =
            afterLetter && (c.isDigit() || (c == u'-' && k + 1 < unit.size() && unit[k + 1].isDigit()));
        append(c, startsExponent || (inExponent && c.isDigit()));
    }
    return runs;
}

QFont SuperscriptFont(const QFont& font) {
    QFont small = font;
    if (font.pixelSize() > 0) {
        small.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * 3.0 / 5.0))));
    } else {
        small.setPointSize(std::max(1, static_cast<int>(std::lround(font.pointSizeF() * 3.0 / 5.0))));
    }
    return small;
}

int UnitTextWidth(const QString& unit, const QFont& font) {
    const QFontMetrics normal(font);
    const QFontMetrics raised(SuperscriptFont(font));
    int width = 0;
    for (const TextRun& run : SplitExponents(unit)) {
        width += (run.superscript ? raised : normal).horizontalAdvance(run.text);
    }
    return width;
}

void DrawUnitText(QPainter& painter, const QRect& rect, const QString& unit, const QFont& font) {
    const QFont small = SuperscriptFont(font);
    const QFontMetrics normal(font);
    const QFontMetrics raised(small);
    int x = rect.left() + (rect.width() - UnitTextWidth(unit, font)) / 2;
    const int baseline = rect.top() + (rect.height() + normal.ascent() - normal.descent()) / 2;
    const int raisedBaseline = baseline - normal.ascent() + raised.ascent();
    painter.save();
    for (const TextRun& run : SplitExponents(unit)) {
        painter.setFont(run.superscript ? small : font);
        painter.drawText(x, run.superscript ? raisedBaseline : baseline, run.text);
        x += (run.superscript ? raised : normal).horizontalAdvance(run.text);
    }
    painter.restore();
}

} // namespace hydrim::gui
