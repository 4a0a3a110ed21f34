#include "render/PrintJobs.h"

#include "render/PrintChartPage.h"
#include "render/PrintNotes.h"
#include "render/PrintTablePage.h"
#include "render/ProgramLine.h"

#include <QFile>
#include <QFileInfo>
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

QPageLayout::Orientation OrientationFor(const PrintPage& page) {
    return page.table ? QPageLayout::Portrait : QPageLayout::Landscape;
}

// The warnings below the table, or at the top of a page of their own when
// they do not fit above the bottom margin.
void PaintTableNotes(QPainter& painter, const TablePageLayout& layout, const QStringList& notes) {
    QFont font(layout.font);
    font.setBold(false);
    const int width = layout.pageWidth - 2 * layout.left;
    const int height = NotesHeight(notes, font, *painter.device(), width);
    int top = layout.tableTop + static_cast<int>(std::lround(layout.tableHeight())) + layout.lineHeight;
    if (top + height > layout.pageHeight - layout.top / 2) {
        if (auto* paged = dynamic_cast<QPagedPaintDevice*>(painter.device()); paged && paged->newPage()) {
            top = layout.top;
        }
    }
    PaintNotes(painter, notes, font, QRect(layout.left, top, width, height));
}

// True when page k is the last of a run of table pages: the warnings of the
// tables are printed once, below the last table, not below every tab.
bool EndsTables(const std::vector<PrintPage>& pages, size_t k) {
    return pages[k].table && (k + 1 == pages.size() || !pages[k + 1].table);
}

// Paints page k on a device that is already being painted on.
void PaintPage(QPainter& painter, const std::vector<PrintPage>& pages, size_t k,
               const TablePrintSettings& settings) {
    const PrintPage& page = pages[k];
    const QPaintDevice* device = painter.device();
    const QSize size(device->width(), device->height());
    if (page.table) {
        const TablePageLayout layout = LayoutTablePage(*page.table, settings.font, *device, size,
                                                       static_cast<int>(settings.description.size()));
        PaintTablePage(painter, layout, *page.table, settings.description);
        if (EndsTables(pages, k)) {
            PaintTableNotes(painter, layout, settings.notes);
        }
    } else {
        PaintChartPage(painter, size, page.chart);
    }
}

// Paints every page on a printer that is not printing yet; orient (when
// set) gives the printer the orientation of each page before it starts.
bool PaintAllPages(QPrinter& printer, const std::vector<PrintPage>& pages, const TablePrintSettings& settings,
                   const std::function<void(size_t)>& orient) {
    if (orient) {
        orient(0);
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    for (size_t k = 0; k < pages.size(); ++k) {
        if (k > 0) {
            if (orient) {
                orient(k);
            }
            printer.newPage();
        }
        PaintPage(painter, pages, k, settings);
    }
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
    const bool ok = PaintAllPages(printer, pages, settings, [&](size_t k) {
        printer.setPageOrientation(OrientationFor(pages[k]) == QPageLayout::Landscape ? QPageLayout::Landscape
                                                                                      : remembered);
    });
    printer.setPageOrientation(remembered);
    return ok;
}

QPageLayout::Orientation PreviewOrientation(const std::vector<PrintPage>& pages,
                                            QPageLayout::Orientation printerOrientation) {
    const bool charts = !pages.empty() && std::none_of(pages.begin(), pages.end(),
                                                       [](const PrintPage& page) { return page.table; });
    return charts ? QPageLayout::Landscape : printerOrientation;
}

bool PrintPagesAsSetUp(QPrinter& printer, const std::vector<PrintPage>& pages,
                       const TablePrintSettings& settings) {
    return pages.empty() || PaintAllPages(printer, pages, settings, {});
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
        const QPageLayout::Orientation first =
            pages.empty() ? QPageLayout::Portrait : OrientationFor(pages.front());
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), first, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer)) {
            QFile::remove(temporary);
            return PdfError(path, QStringLiteral("soubor nelze vytvořit"));
        }
        for (size_t k = 0; k < pages.size(); ++k) {
            if (k > 0) {
                writer.setPageOrientation(OrientationFor(pages[k]));
                writer.newPage();
            }
            PaintPage(painter, pages, k, settings);
        }
        painter.end();
    }
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        return PdfError(path, QStringLiteral("soubor nelze přejmenovat"));
    }
    return {};
}

} // namespace hydrim::render
