// Typeset formulas of the design report's method: the symbols of the result
// tables drawn as the tables draw them (a base and a lowered index, the Greek
// letter of the roughness), raised exponents, fractions with a bar, square
// roots and parentheses that grow with what they enclose, and a sum with its
// limits. Exponents go through the one run painter (render/CellPainter.h,
// ShapeRun), so "Iu²" and "ts⁻ᶜ" copy from a PDF as they read.
#pragma once

#include <QFont>
#include <QString>

#include <string>
#include <vector>

class QPainter;
class QPaintDevice;

namespace hydrim::render {

struct FormulaNode {
    enum Kind {
        Text,     // text: plain characters ("= ", "·", "1000")
        Symbol,   // text: a symbol in the layout files' markup (" Hs", " max iso", " g")
        Row,      // children side by side
        Power,    // children[0] raised to text (an exponent such as "2", "−c", "m")
        Fraction, // children[0] over children[1]
        Root,     // square root of children[0]
        Fenced,   // children[0] in parentheses as tall as it is
        Sum,      // Σ with children[0] below and children[1] above
    };
    Kind kind = Text;
    QString text;
    std::vector<FormulaNode> children;
};

// Builders, so that formulas read close to how they are printed.
FormulaNode F(const QString& text);
FormulaNode Sym(const char* markup);
FormulaNode Seq(std::vector<FormulaNode> items);
FormulaNode Pow(FormulaNode base, const QString& exponent);
FormulaNode Frac(FormulaNode numerator, FormulaNode denominator);
FormulaNode Sqrt(FormulaNode radicand);
FormulaNode Paren(FormulaNode inside);
FormulaNode SumOf(FormulaNode below, FormulaNode above);

// The words of a paragraph whose symbols are written in braces without
// their blank ("je-li {tsk} > 300 min", "{max iso}"): each word a Row of its
// texts and symbols, to be set with a space between words and wrapped
// between them.
std::vector<FormulaNode> InlineWords(const QString& text);

// Appends the symbols (layout-file markup) that formula holds to symbols.
void CollectSymbols(const FormulaNode& formula, std::vector<QString>& symbols);

// The size of a typeset formula: width, and height above and below the
// baseline [device pixels].
struct FormulaBox {
    double width = 0;
    double ascent = 0;
    double descent = 0;
    double height() const { return ascent + descent; }
};

FormulaBox MeasureFormula(const FormulaNode& formula, const QFont& font, const QPaintDevice* device);

// Paints formula with its baseline starting at (x, baseline).
void PaintFormula(QPainter& painter, const FormulaNode& formula, const QFont& font, double x,
                  double baseline);

} // namespace hydrim::render
