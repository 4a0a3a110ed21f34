// hydrim-cli pdf: computes a project and writes its result tables and its
// hydrograph charts as a PDF file, one page each, without a display.
#include "ExportCommand.h"

#include "CliCommon.h"
#include "Commands.h"

#include "views/PrintJobs.h"
#include "views/ResultHydrographs.h"
#include "views/WorkbookExport.h"

#include <QApplication>
#include <QtGlobal>

#include <memory>

namespace hydrim::cli {
namespace {

// The charts of the last computation: the design-rain hydrograph of each
// return period (Variant I) or of the computation (Variants II / III).
std::vector<gui::HydrographChartContent> ChartsOf(const AppState& state) {
    const QString title = QString::fromStdString(state.CurrentProject.ChartTitle1);
    std::vector<gui::HydrographChartContent> charts;
    if (state.LastResultVariantI) {
        for (int i = 1; i <= 5; ++i) {
            charts.push_back(gui::VariantIChartContent(state, i, true));
        }
    } else {
        charts.push_back(gui::Variant23ChartContent(state));
    }
    for (gui::HydrographChartContent& chart : charts) {
        chart.title = title;
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

gui::TablePrintSettings SettingsOf(const AppState& state) {
    gui::TablePrintSettings settings;
    for (const std::string& line : state.CurrentProject.Texts.Description) {
        settings.description << QString::fromStdString(line);
    }
    return settings;
}

int RunPdf(const std::vector<std::string>& args) {
    Arguments parsed;
    if (std::string problem = ParseArguments(args, {"--data", "-o", "--output"}, {}, parsed);
        !problem.empty()) {
        return UsageError("pdf", problem);
    }
    if (parsed.positional.size() != 1) {
        return UsageError("pdf", parsed.positional.empty() ? "no project file given"
                                                           : "more than one project file given");
    }
    const std::string output = parsed.value("-o", parsed.value("--output"));
    if (output.empty()) {
        return UsageError("pdf", "no output file given (-o OUT.pdf)");
    }
    const std::string dataDir = DataDirectoryOption(parsed);
    auto state = std::make_unique<AppState>();
    if (int status = LoadAndCompute(parsed.positional.front(), dataDir, *state); status != ExitOk) {
        return status;
    }
    std::string layoutError;
    const std::vector<ResultGrid> grids = ResultGridsOf(*state, dataDir, layoutError);
    if (!layoutError.empty()) {
        PrintError(layoutError);
        return ExitInvalidInput;
    }

    // No display is needed: the pages are drawn off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    int argc = 1;
    char name[] = "hydrim-cli";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);

    const std::vector<gui::HydrographChartContent> charts = ChartsOf(*state);
    std::vector<gui::PrintPage> pages;
    for (const ResultGrid& grid : grids) {
        pages.push_back(gui::PrintPage::Table(grid));
    }
    for (const gui::HydrographChartContent& chart : charts) {
        pages.push_back(gui::PrintPage::Chart(chart));
    }
    const QString error = gui::WritePdf(QString::fromStdString(output), pages, SettingsOf(*state));
    if (!error.isEmpty()) {
        PrintError(error.toStdString());
        return ExitInvalidInput;
    }
    return ExitOk;
}

const CommandRegistration
    registration("pdf",
                 {"pdf PROJECT.snp -o OUT.pdf [--data DIR]",
                  "Computes the project and writes its result tables and hydrograph charts as a PDF file, "
                  "one page each, as they are printed.",
                  RunPdf});

} // namespace
} // namespace hydrim::cli
