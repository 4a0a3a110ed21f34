// The design report ("Protokol výpočtu"): one A4 document that stands on its
// own beside a design. It holds the identification and description of the
// project, its inputs with units and the lookup entries behind them, the
// result tables of the computation as the result window shows them (every
// return period of Variant I), the design-rain hydrograph chart of each
// return period to its end, the warnings and the notes of the results apart
// in a box of their own, lines to sign at the foot of the first page, and the
// method: what was computed for this project in numbered formulas with the
// tables' symbols, the list of symbols and the sources. Every page carries the project name, the date
// of the computation and the program version at the top and "strana X z Y"
// at the bottom. The same pages go to a PDF file and to a printer.
#pragma once

#include "core/project/ProjectData.h"
#include "core/report/ReportMethod.h"
#include "core/results/InputSummary.h"
#include "core/results/ResultTable.h"
#include "render/HydrographChartContent.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace hydrim::render {

struct DesignReport {
    QString projectName; // the project file's name, or the caption of an unnamed project
    QDateTime computedAt;
    report::MethodFacts method; // what the method section says about the computation
    std::vector<InputLine> identification;
    QStringList description;
    std::vector<InputBlock> inputs;
    std::vector<ResultGrid> tables;
    std::vector<HydrographChartContent> charts;
    QStringList warnings; // one sentence each, with its return period and subject
    QStringList notes;    // the notes of the computation, in the same form
    // The separator of every number of the report: that of its tables. The
    // inputs and warnings above already carry it.
    char decimalSeparator = '.';
    // A project that yields no runoff: the computation's message with its
    // cause, shown where the results would stand; empty for results.
    QString noRunoffMessage;
};

// The report of a computed state: grids are its result grids (core/Engine.h
// ResultGrids), names the lookup tables' row names of its data directory.
DesignReport MakeDesignReport(const AppState& state, std::vector<ResultGrid> grids,
                              const LookupRowNames& names, const QString& projectName,
                              const QDateTime& computedAt);

// The report of a project whose computation found no runoff: its inputs,
// the warnings about them and message (the no-runoff message with its
// cause) instead of result tables and charts.
DesignReport MakeNoRunoffReport(const AppState& state, const std::string& message,
                                const LookupRowNames& names, const QString& projectName,
                                const QDateTime& computedAt);

// A warning as the report lists it: "N = 5 let, levý svah: message".
QString WarningText(const Warning& warning);

// Paints the report on device, which is already being painted on by
// painter, starting on its current page. Returns the number of pages.
int PaintDesignReport(QPainter& painter, QPagedPaintDevice& device, const DesignReport& report);

// The number of pages the report takes on device.
int CountDesignReportPages(QPagedPaintDevice& device, const DesignReport& report);

// Writes the report as a PDF file (A4 portrait, fonts embedded) through a
// temporary file renamed at the end. Returns an empty text or a Czech
// message naming the file.
QString WriteDesignReportPdf(const QString& path, const DesignReport& report);

// Prints the report on printer in portrait as one job. Returns false when
// the printer could not start the job.
bool PrintDesignReport(QPrinter& printer, const DesignReport& report);

} // namespace hydrim::render
