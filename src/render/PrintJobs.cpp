#include "render/PrintJobs.h"

#include "core/results/GridWarnings.h"
#include "render/DocumentNumbers.h"
#include "render/PageFurniture.h"
#include "render/PrintChartPage.h"
#include "render/PrintNotes.h"
#include "render/PrintTablePage.h"
#include "render/ProgramLine.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace hydrim::render {

namespace {

constexpr int PdfResolution = 600;
// The header and page number of a chart page: about 10 points on A4.
constexpr int ChartFurnitureLinesPerPageHeight = 60;

// The orientation of each page; none: every page in the device's orientation as it stands.
using OrientationRule = std::function<QPageLayout::Orientation(const PrintPage&)>;

QPageLayout::Orientation PdfOrientation(const PrintPage& page) {
    return page.portrait() ? QPageLayout::Portrait : QPageLayout::Landscape;
}

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

QFont Regular(const QFont& font) {
    QFont regular(font);
    regular.setBold(false);
    return regular;
}

// Lays out the pages of a job and, given a painter, paints them. Run once
// without a painter it counts the pages, for "strana X z Y".
class PageRun {
public:
    PageRun(QPainter* painter, QPagedPaintDevice& device, const std::vector<PrintPage>& pages,
            const TablePrintSettings& settings, OrientationRule orientation, int pageCount)
        : painter_(painter), device_(device), pages_(pages), settings_(settings),
          orientation_(std::move(orientation)), pageCount_(pageCount) {}

    int run() {
        for (const PrintPage& page : pages_) {
            startPage(page);
            if (page.table) {
                table(*page.table);
            } else if (page.noRunoff) {
                noRunoff(*page.noRunoff);
            } else {
                chart(page.chart);
            }
        }
        return page_;
    }

private:
    // The first page's orientation is set before painting begins.
    void startPage(const PrintPage& page) {
        if (orientation_ && (page_ > 0 || !painter_)) {
            device_.setPageOrientation(orientation_(page));
        }
        if (page_ > 0 && painter_) {
            device_.newPage();
        }
        ++page_;
    }

    QSize pageSize() const { return QSize(device_.width(), device_.height()); }

    PageFurniture furniture() const { return {settings_.fileName, settings_.computedAt, page_, pageCount_}; }

    // The program line at (L, T / 2) as the table page has it, the header
    // right of it and the page number in the bottom margin.
    void tableFurniture(const TablePageLayout& layout, bool programLine) {
        if (!painter_) {
            return;
        }
        const QFont font = Regular(layout.font);
        const QFontMetricsF metrics(font, &device_);
        const int top = Round(layout.top / 2.0);
        if (programLine) {
            painter_->setFont(font);
            painter_->setPen(Qt::black);
            painter_->drawText(QPointF(layout.left, top + metrics.ascent()), ProgramLine());
        }
        const int headerLeft =
            layout.left + Round(metrics.horizontalAdvance(ProgramLine())) + layout.lineHeight;
        const int right = layout.pageWidth - layout.left;
        const int height = Round(metrics.height());
        PaintPageFurniture(
            *painter_, furniture(), font, QRect(headerLeft, top, right - headerLeft, height),
            QRect(layout.left, layout.pageHeight - top - height / 2, right - layout.left, height));
    }

    void table(const ResultGrid& grid) {
        const QSize size = pageSize();
        const TablePageLayout probe = LayoutTablePage(grid, settings_.font, device_, size, 0);
        const QStringList description =
            WrapLines(settings_.description, Regular(probe.font), device_, probe.pageWidth - 2 * probe.left);
        const TablePageLayout layout =
            LayoutTablePage(grid, settings_.font, device_, size, static_cast<int>(description.size()));
        if (painter_) {
            PaintTablePage(*painter_, layout, grid, description);
        }
        tableFurniture(layout, false);
        notes(layout, layout.tableTop + Round(layout.tableHeight()) + layout.lineHeight,
              WithDecimalSeparator(WarningTexts(WarningsOfGrid(settings_.warnings, grid)),
                                   settings_.decimalSeparator));
    }

    // The description, the inputs and the message, line by line, going on
    // over further pages when they do not fit.
    void noRunoff(const NoRunoffContent& content) {
        const TablePageLayout layout = LayoutTablePage(ResultGrid(), settings_.font, device_, pageSize(), 0);
        tableFurniture(layout, true);
        const QFont font = Regular(layout.font);
        const int width = layout.pageWidth - 2 * layout.left;
        int top = layout.top;
        for (const PrintedLine& line : NoRunoffLines(settings_.description, content,
                                                     settings_.decimalSeparator, font, device_, width)) {
            if (top + layout.lineHeight > layout.pageHeight - layout.top) {
                continuePage(layout);
                top = layout.top;
            }
            if (painter_) {
                PaintPrintedLine(*painter_, line, font, QRect(layout.left, top, width, layout.lineHeight));
            }
            top += layout.lineHeight;
        }
        notes(layout, top,
              WithDecimalSeparator(WarningTexts(settings_.warnings), settings_.decimalSeparator));
    }

