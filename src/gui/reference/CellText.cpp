#include "gui/reference/CellText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

namespace hydrim::gui {

namespace {

constexpr int SuperscriptSmaller = 3; // points
constexpr int CellInset = 2;          // pixels between a cell's border and its text

QFont SuperscriptFont(const QFont& font) {
    QFont small = font;
    small.setPointSize(std::max(4, font.pointSize() - SuperscriptSmaller));
    return small;
}

} // namespace

QFont LookupFont(int pointSize, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

TextLine PlainLine(const QString& text) {
    return {TextRun{text, false}};
}

TextLine AreaHeaderLine(const QString& text) {
    if (text.isEmpty()) {
        return {};
    }
    // A table that writes the two itself ("[km2]") gets it raised, not doubled.
    if (text.endsWith(QStringLiteral("2]"))) {
        return {TextRun{text.left(text.size() - 2), false}, TextRun{QStringLiteral("2"), true},
                TextRun{QStringLiteral("]"), false}};
    }
    return {TextRun{text.left(text.size() - 1), false}, TextRun{QStringLiteral("2"), true},
            TextRun{text.right(1), false}};
}

TextLine MinusOneLine(const QString& text) {
    TextLine line;
    int start = 0;
    for (int i = 1; i + 1 < text.size(); ++i) {
        const QChar before = text[i - 1];
        if (text[i] == u'-' && text[i + 1] == u'1' && (before.isLetter() || before == u'.')) {
            line.append({text.mid(start, i - start), false});
            line.append({QStringLiteral("-1"), true});
            start = i + 2;
            ++i;
        }
    }
    line.append({text.mid(start), false});
    return line;
}

QString SymbolFontText(const QString& text) {
    // The Latin-to-Greek layout of the classic symbol font.
    static const QString latin = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    static const QString greek = QStringLiteral("αβχδεφγηιϕκλμνοπθρστυϖωξψζΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ");
    QString result = text;
    for (QChar& c : result) {
        const qsizetype at = latin.indexOf(c);
        if (at >= 0) {
            c = greek[at];
        }
    }
    return result;
}

int LineWidth(const TextLine& line, const QFont& font) {
    const QFontMetrics normal(font);
    const QFontMetrics small(SuperscriptFont(font));
    int width = 0;
    for (const TextRun& run : line) {
        width += (run.superscript ? small : normal).horizontalAdvance(run.text);
    }
    return width;
}

void DrawLine(QPainter& painter, int x, int baseline, const TextLine& line, const QFont& font) {
    const QFont small = SuperscriptFont(font);
    const int raise = QFontMetrics(font).ascent() * 2 / 5;
    for (const TextRun& run : line) {
        const QFont& runFont = run.superscript ? small : font;
        painter.setFont(runFont);
        painter.drawText(x, run.superscript ? baseline - raise : baseline, run.text);
        x += QFontMetrics(runFont).horizontalAdvance(run.text);
    }
    painter.setFont(font);
}

void DrawLines(QPainter& painter, const QRect& rect, const QList<TextLine>& lines, const QFont& font,
               int lineHeight) {
    const QFontMetrics metrics(font);
    const int step = lineHeight > 0 ? lineHeight : metrics.lineSpacing();
    painter.save();
    painter.setClipRect(rect);
    int baseline = rect.top() + CellInset + metrics.ascent();
    for (const TextLine& line : lines) {
        DrawLine(painter, rect.left() + CellInset, baseline, line, font);
        baseline += step;
    }
    painter.restore();
}

} // namespace hydrim::gui
