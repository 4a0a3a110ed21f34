#include "render/Formula.h"

#include "core/results/CellMarkup.h"
#include "render/CellPainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace hydrim::render {

namespace {

// Shares of the font's line height.
constexpr double FractionGap = 0.16;  // between a bar and its numerator or denominator
constexpr double FractionPad = 0.15;  // a bar reaches this far beyond the wider part
constexpr double RootGap = 0.14;      // between a radicand and its overline
constexpr double RootPad = 0.08;      // after the radical sign and after the radicand
constexpr double RuleWidth = 0.055;   // fraction bar and overline
constexpr double FenceMargin = 1.08;  // parentheses this much taller than their content
constexpr double SumGlyphScale = 1.3; // the Σ against the text
constexpr double LimitScale = 0.7;    // the limits of a sum against the text

QFont Scaled(const QFont& font, double scale) {
    QFont scaled(font);
    if (font.pointSizeF() > 0) {
        scaled.setPointSizeF(font.pointSizeF() * scale);
    } else {
        scaled.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale))));
    }
    return scaled;
}

// The runs of a symbol as the result tables draw it, without the blank that
// leads each symbol of the layout files.
std::vector<TextRun> SymbolRunsOf(const std::string& markup) {
    std::vector<TextRun> runs = SymbolRuns(markup, markup == " g", true);
    if (!runs.empty() && runs.front().text.starts_with(' ')) {
        runs.front().text.erase(0, 1);
    }
    return runs;
}

class Typesetter {
public:
    Typesetter(const QPaintDevice* device, QPainter* painter) : device_(device), painter_(painter) {}

