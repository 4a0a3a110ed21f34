// hydrim-pdf: the PDF writer that "hydrim-cli pdf" and "hydrim-cli report" run
// once they have checked their command line (hydrim-pdf [--report]
// PROJECT.snp OUT.pdf DATADIR). It computes the project and draws, with Qt
// and off screen, its result tables and hydrograph charts one page each, or
// with --report the design report; a project without runoff gets its inputs
// and the no-runoff message instead of results. Its messages read as those
// of hydrim-cli.
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/ComputationReport.h"

#include "core/Engine.h"
#include "core/reference/RoughnessClasses.h"
#include "core/results/InputSummary.h"
#include "core/results/WarningLists.h"
#include "render/DesignReport.h"
#include "render/DocumentNumbers.h"
#include "render/PrintJobs.h"
#include "render/PrintNotes.h"
#include "render/ResultHydrographs.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QtGlobal>

#include <cstring>
#include <new>

namespace {

using namespace hydrim;
using namespace hydrim::cli;

// The charts of the last computation: the design-rain hydrograph of each
// return period (Variant I) or of the computation (Variants II / III).
std::vector<render::HydrographChartContent> ChartsOf(const AppState& state) {
    const QString title = QString::fromStdString(state.CurrentProject.ChartTitle1);
    std::vector<render::HydrographChartContent> charts;
    if (state.LastResultVariantI) {
        for (int i = 1; i <= 5; ++i) {
            charts.push_back(render::VariantIChartContent(state, i, true));
        }
    } else {
        charts.push_back(render::Variant23ChartContent(state));
    }
    for (render::HydrographChartContent& chart : charts) {
        chart.title = title;
        chart.notes = render::WarningTexts(WarningsOfReturnPeriod(ResultWarnings(state), chart.returnPeriod));
    }
    return charts;
}

// The off-screen platform's notes about window hints are no news to a
// script; only critical messages reach stderr.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        PrintError(message.toStdString());
    }
}

render::TablePrintSettings SettingsOf(const AppState& state, const std::string& projectFile) {
    render::TablePrintSettings settings;
    for (const std::string& line : state.CurrentProject.Texts.Description) {
        settings.description << QString::fromStdString(line);
    }
    settings.warnings = ResultWarnings(state);
    settings.decimalSeparator = state.LocaleDecimalSeparator;
    settings.fileName = QFileInfo(QString::fromStdString(projectFile)).fileName();
    settings.computedAt = QDateTime::currentDateTime();
    return settings;
}

// What is drawn once the project is computed and the application runs.
enum class Document { Pages, Report };

QString Draw(Document document, const AppState& state, std::vector<ResultGrid> grids,
             const std::string& projectFile, const std::string& output, const std::string& dataDir) {
    const QString path = QString::fromStdString(output);
    if (document == Document::Report) {
        const QString name = QFileInfo(QString::fromStdString(projectFile)).fileName();
        return render::WriteDesignReportPdf(path, render::MakeDesignReport(state, std::move(grids),
                                                                           ReadLookupRowNames(dataDir), name,
                                                                           QDateTime::currentDateTime()));
    }
    const std::vector<render::HydrographChartContent> charts = ChartsOf(state);
    std::vector<render::PrintPage> pages;
    for (const ResultGrid& grid : grids) {
        pages.push_back(render::PrintPage::Table(grid));
    }
    for (const render::HydrographChartContent& chart : charts) {
        pages.push_back(render::PrintPage::Chart(chart));
    }
    return render::WritePdf(path, pages, SettingsOf(state, projectFile));
}

// The document of a project without runoff: its inputs and the message.
QString DrawNoRunoff(Document document, const AppState& state, const std::string& message,
                     const std::string& projectFile, const std::string& output, const std::string& dataDir) {
    const QString path = QString::fromStdString(output);
    if (document == Document::Report) {
        const QString name = QFileInfo(QString::fromStdString(projectFile)).fileName();
        return render::WriteDesignReportPdf(
            path, render::MakeNoRunoffReport(state, message, ReadLookupRowNames(dataDir), name,
                                             QDateTime::currentDateTime()));
    }
    render::NoRunoffContent content;
    content.inputs = SummarizeInputs(state.CurrentProject, ReadLookupRowNames(dataDir));
    content.message = QString::fromStdString(message);
    return render::WritePdf(path, {render::PrintPage::NoRunoff(content)}, SettingsOf(state, projectFile));
}

int WritePdf(Document document, const std::string& projectFile, const std::string& output,
             const std::string& dataDir) {
    const Computation computation = LoadAndCompute(projectFile, dataDir);
    if (!computation.hasResults() && !computation.noRunoff()) {
        return ReportComputation(computation);
    }
    AppState& state = *computation.State;
    // Every number of the document, the tables' first, is written with the
    // user's decimal separator.
    state.LocaleDecimalSeparator = render::SystemDecimalSeparator();
    if (document == Document::Report) {
        // The report lists the roughness entries beside their classes as the table has them now.
        const std::string notice =
            UnplacedRoughnessNotice(PlaceRoughnessEntries(state.CurrentProject.Lookup, dataDir),
                                    HasTwoSlopes(state.CurrentProject.Texts));
        if (!notice.empty()) {
            PrintError(notice);
        }
    }
    Error layoutError;
    std::vector<ResultGrid> grids;
    if (computation.hasResults()) {
        grids = ResultGrids(state, dataDir, layoutError);
    }
    if (layoutError) {
        PrintError(layoutError.Message);
        return ExitInvalidInput;
    }

    // No display is needed: the pages are drawn off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    int argc = 1;
    char name[] = "hydrim-cli";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);

    const QString error =
        computation.noRunoff()
            ? DrawNoRunoff(document, state, computation.Outcome.message, projectFile, output, dataDir)
            : Draw(document, state, std::move(grids), projectFile, output, dataDir);
    if (!error.isEmpty()) {
        PrintError(error.toStdString());
        return ExitInvalidInput;
    }
    // A project without runoff: the message is the answer, as compute prints it.
    return ReportComputation(computation);
}

} // namespace

int main(int argc, char** argv) {
    const bool report = argc == 5 && std::strcmp(argv[1], "--report") == 0;
    if (argc != 4 && !report) {
        PrintError(
            "hydrim-pdf spouštějí příkazy \"hydrim-cli pdf\" a \"hydrim-cli report\" (viz hydrim-cli help)");
        return ExitUsage;
    }
    char** files = argv + (report ? 2 : 1);
    try {
        return WritePdf(report ? Document::Report : Document::Pages, files[0], files[1], files[2]);
    } catch (const std::bad_alloc&) {
        PrintError("nedostatek paměti");
        return ExitInvalidInput;
    } catch (const std::exception& error) {
        PrintError(std::string("neočekávaná chyba: ") + error.what());
        return ExitInvalidInput;
    }
}
