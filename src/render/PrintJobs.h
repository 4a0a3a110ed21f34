// Print jobs and PDF files of result tables and hydrograph charts. A table
// is printed on one page in the printer's orientation, a chart on one
// landscape page (the printer's orientation is restored afterwards); a PDF
// file holds the same pages, each table page portrait and each chart page
// landscape, and is written into a temporary file renamed at the end.
#pragma once

#include "core/results/ResultTable.h"
#include "render/HydrographChartContent.h"

#include <QFont>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <vector>

class QPrinter;

namespace hydrim::render {

// The default result-table font: "Times New Roman", 12 points.
QFont DefaultTableFont();

// One page of a printout.
struct PrintPage {
    const ResultGrid* table = nullptr; // a table page when set
    HydrographChartContent chart;      // else a chart page
    static PrintPage Table(const ResultGrid& grid) { return {&grid, {}}; }
    static PrintPage Chart(const HydrographChartContent& content) { return {nullptr, content}; }
};

// What table pages show besides the table.
struct TablePrintSettings {
    QFont font = DefaultTableFont();
    QStringList description; // the project description, one line each
    QStringList notes;       // the warnings, printed below the last table
};

// Sends the pages to the printer as one job. Returns false when the printer
// could not start the job.
bool PrintPages(QPrinter& printer, const std::vector<PrintPage>& pages, const TablePrintSettings& settings);

// The orientation a print preview starts with: landscape when every page is
// a chart page, else the printer's own.
QPageLayout::Orientation PreviewOrientation(const std::vector<PrintPage>& pages,
                                            QPageLayout::Orientation printerOrientation);

// Paints the pages as one job in the printer's orientation as it stands: a
// print preview shows its pages on paper of that orientation, which the user
// may change there, and prints them as shown.
bool PrintPagesAsSetUp(QPrinter& printer, const std::vector<PrintPage>& pages,
                       const TablePrintSettings& settings);

// Writes the pages as a PDF file (A4). Returns an empty text or a Czech
// message naming the file.
QString WritePdf(const QString& path, const std::vector<PrintPage>& pages,
                 const TablePrintSettings& settings);

} // namespace hydrim::render
