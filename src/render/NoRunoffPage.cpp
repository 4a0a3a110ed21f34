#include "render/NoRunoffPage.h"

#include "render/DocumentNumbers.h"
#include "render/PageFurniture.h"

#include <QPainter>

#include <cmath>

namespace hydrim::render {

namespace {

// Where the value and the unit columns begin, as shares of the line.
constexpr double ValueColumn = 0.7;
constexpr double UnitColumn = 0.86;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

void AddText(std::vector<PrintedLine>& lines, const QStringList& texts, const QFont& font,
             const QPaintDevice& device, int width) {
    for (const QString& text : WrapLines(texts, font, device, width)) {
        lines.push_back({PrintedLine::Text, text, {}, {}});
    }
}

} // namespace

std::vector<PrintedLine> NoRunoffLines(const QStringList& description, const NoRunoffContent& content,
                                       char decimalSeparator, const QFont& font, const QPaintDevice& device,
                                       int width) {
    std::vector<PrintedLine> lines{{PrintedLine::Heading, QStringLiteral("Identifikační údaje"), {}, {}}};
    AddText(lines, description, font, device, width);
    lines.push_back({});
    lines.push_back({PrintedLine::Heading, QStringLiteral("Vstupní údaje"), {}, {}});
    for (const InputBlock& block : content.inputs) {
        lines.push_back({PrintedLine::Heading, Text(block.Heading), {}, {}});
        for (const InputLine& line : block.Lines) {
            lines.push_back({PrintedLine::Value, Text(line.Label),
                             WithDecimalSeparator(Text(line.Value), decimalSeparator), Text(line.Unit)});
        }
        QStringList notes;
        for (const std::string& note : block.Notes) {
            notes << WithDecimalSeparator(Text(note), decimalSeparator);
        }
        AddText(lines, notes, font, device, width);
    }
    lines.push_back({});
    lines.push_back({PrintedLine::Heading, QStringLiteral("Výsledek výpočtu"), {}, {}});
    AddText(lines, WithDecimalSeparator(content.message, decimalSeparator).split(QLatin1Char('\n')), font,
            device, width);
    return lines;
}

void PaintPrintedLine(QPainter& painter, const PrintedLine& line, const QFont& font, const QRect& rect) {
    QFont shown(font);
    shown.setBold(line.style == PrintedLine::Heading);
    painter.save();
    painter.setFont(shown);
    painter.setPen(Qt::black);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    if (line.style != PrintedLine::Value) {
        painter.drawText(rect, flags, line.label);
    } else {
        const int valueLeft = rect.left() + static_cast<int>(std::lround(ValueColumn * rect.width()));
        const int unitLeft = rect.left() + static_cast<int>(std::lround(UnitColumn * rect.width()));
        painter.drawText(QRect(rect.left(), rect.top(), valueLeft - rect.left(), rect.height()), flags,
                         line.label);
        painter.drawText(QRect(valueLeft, rect.top(), unitLeft - valueLeft, rect.height()), flags,
                         line.value);
        painter.drawText(QRect(unitLeft, rect.top(), rect.right() - unitLeft, rect.height()), flags,
                         line.unit);
    }
    painter.restore();
}

} // namespace hydrim::render
