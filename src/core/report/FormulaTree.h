// The formulas of the design report's method as trees, free of any drawing:
// the symbols of the result tables (in the layout files' markup: a blank, the
// base, the index that the tables lower), raised exponents, fractions,
// square roots, parentheses that grow with what they enclose and a sum with
// its limits. The desktop paints them (render/Formula.h), the browser
// version sets them as MathML from the engine's report() answer.
#pragma once

#include <string>
#include <vector>

namespace hydrim::report {

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
    std::string text;
    std::vector<FormulaNode> children;
};

// Builders, so that formulas read close to how they are printed.
FormulaNode F(const std::string& text);
FormulaNode Sym(const char* markup);
FormulaNode Seq(std::vector<FormulaNode> items);
FormulaNode Pow(FormulaNode base, const std::string& exponent);
FormulaNode Frac(FormulaNode numerator, FormulaNode denominator);
FormulaNode Sqrt(FormulaNode radicand);
FormulaNode Paren(FormulaNode inside);
FormulaNode SumOf(FormulaNode below, FormulaNode above);

// The words of a paragraph whose symbols are written in braces without
// their blank ("je-li {tsk} > 300 min", "{max iso}"): each word a Row of its
// texts and symbols, to be set with a space between words and wrapped
// between them.
std::vector<FormulaNode> InlineWords(const std::string& text);

// Appends the symbols (layout-file markup) that formula holds to symbols.
void CollectSymbols(const FormulaNode& formula, std::vector<std::string>& symbols);

} // namespace hydrim::report
