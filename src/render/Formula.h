// Typeset formulas of the design report's method: the symbols of the result
// tables drawn as the tables draw them (a base and a lowered index, the Greek
// letter of the roughness), raised exponents, fractions with a bar, square
// roots and parentheses that grow with what they enclose, and a sum with its
// limits. Exponents go through the one run painter (render/CellPainter.h,
// ShapeRun), so "Iu²" and "ts⁻ᶜ" copy from a PDF as they read.
#pragma once

#include "core/report/FormulaTree.h"

#include <QFont>

#include <vector>

class QPainter;
class QPaintDevice;

namespace hydrim::render {

// The formula trees and their builders are the engine's (core/report).
using report::CollectSymbols;
using report::F;
using report::FormulaNode;
using report::Frac;
using report::InlineWords;
using report::Paren;
using report::Pow;
using report::Seq;
using report::Sqrt;
using report::SumOf;
using report::Sym;

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
