// hydrim-pdf: the PDF writer that "hydrim-cli pdf" runs once it has checked
// its command line (hydrim-pdf PROJECT.snp OUT.pdf DATADIR). It computes the
// project and draws its result tables and hydrograph charts with Qt, off
// screen, one page each; its messages read as those of hydrim-cli.
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/ComputationReport.h"

#include "core/Engine.h"
#include "core/results/WarningLists.h"
#include "render/PrintJobs.h"
#include "render/PrintNotes.h"
#include "render/ResultHydrographs.h"

#include <QApplication>
#include <QtGlobal>

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

render::TablePrintSettings SettingsOf(const AppState& state) {
    render::TablePrintSettings settings;
    for (const std::string& line : state.CurrentProject.Texts.Description) {
        settings.description << QString::fromStdString(line);
    }
    settings.notes = render::WarningTexts(ResultWarnings(state));
    return settings;
}

int WritePdf(const std::string& projectFile, const std::string& output, const std::string& dataDir) {
    const Computation computation = LoadAndCompute(projectFile, dataDir);
    if (!computation.hasResults()) {
        return ReportComputation(computation, projectFile, NoRunoff::IsAFailure);
    }
    const AppState& state = *computation.State;
    Error layoutError;
    const std::vector<ResultGrid> grids = ResultGrids(state, dataDir, layoutError);
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

    const std::vector<render::HydrographChartContent> charts = ChartsOf(state);
    std::vector<render::PrintPage> pages;
    for (const ResultGrid& grid : grids) {
        pages.push_back(render::PrintPage::Table(grid));
    }
    for (const render::HydrographChartContent& chart : charts) {
        pages.push_back(render::PrintPage::Chart(chart));
    }
    const QString error = render::WritePdf(QString::fromStdString(output), pages, SettingsOf(state));
    if (!error.isEmpty()) {
        PrintError(error.toStdString());
        return ExitInvalidInput;
    }
    return ExitOk;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        PrintError("hydrim-pdf is run by \"hydrim-cli pdf\" (see hydrim-cli help pdf)");
        return ExitUsage;
    }
    try {
        return WritePdf(argv[1], argv[2], argv[3]);
    } catch (const std::exception& error) {
        PrintError(error.what());
        return ExitInvalidInput;
    }
}
