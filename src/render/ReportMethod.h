// The method section of the design report: the formulas of the computation
// with their symbols and units, the reduction of the 1-day rainfall to a
// rain of given duration with its source, and the SCS curve-number runoff.
#pragma once

#include <QString>

#include <vector>

namespace hydrim::render {

struct MethodParagraph {
    QString heading; // empty for a paragraph that continues the one above
    QString text;
};

// The paragraphs for the variant computed (0 Variant I, 1 II, 2 III), their
// numbers written with a decimal point (render/DocumentNumbers.h gives them
// the document's separator).
std::vector<MethodParagraph> MethodParagraphs(int variant);

} // namespace hydrim::render
