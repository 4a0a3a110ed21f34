// Print jobs and PDF files of result tables and hydrograph charts (or the
// inputs and the message of a project without runoff). A table
// is printed on one page in the printer's orientation with the warnings that
// concern it below (going on over further pages when they do not fit), a
// chart on one landscape page (the printer's orientation is restored
// afterwards); a PDF file holds the same pages, each table page portrait and
// each chart page landscape, and is written into a temporary file renamed at
// the end. Every page carries the project file's name, the date of the
// computation and "strana X z Y".
#pragma once

#include "core/project/Warning.h"
#include "core/results/ResultTable.h"
#include "render/HydrographChartContent.h"
#include "render/NoRunoffPage.h"

#include <QDateTime>
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
    const ResultGrid* table = nullptr;         // a table page when set
    const NoRunoffContent* noRunoff = nullptr; // the page of a project without runoff when set
    HydrographChartContent chart;              // else a chart page
    static PrintPage Table(const ResultGrid& grid) { return {&grid, nullptr, {}}; }
    static PrintPage NoRunoff(const NoRunoffContent& content) { return {nullptr, &content, {}}; }
    static PrintPage Chart(const HydrographChartContent& content) { return {nullptr, nullptr, content}; }
    bool portrait() const { return table || noRunoff; }
};

// What the pages show besides the tables and charts.
struct TablePrintSettings {
    QFont font = DefaultTableFont();
    QStringList description; // the project description, one line each (wrapped to the page)
    // The warnings of the results printed: each table page shows those that
    // concern its table (core/results/GridWarnings.h).
    Warnings warnings;
    char decimalSeparator = '.'; // that of the tables; the warnings' numbers are written with it
    QString fileName;            // the project file's name, at the top of every page
    QDateTime computedAt;        // the date of the computation, beside it (invalid: not shown)
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