    // The warnings from top down, as many as fit above the bottom margin;
    // the rest from the top of the pages that follow.
    void notes(const TablePageLayout& layout, int top, QStringList remaining) {
        const QFont font = Regular(layout.font);
        const int width = layout.pageWidth - 2 * layout.left;
        const int bottom = layout.pageHeight - layout.top;
        while (!remaining.isEmpty()) {
            qsizetype fitting = 0;
            while (fitting < remaining.size() &&
                   top + NotesHeight(remaining.first(fitting + 1), font, device_, width) <= bottom) {
                ++fitting;
            }
            if (fitting == 0 && top > layout.top) {
                continuePage(layout);
                top = layout.top;
                continue;
            }
            // A warning taller than a whole page is printed alone.
            const QStringList shown = remaining.first(std::max<qsizetype>(fitting, 1));
            if (painter_) {
                PaintNotes(*painter_, shown, font,
                           QRect(layout.left, top, width, NotesHeight(shown, font, device_, width)));
            }
            remaining.remove(0, shown.size());
            if (!remaining.isEmpty()) {
                continuePage(layout);
                top = layout.top;
            }
        }
    }

    void continuePage(const TablePageLayout& layout) {
        if (painter_) {
            device_.newPage();
        }
        ++page_;
        tableFurniture(layout, true);
    }

    void chart(const HydrographChartContent& content) {
        if (!painter_) {
            return;
        }
        const QSize size = pageSize();
        PaintChartPage(*painter_, size, content);
        QFont font(DefaultTableFont());
        font.setPixelSize(std::max(1, size.height() / ChartFurnitureLinesPerPageHeight));
        const int height = Round(QFontMetricsF(font, &device_).height());
        const QRect chart = ChartPrintRect(size);
        const int headerTop = std::max(0, (chart.top() - height) / 2);
        const int footerTop = chart.bottom() + std::max(0, (size.height() - chart.bottom() - height) / 2);
        PaintPageFurniture(*painter_, furniture(), font,
                           QRect(chart.left(), headerTop, chart.width(), height),
                           QRect(chart.left(), footerTop, chart.width(), height));
    }

    QPainter* painter_;
    QPagedPaintDevice& device_;
    const std::vector<PrintPage>& pages_;
    const TablePrintSettings& settings_;
    OrientationRule orientation_;
    int pageCount_;
    int page_ = 0;
};

// Counts the pages, then paints them on device. False when painting could not begin.
bool PaintJob(QPagedPaintDevice& device, const std::vector<PrintPage>& pages,
              const TablePrintSettings& settings, const OrientationRule& orientation) {
    const int count = PageRun(nullptr, device, pages, settings, orientation, 0).run();
    if (orientation) {
        device.setPageOrientation(orientation(pages.front()));
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    PageRun(&painter, device, pages, settings, orientation, count).run();
    painter.end();
    return true;
}

QString PdfError(const QString& path, const QString& reason) {
    return QStringLiteral("Soubor PDF „%1“ se nepodařilo zapsat: %2").arg(path, reason);
}

} // namespace

QFont DefaultTableFont() {
    return QFont(QStringLiteral("Times New Roman"), 12);
}

bool PrintPages(QPrinter& printer, const std::vector<PrintPage>& pages, const TablePrintSettings& settings) {
    if (pages.empty()) {
        return true;
    }
    const QPageLayout::Orientation remembered = printer.pageLayout().orientation();
    const bool ok = PaintJob(printer, pages, settings, [remembered](const PrintPage& page) {
        return page.portrait() ? remembered : QPageLayout::Landscape;
    });
    printer.setPageOrientation(remembered);
    return ok;
}

QPageLayout::Orientation PreviewOrientation(const std::vector<PrintPage>& pages,
                                            QPageLayout::Orientation printerOrientation) {
    const bool charts = !pages.empty() && std::none_of(pages.begin(), pages.end(),
                                                       [](const PrintPage& page) { return page.portrait(); });
    return charts ? QPageLayout::Landscape : printerOrientation;
}

bool PrintPagesAsSetUp(QPrinter& printer, const std::vector<PrintPage>& pages,
                       const TablePrintSettings& settings) {
    return pages.empty() || PaintJob(printer, pages, settings, {});
}

QString WritePdf(const QString& path, const std::vector<PrintPage>& pages,
                 const TablePrintSettings& settings) {
    const QString temporary = path + QStringLiteral(".~pdf.tmp");
    QFile::remove(temporary);
    {
        QPdfWriter writer(temporary);
        writer.setResolution(PdfResolution);
        writer.setCreator(ProgramLine());
        writer.setTitle(QFileInfo(path).completeBaseName());
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter empty; // a job without pages still writes a valid file
        if (!(pages.empty() ? empty.begin(&writer) : PaintJob(writer, pages, settings, PdfOrientation))) {
            QFile::remove(temporary);
            return PdfError(path, QStringLiteral("soubor nelze vytvořit"));
        }
    }
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        return PdfError(path, QStringLiteral("soubor nelze přejmenovat"));
    }
    return {};
}

} // namespace hydrim::render
