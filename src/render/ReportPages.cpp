// Page composition of the design report. The report is laid out twice with
// the same code: once without painting to count the pages (for "strana X
// z Y"), then painted.
#include "render/DesignReport.h"

#include "core/report/ReportMethod.h"
#include "core/results/CellMarkup.h"
#include "render/CellPainter.h"
#include "render/Formula.h"
#include "render/PrintChartPage.h"
#include "render/PrintJobs.h"
#include "render/PrintTablePage.h"
#include "render/ProgramLine.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace hydrim::render {

namespace {

constexpr double MarginShare = 0.08;      // of the page width, left, right and bottom
constexpr double ChartHeightShare = 0.62; // of the text width
constexpr double NoteIndentShare = 0.04;  // of the text width
// A chart of half a page is laid out as if this much larger, so that its
// labels and legend have the room they have on a whole printed page.
constexpr double ChartLayoutEnlargement = 1.8;
// The method's formulas stand indented; the symbol list's meanings and units
// start at these shares of the text width.
constexpr double FormulaIndentShare = 0.06;
constexpr double MeaningShare = 0.14;
constexpr double UnitShare = 0.8;
// Lines to sign at the foot of the first page: each this many text lines
// tall, the line to sign ending at this share of the text width.
const std::array<const char*, 3> SignOffLabels = {"Zpracoval", "Kontroloval", "Datum"};
constexpr double SignOffRowLines = 2.2;
constexpr double SignOffLineEnd = 0.6;

// A font whose letters are never joined into ligatures, so that text copied
// from the PDF reads as typed ("fi", not one ligature glyph): a letter
// spacing too small to see switches the font's ligatures off.
QFont ReportFont(double points, bool bold = false) {
    QFont font(DefaultTableFont());
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
    return font;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The texts of the warnings box under one label.
using WarningGroup = std::pair<QString, QStringList>;

// The warnings box: the warnings under "Upozornění" (or that there are
// none), then the notes, if any, under "Poznámka" / "Poznámky".
std::vector<WarningGroup> WarningGroups(const DesignReport& report) {
    const auto bullets = [](const QStringList& items) {
        QStringList texts;
        for (const QString& item : items) {
            texts << QStringLiteral("• ") + item;
        }
        return texts;
    };
    std::vector<WarningGroup> groups;
    groups.emplace_back(QString::fromUtf8(SeverityLabel(WarningSeverity::Warning)),
                        report.warnings.isEmpty()
                            ? QStringList{QStringLiteral("Výpočet nevydal žádné upozornění.")}
                            : bullets(report.warnings));
    if (!report.notes.isEmpty()) {
        groups.emplace_back(
            QString::fromUtf8(SeverityLabel(WarningSeverity::Note, static_cast<size_t>(report.notes.size()))),
            bullets(report.notes));
    }
    return groups;
}

class ReportPages {
public:
    ReportPages(QPainter* painter, QPagedPaintDevice& device, const DesignReport& report, int total)
        : painter_(painter), device_(device), report_(report), total_(total) {
        const double width = device.width();
        const double margin = std::round(MarginShare * width);
        const double small = QFontMetricsF(ReportFont(9), &device).height();
        headerTop_ = margin / 2;
        content_ = QRectF(QPointF(margin, headerTop_ + 2.5 * small),
                          QPointF(width - margin, device.height() - margin / 2 - 2 * small));
        signOffHeight_ = (SignOffLabels.size() * SignOffRowLines + 1) * lineHeight(ReportFont(10));
    }

    int run() {
        startPage();
        title();
        identification();
        inputs();
        if (report_.noRunoffMessage.isEmpty()) {
            warnings();
            tables();
            charts();
        } else {
            if (!report_.warnings.isEmpty()) {
                warnings();
            }
            noRunoff();
        }
        method();
        return page_;
    }

private:
    // ------------------------------------------------------------ pages

    void startPage() {
        if (page_ > 0 && painter_) {
            device_.newPage();
        }
        ++page_;
        y_ = content_.top();
        if (painter_) {
            paintFrame();
            if (page_ == 1) {
                paintSignOff();
            }
        }
    }

    // The bottom of what the page's content may fill: the first page keeps
    // its foot for the lines to sign.
    double bottom() const { return content_.bottom() - (page_ == 1 ? signOffHeight_ : 0.0); }

    void paintSignOff() {
        const QFont font = ReportFont(10);
        const double line = lineHeight(font);
        const double labelWidth = 0.2 * content_.width();
        double y = content_.bottom() - SignOffLabels.size() * SignOffRowLines * line;
        painter_->setFont(font);
        for (const char* label : SignOffLabels) {
            const double baseline = y + (SignOffRowLines - 0.4) * line;
            painter_->setPen(Qt::black);
            painter_->drawText(QPointF(content_.left(), baseline), QString::fromUtf8(label));
            painter_->setPen(QPen(Qt::black, std::max(1.0, line / 20)));
            painter_->drawLine(QPointF(content_.left() + labelWidth, baseline),
                               QPointF(content_.left() + SignOffLineEnd * content_.width(), baseline));
            y += SignOffRowLines * line;
        }
    }

    // The header (project, date of computation, program) and the page number.
    void paintFrame() {
        const QFont font = ReportFont(9);
        const double line = QFontMetricsF(font, &device_).height();
        const QRectF header(content_.left(), headerTop_, content_.width(), line);
        painter_->setFont(font);
        painter_->setPen(Qt::black);
        painter_->drawText(header, Qt::AlignLeft | Qt::AlignVCenter, report_.projectName);
        painter_->drawText(header, Qt::AlignHCenter | Qt::AlignVCenter,
                           QStringLiteral("Datum výpočtu: %1")
                               .arg(report_.computedAt.toString(QStringLiteral("d. M. yyyy H:mm"))));
        painter_->drawText(header, Qt::AlignRight | Qt::AlignVCenter, ProgramLine());
        painter_->setPen(QPen(Qt::black, std::max(1.0, line / 12)));
        painter_->drawLine(QPointF(content_.left(), header.bottom() + line / 4),
                           QPointF(content_.right(), header.bottom() + line / 4));
        const QRectF footer(content_.left(), content_.bottom() + line, content_.width(), line);
        painter_->setPen(Qt::black);
        painter_->drawText(footer, Qt::AlignHCenter | Qt::AlignVCenter,
                           QStringLiteral("strana %1 z %2").arg(page_).arg(total_));
    }

    // Starts a new page unless height fits below y_ (an empty page takes anything).
    void ensure(double height) {
        if (y_ + height > bottom() && y_ > content_.top()) {
            startPage();
        }
    }

    double lineHeight(const QFont& font) const { return QFontMetricsF(font, &device_).height(); }

    double textHeight(const QString& text, const QFont& font, double width) const {
        return QFontMetricsF(font, &device_)
            .boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text)
            .height();
    }

    // A paragraph wrapped to the text width less indent.
    void paragraph(const QString& text, const QFont& font, double indent = 0) {
        const double width = content_.width() - indent;
        const double height = textHeight(text, font, width);
        ensure(height);
        if (painter_) {
            painter_->setFont(font);
            painter_->setPen(Qt::black);
            painter_->drawText(QRectF(content_.left() + indent, y_, width, height), Qt::TextWordWrap, text);
        }
        y_ += height;
    }

    // A heading kept on one page with the first lines that follow it.
    void heading(const QString& text, double points, double following) {
        const QFont font = ReportFont(points, true);
        y_ += lineHeight(font) / 2;
        ensure(lineHeight(font) * 1.3 + following);
        paragraph(text, font);
        y_ += lineHeight(font) * 0.3;
    }

    // Rows of label, value and unit in three columns. A value without a unit
    // (a name typed by the user) may take the unit's column too and wraps
    // there rather than being cut.
    void lines(const std::vector<InputLine>& rows) {
        const QFont font = ReportFont(10);
        const double height = lineHeight(font);
        const double valueLeft = content_.left() + 0.58 * content_.width();
        const double unitLeft = content_.left() + 0.78 * content_.width();
        for (const InputLine& row : rows) {
            const double labelHeight =
                textHeight(Text(row.Label), font, valueLeft - content_.left() - height);
            const double valueWidth = (row.Unit.empty() ? content_.right() : unitLeft) - valueLeft;
            const double valueHeight = textHeight(Text(row.Value), font, valueWidth);
            const double rowHeight = std::max({height, labelHeight, valueHeight});
            ensure(rowHeight);
            if (painter_) {
                painter_->setFont(font);
                painter_->setPen(Qt::black);
                painter_->drawText(
                    QRectF(content_.left(), y_, valueLeft - content_.left() - height, labelHeight),
                    Qt::TextWordWrap, Text(row.Label));
                painter_->drawText(QRectF(valueLeft, y_, valueWidth, rowHeight),
                                   Qt::AlignLeft | Qt::TextWordWrap, Text(row.Value));
                painter_->drawText(QRectF(unitLeft, y_, content_.right() - unitLeft, height), Qt::AlignLeft,
                                   Text(row.Unit));
            }
            y_ += rowHeight;
        }
    }

    // ------------------------------------------------------------ sections

    void title() {
        paragraph(QStringLiteral("Protokol výpočtu"), ReportFont(18, true));
        paragraph(QStringLiteral("Návrhové průtoky malého povodí"), ReportFont(11));
    }

    void identification() {
        heading(QStringLiteral("Identifikační údaje"), 13, lineHeight(ReportFont(10)) * 4);
        lines(report_.identification);
        if (!report_.description.isEmpty()) {
            heading(QStringLiteral("Popis projektu"), 11, lineHeight(ReportFont(10)));
            for (const QString& line : report_.description) {
                paragraph(line, ReportFont(10));
            }
        }
    }

    void inputs() {
        heading(QStringLiteral("Vstupní údaje"), 13, lineHeight(ReportFont(10)) * 3);
        const QFont noteFont = ReportFont(9);
        const double indent = NoteIndentShare * content_.width();
        for (const InputBlock& block : report_.inputs) {
            heading(Text(block.Heading), 11, lineHeight(ReportFont(10)) * 2);
            lines(block.Lines);
            for (const std::string& note : block.Notes) {
                paragraph(Text(note), noteFont, indent);
            }
        }
    }

    // The warnings and the notes, each under its label, in a framed box;
    // without warnings the box says so. A box longer than the rest of the
    // page goes on over the next pages, framed on each, a label kept with
    // its first text.
    void warnings() {
        const QFont font = ReportFont(10);
        const QFont bold = ReportFont(11, true);
        const double pad = lineHeight(font) / 2;
        const double width = content_.width() - 2 * pad;
        y_ += lineHeight(bold);
        double top = -1;
        for (const auto& [heading, texts] : WarningGroups(report_)) {
            const double headingHeight = lineHeight(bold) * 1.3;
            for (int k = 0; k < texts.size(); ++k) {
                const double textBlock = textHeight(texts[k], font, width);
                const double needed = (k == 0 ? headingHeight : 0) + textBlock;
                if (top < 0 || (y_ + needed + pad > bottom() && y_ > top + pad)) {
                    if (top >= 0) {
                        frame(top, y_ + pad, pad);
                        startPage();
                    } else {
                        ensure(needed + 2 * pad);
                    }
                    top = y_;
                    y_ += pad;
                }
                if (k == 0) {
                    paintText(QRectF(content_.left() + pad, y_, width, lineHeight(bold)), bold, heading);
                    y_ += headingHeight;
                }
                paintText(QRectF(content_.left() + pad, y_, width, textBlock), font, texts[k]);
                y_ += textBlock;
            }
        }
        y_ += pad;
        frame(top, y_, pad);
    }

    void paintText(const QRectF& rect, const QFont& font, const QString& text) {
        if (painter_) {
            painter_->setFont(font);
            painter_->setPen(Qt::black);
            painter_->drawText(rect, Qt::TextWordWrap, text);
        }
    }

    // The frame of the warnings box from top to bottom on this page.
    void frame(double top, double bottom, double pad) {
        if (painter_) {
            painter_->setBrush(Qt::NoBrush);
            painter_->setPen(QPen(Qt::black, std::max(1.0, pad / 4)));
            painter_->drawRect(QRectF(content_.left(), top, content_.width(), bottom - top));
        }
    }

    // Each result table as the window shows it, scaled to the text width
    // when it is wider; a table goes below the one before when it fits. The
    // tables begin on a page of their own, or below the warnings that the
    // lines to sign pushed off the first page.
    void tables() {
        if (page_ == 1) {
            startPage();
        }
        heading(QStringLiteral("Výsledky výpočtu"), 13, 0);
        const QFont headingFont = ReportFont(11, true);
        for (const ResultGrid& grid : report_.tables) {
            TablePageLayout layout = LayoutTablePage(grid, DefaultTableFont(), device_,
                                                     QSize(device_.width(), device_.height()), 0);
            const double pen = layout.framePen;
            const double available = bottom() - content_.top() - 2 * lineHeight(headingFont);
            const double scale = std::min({1.0, (content_.width() - 2 * pen) / layout.tableWidth(),
                                           available / (layout.tableHeight() + 2 * pen)});
            const double height = (layout.tableHeight() + 2 * pen) * scale;
            ensure(lineHeight(headingFont) * 1.5 + height);
            paragraph(Text(grid.Title), headingFont);
            y_ += lineHeight(headingFont) * 0.3;
            if (painter_) {
                layout.left = 0;
                layout.tableTop = 0;
                painter_->save();
                painter_->translate(content_.left() + pen * scale, y_ + pen * scale);
                painter_->scale(scale, scale);
                PaintTableBody(*painter_, layout, grid);
                painter_->restore();
            }
            y_ += height + lineHeight(headingFont);
        }
    }

    // Where the results would stand: the no-runoff message, its cause below.
    void noRunoff() {
        heading(QStringLiteral("Výsledek výpočtu"), 13, lineHeight(ReportFont(10)) * 2);
        const QStringList lines = report_.noRunoffMessage.split(QLatin1Char('\n'));
        paragraph(lines.front(), ReportFont(11, true));
        for (qsizetype k = 1; k < lines.size(); ++k) {
            paragraph(lines[k], ReportFont(10));
        }
    }

    void charts() {
        if (report_.charts.empty()) {
            return;
        }
        const double height = ChartHeightShare * content_.width();
        heading(QStringLiteral("Hydrogramy"), 13, height);
        const QSize layoutSize(static_cast<int>(content_.width() * ChartLayoutEnlargement),
                               static_cast<int>(height * ChartLayoutEnlargement));
        for (const HydrographChartContent& chart : report_.charts) {
            ensure(height);
            if (painter_) {
                painter_->save();
                painter_->translate(content_.left(), y_);
                painter_->scale(1 / ChartLayoutEnlargement, 1 / ChartLayoutEnlargement);
                PaintChartPage(*painter_, layoutSize, chart);
                painter_->restore();
            }
            y_ += height;
        }
    }

    void method() {
        heading(QStringLiteral("Metoda výpočtu"), 13, lineHeight(ReportFont(10)) * 6);
        for (const report::MethodItem& item : report::MethodSection(report_.method)) {
            switch (item.kind) {
            case report::MethodItem::Heading:
                heading(Text(item.text), 11, lineHeight(ReportFont(10)) * 3);
                break;
            case report::MethodItem::Paragraph:
                flow(item.text, ReportFont(10));
                y_ += 0.3 * lineHeight(ReportFont(10));
                break;
            case report::MethodItem::Formula:
                formula(item);
                break;
            case report::MethodItem::SymbolRow:
                symbolRow(item);
                break;
            case report::MethodItem::Reference:
                flow(item.text, ReportFont(10), QStringLiteral("[%1]").arg(item.number));
                break;
            }
        }
    }

    // A paragraph of words and symbols wrapped to the text width; label (a
    // reference number) stands left of its first line, the text indented.
    void flow(const std::string& text, const QFont& font, const QString& label = {}) {
        const std::vector<FormulaNode> words = InlineWords(text);
        const QFontMetricsF metrics(font, &device_);
        const double space = metrics.horizontalAdvance(QLatin1Char(' '));
        const double indent =
            label.isEmpty() ? 0.0 : metrics.horizontalAdvance(QStringLiteral("[00]")) + space;
        const double width = content_.width() - indent;
        std::vector<FormulaBox> boxes;
        for (const FormulaNode& word : words) {
            boxes.push_back(MeasureFormula(word, font, &device_));
        }
        for (size_t first = 0; first < words.size();) {
            double ascent = metrics.ascent(), descent = metrics.descent();
            double used = boxes[first].width;
            size_t end = first + 1;
            while (end < words.size() && used + space + boxes[end].width <= width) {
                used += space + boxes[end++].width;
            }
            for (size_t k = first; k < end; ++k) {
                ascent = std::max(ascent, boxes[k].ascent);
                descent = std::max(descent, boxes[k].descent);
            }
            ensure(ascent + descent);
            if (painter_) {
                double x = content_.left() + indent;
                if (first == 0 && !label.isEmpty()) {
                    painter_->setFont(font);
                    painter_->setPen(Qt::black);
                    painter_->drawText(QPointF(content_.left(), y_ + ascent), label);
                }
                for (size_t k = first; k < end; ++k) {
                    PaintFormula(*painter_, words[k], font, x, y_ + ascent);
                    x += boxes[k].width + space;
                }
            }
            y_ += ascent + descent;
            first = end;
        }
    }

    // The words of text on one line, a space between them.
    static FormulaNode Sentence(const std::string& text) {
        std::vector<FormulaNode> parts;
        for (FormulaNode& word : InlineWords(text)) {
            if (!parts.empty()) {
                parts.push_back(F(" "));
            }
            parts.push_back(std::move(word));
        }
        return Seq(std::move(parts));
    }

    // A numbered formula, its note beside it (or below when there is no
    // room) and its number "(n)" at the right margin.
    void formula(const report::MethodItem& item) {
        const QFont font = ReportFont(10);
        const QFont noteFont = ReportFont(9);
        const FormulaBox box = MeasureFormula(item.formula, font, &device_);
        const double gap = 0.3 * lineHeight(font);
        const QString number = QStringLiteral("(%1)").arg(item.number);
        const QFontMetricsF numberMetrics(font, &device_);
        const double left = content_.left() + FormulaIndentShare * content_.width();
        const double noteLeft = left + box.width + 2 * numberMetrics.horizontalAdvance(QLatin1Char(' '));
        const FormulaNode note = Sentence(item.text);
        const double noteWidth = MeasureFormula(note, noteFont, &device_).width;
        const bool noteBelow =
            noteLeft + noteWidth > content_.right() - 2 * numberMetrics.horizontalAdvance(number);
        const double noteHeight = item.text.empty() || !noteBelow ? 0.0 : lineHeight(noteFont);
        ensure(box.height() + noteHeight + 2 * gap);
        y_ += gap;
        const double baseline = y_ + box.ascent;
        if (painter_) {
            PaintFormula(*painter_, item.formula, font, left, baseline);
            painter_->setPen(Qt::black);
            painter_->setFont(font);
            painter_->drawText(QPointF(content_.right() - numberMetrics.horizontalAdvance(number), baseline),
                               number);
            if (noteBelow) {
                PaintFormula(*painter_, note, noteFont, left,
                             baseline + box.descent + lineHeight(noteFont) * 0.8);
            } else {
                PaintFormula(*painter_, note, noteFont, noteLeft, baseline);
            }
        }
        y_ += box.height() + noteHeight + gap;
    }

    // Symbol, meaning and unit drawn as the result tables draw them.
    void symbolRow(const report::MethodItem& item) {
        const QFont font = ReportFont(10);
        const double height = lineHeight(font) * 1.15;
        ensure(height);
        if (painter_) {
            const CellPainter cells(font);
            const double meaningLeft = content_.left() + MeaningShare * content_.width();
            const double unitLeft = content_.left() + UnitShare * content_.width();
            const std::string& symbol = item.symbol;
            cells.paintRuns(*painter_, QRectF(content_.left(), y_, meaningLeft - content_.left(), height),
                            SymbolRuns(symbol, symbol == " g", true));
            cells.paintRuns(*painter_, QRectF(meaningLeft, y_, unitLeft - meaningLeft, height),
                            DescriptionRuns(item.meaning, {"tsk", "H1dN"}));
            cells.paintRuns(*painter_, QRectF(unitLeft, y_, content_.right() - unitLeft, height),
                            item.unit.empty()
                                ? std::vector<TextRun>{TextRun{"–", TextRun::Normal, false, false}}
                                : UnitRuns(item.unit));
        }
        y_ += height;
    }

    QPainter* painter_;
    QPagedPaintDevice& device_;
    const DesignReport& report_;
    int total_;
    int page_ = 0;
    double headerTop_ = 0;
    double signOffHeight_ = 0;
    QRectF content_;
    double y_ = 0;
};

} // namespace

int CountDesignReportPages(QPagedPaintDevice& device, const DesignReport& report) {
    return ReportPages(nullptr, device, report, 0).run();
}

int PaintDesignReport(QPainter& painter, QPagedPaintDevice& device, const DesignReport& report) {
    const int total = CountDesignReportPages(device, report);
    return ReportPages(&painter, device, report, total).run();
}

} // namespace hydrim::render