    // Lays node out with its baseline starting at (x, baseline), painting it
    // when there is a painter, and returns its box.
    FormulaBox layout(const FormulaNode& node, const QFont& font, double x, double baseline) {
        switch (node.kind) {
        case FormulaNode::Text:
            return runs({TextRun{node.text, TextRun::Normal, false, false}}, font, x, baseline);
        case FormulaNode::Symbol:
            return runs(SymbolRunsOf(node.text), font, x, baseline);
        case FormulaNode::Row:
            return row(node.children, font, x, baseline);
        case FormulaNode::Power:
            return power(node, font, x, baseline);
        case FormulaNode::Fraction:
            return fraction(node, font, x, baseline);
        case FormulaNode::Root:
            return root(node, font, x, baseline);
        case FormulaNode::Fenced:
            return fenced(node, font, x, baseline);
        case FormulaNode::Sum:
            return sum(node, font, x, baseline);
        }
        return {};
    }

private:
    FormulaBox measure(const FormulaNode& node, const QFont& font) {
        return Typesetter(device_, nullptr).layout(node, font, 0, 0);
    }

    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, device_); }

    double rule(const QFont& font) const { return std::max(1.0, RuleWidth * metrics(font).height()); }

    void text(const QString& text, const QFont& font, double x, double baseline) {
        if (painter_) {
            painter_->setFont(font);
            painter_->drawText(QPointF(x, baseline), text);
        }
    }

    void line(const QFont& font, QPointF from, QPointF to) {
        if (painter_) {
            painter_->setPen(QPen(Qt::black, rule(font), Qt::SolidLine, Qt::FlatCap));
            painter_->drawLine(from, to);
        }
    }

    FormulaBox runs(const std::vector<TextRun>& textRuns, const QFont& font, double x, double baseline) {
        const QFontMetricsF normal = metrics(font);
        FormulaBox box{0, normal.ascent(), normal.descent()};
        for (const TextRun& run : textRuns) {
            const ShapedRun shaped = ShapeRun(run, font, device_);
            const QFontMetricsF own(shaped.font);
            text(shaped.text, shaped.font, x + box.width, baseline + shaped.baselineShift);
            box.ascent = std::max(box.ascent, own.ascent() - shaped.baselineShift);
            box.descent = std::max(box.descent, own.descent() + shaped.baselineShift);
            box.width += shaped.advance;
        }
        return box;
    }

    FormulaBox row(const std::vector<FormulaNode>& items, const QFont& font, double x, double baseline) {
        const QFontMetricsF normal = metrics(font);
        FormulaBox box{0, normal.ascent(), normal.descent()};
        for (const FormulaNode& item : items) {
            const FormulaBox part = layout(item, font, x + box.width, baseline);
            box.width += part.width;
            box.ascent = std::max(box.ascent, part.ascent);
            box.descent = std::max(box.descent, part.descent);
        }
        return box;
    }

    // The exponent stands at the top of a base taller than the line.
    FormulaBox power(const FormulaNode& node, const QFont& font, double x, double baseline) {
        FormulaBox box = layout(node.children.front(), font, x, baseline);
        const double lift = std::max(0.0, box.ascent - metrics(font).ascent());
        const FormulaBox exponent =
            runs({TextRun{node.text, TextRun::Raised, false, false}}, font, x + box.width, baseline - lift);
        box.width += exponent.width;
        box.ascent = std::max(box.ascent, exponent.ascent + lift);
        return box;
    }

    FormulaBox fraction(const FormulaNode& node, const QFont& font, double x, double baseline) {
        const QFontMetricsF normal = metrics(font);
        const FormulaBox top = measure(node.children[0], font);
        const FormulaBox bottom = measure(node.children[1], font);
        const double gap = FractionGap * normal.height();
        const double pad = FractionPad * normal.height();
        const double axis = normal.strikeOutPos();
        const double half = rule(font) / 2;
        const double width = std::max(top.width, bottom.width) + 2 * pad;
        const double bar = baseline - axis;
        if (painter_) {
            layout(node.children[0], font, x + (width - top.width) / 2, bar - half - gap - top.descent);
            layout(node.children[1], font, x + (width - bottom.width) / 2, bar + half + gap + bottom.ascent);
            line(font, QPointF(x + pad / 2, bar), QPointF(x + width - pad / 2, bar));
        }
        return {width, axis + half + gap + top.height(), bottom.height() + gap + half - axis};
    }

    // A parenthesis or the radical sign stretched upright to cover height,
    // its strokes as wide as in the text: how much, and its ink box
    // relative to its baseline once stretched.
    double stretchOf(const QString& glyph, const QFont& font, double height, QRectF& ink) const {
        ink = metrics(font).tightBoundingRect(glyph);
        if (ink.height() <= 0 || height <= ink.height()) {
            return 1.0;
        }
        const double stretch = height / ink.height();
        ink = QRectF(ink.left(), ink.top() * stretch, ink.width(), ink.height() * stretch);
        return stretch;
    }

    void stretchedText(const QString& glyph, const QFont& font, double stretch, double x, double baseline) {
        if (painter_) {
            painter_->save();
            painter_->translate(x, baseline);
            painter_->scale(1.0, stretch);
            text(glyph, font, 0, 0);
            painter_->restore();
        }
    }

    FormulaBox root(const FormulaNode& node, const QFont& font, double x, double baseline) {
        const QFontMetricsF normal = metrics(font);
        const FormulaBox inside = measure(node.children.front(), font);
        const double gap = RootGap * normal.height();
        const double pad = RootPad * normal.height();
        const double ruleWidth = rule(font);
        const QString sign = QStringLiteral("√");
        QRectF ink;
        const double stretch = stretchOf(sign, font, inside.height() + gap + ruleWidth, ink);
        // The sign's top meets the overline above the radicand.
        const double top = baseline - inside.ascent - gap - ruleWidth;
        const double signBaseline = top - ink.top();
        stretchedText(sign, font, stretch, x - ink.left(), signBaseline);
        const double contentLeft = x + ink.width() + pad;
        if (painter_) {
            layout(node.children.front(), font, contentLeft, baseline);
            line(font, QPointF(x + ink.width() - ruleWidth / 2, top + ruleWidth / 2),
                 QPointF(contentLeft + inside.width + pad, top + ruleWidth / 2));
        }
        return {ink.width() + 2 * pad + inside.width, baseline - top,
                std::max(inside.descent, signBaseline + ink.bottom() - baseline)};
    }

    FormulaBox fenced(const FormulaNode& node, const QFont& font, double x, double baseline) {
        const QFontMetricsF normal = metrics(font);
        const FormulaBox inside = measure(node.children.front(), font);
        const bool tall = inside.height() > FenceMargin * normal.height();
        QRectF ink;
        const double stretch =
            tall ? stretchOf(QStringLiteral("("), font, FenceMargin * inside.height(), ink) : 1.0;
        // A stretched parenthesis is centred on its content; a plain one sits on the line.
        const double centre = baseline - (inside.ascent - inside.descent) / 2;
        const double fenceBaseline = tall ? centre - (ink.top() + ink.bottom()) / 2 : baseline;
        const double open = normal.horizontalAdvance(QStringLiteral("("));
        stretchedText(QStringLiteral("("), font, stretch, x, fenceBaseline);
        if (painter_) {
            layout(node.children.front(), font, x + open, baseline);
        }
        stretchedText(QStringLiteral(")"), font, stretch, x + open + inside.width, fenceBaseline);
        const double shift = fenceBaseline - baseline;
        return {open + inside.width + normal.horizontalAdvance(QStringLiteral(")")),
                std::max(inside.ascent, stretch * normal.ascent() - shift),
                std::max(inside.descent, stretch * normal.descent() + shift)};
    }

    FormulaBox sum(const FormulaNode& node, const QFont& font, double x, double baseline) {
        const QFont glyphFont = Scaled(font, SumGlyphScale);
        const QFont limitFont = Scaled(font, LimitScale);
        const QString sigma = QStringLiteral("Σ");
        const QRectF ink = metrics(glyphFont).tightBoundingRect(sigma);
        const double advance = metrics(glyphFont).horizontalAdvance(sigma);
        const FormulaBox below = measure(node.children[0], limitFont);
        const FormulaBox above = measure(node.children[1], limitFont);
        const double width = std::max({advance, below.width, above.width});
        const double gap = FractionGap * metrics(font).height();
        // The Σ is centred on the axis of the line.
        const double glyphBaseline = baseline - metrics(font).strikeOutPos() - (ink.top() + ink.bottom()) / 2;
        text(sigma, glyphFont, x + (width - advance) / 2, glyphBaseline);
        const double belowBaseline = glyphBaseline + ink.bottom() + gap + below.ascent;
        const double aboveBaseline = glyphBaseline + ink.top() - gap - above.descent;
        if (painter_) {
            layout(node.children[0], limitFont, x + (width - below.width) / 2, belowBaseline);
            layout(node.children[1], limitFont, x + (width - above.width) / 2, aboveBaseline);
        }
        const double pad = RootPad * metrics(font).height();
        return {width + pad, baseline - aboveBaseline + above.ascent,
                belowBaseline + below.descent - baseline};
    }

    const QPaintDevice* device_;
    QPainter* painter_;
};

} // namespace

FormulaBox MeasureFormula(const FormulaNode& formula, const QFont& font, const QPaintDevice* device) {
    return Typesetter(device, nullptr).layout(formula, font, 0, 0);
}

void PaintFormula(QPainter& painter, const FormulaNode& formula, const QFont& font, double x,
                  double baseline) {
    painter.save();
    painter.setPen(Qt::black);
    Typesetter(painter.device(), &painter).layout(formula, font, x, baseline);
    painter.restore();
}

} // namespace hydrim::render
