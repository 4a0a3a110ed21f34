// The printed page of a project that yields no runoff: instead of result
// tables it shows the description, the inputs (as the design report lists
// them) and the no-runoff message with its cause, so that the answer "no
// runoff" can be filed and checked like any other result.
#pragma once

#include "core/results/InputSummary.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;
class QPaintDevice;

namespace hydrim::render {

struct NoRunoffContent {
    std::vector<InputBlock> inputs;
    QString message; // the computation's message, its cause on the lines after the first
};

// One printed line: a heading, a label with its value and unit, or a line
// of running text.
struct PrintedLine {
    enum Style { Heading, Value, Text };
    Style style = Text;
    QString label; // the heading or the text
    QString value;
    QString unit;
};

// The lines of the page from its top: "Identifikační údaje" with the
// description, the input blocks, and "Výsledek výpočtu" with the message;
// texts broken to width in font on device, numbers written with
// decimalSeparator.
std::vector<PrintedLine> NoRunoffLines(const QStringList& description, const NoRunoffContent& content,
                                       char decimalSeparator, const QFont& font, const QPaintDevice& device,
                                       int width);

// Paints one line into rect (one line high) in font: a heading in bold, a
// value line in three columns.
void PaintPrintedLine(QPainter& painter, const PrintedLine& line, const QFont& font, const QRect& rect);

} // namespace hydrim::render
