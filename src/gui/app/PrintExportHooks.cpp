#include "gui/app/PrintExportHooks.h"

#include "core/Engine.h"
#include "core/results/WarningLists.h"
#include "core/series/ChartTexts.h"
#include "gui/app/DesignReportCommand.h"
#include "gui/app/Hlavni.h"
#include "gui/app/PrintPreview.h"
#include "gui/app/ResultWindows.h"
#include "gui/common/FileDialogs.h"
#include "gui/common/Messages.h"
#include "gui/common/ResultNotice.h"
#include "gui/project/Projekt.h"
#include "gui/results/ResultGridView.h"
#include "gui/results/Tabulka.h"
#include "gui/results/TabulkaV1.h"
#include "gui/views/ChartWindow.h"
#include "gui/views/ExportWorkbook.h"
#include "gui/views/HydrographChartView.h"
#include "gui/views/TGrafV1_f.h"
#include "render/PrintNotes.h"
#include "render/ResultHydrographs.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>

namespace hydrim::gui {

namespace {

const ResultGridView* SelectedView(QWidget* tableWindow) {
    if (auto* variantI = qobject_cast<TTabulkaV1_f*>(tableWindow)) {
        return variantI->currentGrid();
    }
    if (auto* variant23 = qobject_cast<TTabulka1*>(tableWindow)) {
        return variant23->grid();
    }
    return nullptr;
}

QStringList DescriptionOf(THlavni& main) {
    if (TProjekt1* projekt = main.projekt()) {
        QString text = projekt->memo()->toPlainText();
        if (text.endsWith(QLatin1Char('\n'))) {
            text.chop(1);
        }
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    QStringList lines;
    for (const std::string& line : main.state().CurrentProject.Texts.Description) {
        lines << QString::fromStdString(line);
    }
    return lines;
}

// The warnings a window shows, with its out-of-date mark, for its printout.
QStringList NoteTexts(QWidget* window) {
    const ResultNotice* notice = NoticeOf(window);
    return notice ? render::WarningTexts(notice->shownWarnings()) : QStringList();
}

// The notes printed below the chart of return period N of a chart window:
// the warnings of N, after the out-of-date mark when the window shows it.
QStringList ChartNotes(QWidget* chartWindow, const AppState& state, int returnPeriod) {
    const ResultNotice* notice = NoticeOf(chartWindow);
    return render::WarningTexts(OutputWarnings(WarningsOfReturnPeriod(state.Warnings, returnPeriod),
                                               notice && notice->isOutOfDate()));
}

QString ProjectCaption(THlavni& main) {
    return main.projekt() ? main.projekt()->windowTitle() : QString();
}

bool WritePages(THlavni& main, const QString& path, const std::vector<render::PrintPage>& pages,
                const render::TablePrintSettings& settings) {
    const QString error = render::WritePdf(path, pages, settings);
    if (!error.isEmpty()) {
        ShowError(&main, error);
        return false;
    }
    return true;
}

// A window of several tabs asks whether to print them all (the default for
// the Variant I windows) or the shown one, saying what comes next; nothing
// when the user cancels.
std::optional<bool> AskAllTabs(THlavni& main, int tabs, TabChoice choice) {
    if (tabs <= 1) {
        return false;
    }
    choice.tabs = tabs;
    choice.allTabsFirst = true;
    return AskPrintAllTabs(&main, choice);
}

// The name of the shown tab of a table or chart window.
QString ShownTabOf(QWidget* window) {
    if (const ResultGrid* grid = SelectedGridOf(window)) {
        return QString::fromStdString(grid->Title);
    }
    render::HydrographChartContent chart;
    return ChartContentOf(window, chart) && chart.returnPeriod > 0
               ? QString::fromStdString(ReturnPeriodCaption(chart.returnPeriod))
               : QString();
}

// The grids to print: all tabs, or the selected one.
std::vector<ResultGrid> TableGridsOf(QWidget* window, bool allTabs) {
    if (allTabs) {
        return AllGridsOf(window);
    }
    const ResultGrid* grid = SelectedGridOf(window);
    return grid ? std::vector<ResultGrid>{*grid} : std::vector<ResultGrid>{};
}

std::vector<render::PrintPage> TablePages(const std::vector<ResultGrid>& grids) {
    std::vector<render::PrintPage> pages;
    for (const ResultGrid& grid : grids) {
        pages.push_back(render::PrintPage::Table(grid));
    }
    return pages;
}

int TabCount(QWidget* window) {
    return static_cast<int>(AllGridsOf(window).size());
}

// A PDF command after a print item of the file menu, enabled with it.
void AddPdfItem(THlavni& main, const QString& printItem, const QString& name, const QString& caption,
                const std::function<void()>& command) {
    QAction* print = main.menuItem(printItem);
    if (!print) {
        return;
    }
    auto* pdf = new QAction(caption, &main);
    pdf->setObjectName(name);
    pdf->setEnabled(print->isEnabled());
    QObject::connect(print, &QAction::changed, pdf, [print, pdf] { pdf->setEnabled(print->isEnabled()); });
    QObject::connect(pdf, &QAction::triggered, &main, command);
    for (QObject* object : print->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(object)) {
            const QList<QAction*> actions = menu->actions();
            const qsizetype index = actions.indexOf(print);
            QAction* before = index + 1 < actions.size() ? actions[index + 1] : nullptr;
            menu->insertAction(before, pdf);
        }
    }
}

} // namespace

void PrintTableWindow(THlavni& main, QWidget* window) {
    const std::optional<bool> allTabs = AskAllTabs(
        main, TabCount(window), {.caption = QStringLiteral("Tisk tabulky"), .shownTab = ShownTabOf(window)});
    if (!allTabs) {
        return;
    }
    const std::vector<ResultGrid> grids = TableGridsOf(window, *allTabs);
    if (!grids.empty()) {
        ShowPrintPreview(&main, main.printer(), TablePages(grids), PrintSettingsOf(main, window),
                         QStringLiteral("Náhled tisku tabulky"));
    }
}

void PrintChartWindow(THlavni& main, QWidget* window) {
    const std::optional<bool> allTabs =
        AskAllTabs(main, ChartTabCount(window),
                   {.caption = QStringLiteral("Tisk grafu"), .shownTab = ShownTabOf(window), .charts = true});
    if (!allTabs) {
        return;
    }
    std::vector<render::PrintPage> pages;
    for (const render::HydrographChartContent& chart : ChartsOf(window, *allTabs)) {
        pages.push_back(render::PrintPage::Chart(chart));
    }
    if (!pages.empty()) {
        ShowPrintPreview(&main, main.printer(), pages, PageSettingsOf(main),
                         QStringLiteral("Náhled tisku grafu"));
    }
}

void ExportTableWindow(THlavni& main, QWidget* window) {
    const std::vector<ResultGrid> grids = AllGridsOf(window);
    if (grids.empty()) {
        return;
    }
    const QString path =
        AskWorkbookPath(&main, ProposedWorkbookPath(ProjectCaption(main), main.state().ProjectDir, QString(),
                                                    QStringLiteral("Tabulka výsledků")));
    if (!path.isEmpty()) {
        const ResultNotice* notice = NoticeOf(window);
        ExportTablesTo(&main, path, grids, main.state().LocaleDecimalSeparator,
                       notice ? notice->shownWarnings() : ResultWarnings(main.state()),
                       WorkbookTitle(ProjectCaption(main)));
    }
}

void ExportTimeSeriesWindow(THlavni& main, QWidget* window, bool variantI) {
    const AppState& state = main.state();
    // The workbook holds every return period: all the warnings, not those of the tab shown.
    const ResultNotice* notice = NoticeOf(window);
    const Warnings warnings = OutputWarnings(state.Warnings, notice && notice->isOutOfDate());
    const QString path = AskWorkbookPath(&main, ProposedWorkbookPath(ProjectCaption(main), state.ProjectDir,
                                                                     QStringLiteral(" - časové řady"),
                                                                     QStringLiteral("Časové řady")));
    if (path.isEmpty()) {
        return;
    }
    const bool twoSlopes = HasTwoSlopes(state.CurrentProject.Texts);
    ExportTimeSeriesTo(
        &main, path, variantI ? VariantITimeSeriesSheets(state) : Variant23TimeSeriesSheets(state, twoSlopes),
        warnings, WorkbookTitle(ProjectCaption(main)));
}

QString AskPdfPath(THlavni& main, const QString& suffix) {
    const QFileInfo project(ProjectCaption(main));
    const bool named = project.isAbsolute();
    const QString directory =
        named ? project.absolutePath() : QString::fromStdString(main.state().ProjectDir);
    const QString proposed =
        QDir(directory).filePath((named ? project.completeBaseName() + QStringLiteral(" - ") : QString()) +
                                 suffix + QStringLiteral(".pdf"));
    return AskSaveFile(&main, QStringLiteral("Uložit jako PDF"), proposed,
                       QStringLiteral("Soubory PDF (*.pdf);;Všechny soubory (*)"), QStringLiteral("pdf"));
}

const ResultGrid* SelectedGridOf(QWidget* tableWindow) {
    const ResultGridView* view = SelectedView(tableWindow);
    return view ? &view->grid() : nullptr;
}

std::vector<ResultGrid> AllGridsOf(QWidget* tableWindow) {
    std::vector<ResultGrid> grids;
    if (auto* variantI = qobject_cast<TTabulkaV1_f*>(tableWindow)) {
        for (int k = 1; k <= 8; ++k) {
            grids.push_back(variantI->grid(k)->grid());
        }
    } else if (auto* variant23 = qobject_cast<TTabulka1*>(tableWindow)) {
        grids.push_back(variant23->grid()->grid());
    }
    return grids;
}

bool ChartContentOf(QWidget* chartWindow, render::HydrographChartContent& content) {
    auto* chart = qobject_cast<ChartWindow*>(chartWindow);
    if (!chart) {
        return false;
    }
    content = chart->chartView()->contentAsShown();
    content.notes = NoteTexts(chart);
    return true;
}

int ChartTabCount(QWidget* chartWindow) {
    return qobject_cast<TGrafV1_f*>(chartWindow) ? 5 : (qobject_cast<ChartWindow*>(chartWindow) ? 1 : 0);
}

std::vector<render::HydrographChartContent> ChartsOf(QWidget* chartWindow, bool allTabs) {
    render::HydrographChartContent shown;
    if (!ChartContentOf(chartWindow, shown)) {
        return {};
    }
    auto* variantI = qobject_cast<TGrafV1_f*>(chartWindow);
    if (!allTabs || !variantI) {
        return {shown};
    }
    std::vector<render::HydrographChartContent> charts;
    for (int i = 1; i <= 5; ++i) {
        charts.push_back(render::VariantIChartContent(variantI->state(), i, shown.designRain));
        charts.back().title = shown.title;
        charts.back().notes = ChartNotes(chartWindow, variantI->state(), ReturnPeriods[i]);
    }
    return charts;
}

render::TablePrintSettings PageSettingsOf(THlavni& main) {
    render::TablePrintSettings settings;
    settings.decimalSeparator = main.state().LocaleDecimalSeparator;
    settings.fileName = ProjectFileName(main);
    settings.computedAt = ResultsComputedAt(main);
    return settings;
}

render::TablePrintSettings PrintSettingsOf(THlavni& main, QWidget* tableWindow) {
    render::TablePrintSettings settings = PageSettingsOf(main);
    if (const ResultGridView* view = SelectedView(tableWindow)) {
        settings.font = view->cellPainter().font();
    }
    settings.description = DescriptionOf(main);
    if (const ResultNotice* notice = NoticeOf(tableWindow)) {
        settings.warnings = notice->shownWarnings();
    }
    return settings;
}

bool SaveTablePdf(THlavni& main, const QString& path, bool allTabs) {
    QWidget* window = main.resultWindows().window(ResultKind::Table, main.state().LastResultVariantI);
    const std::vector<ResultGrid> grids = TableGridsOf(window, allTabs);
    return !grids.empty() && WritePages(main, path, TablePages(grids), PrintSettingsOf(main, window));
}

bool SaveChartPdf(THlavni& main, const QString& path, bool allTabs) {
    QWidget* window = main.resultWindows().window(ResultKind::Chart, main.state().LastResultVariantI);
    std::vector<render::PrintPage> pages;
    for (const render::HydrographChartContent& chart : ChartsOf(window, allTabs)) {
        pages.push_back(render::PrintPage::Chart(chart));
    }
    return !pages.empty() && WritePages(main, path, pages, PageSettingsOf(main));
}

void AddPdfCommands(THlavni& main) {
    THlavni* window = &main;
    AddPdfItem(main, QStringLiteral("TiskTab1"), QStringLiteral("UlozTabulkuPdf1"),
               QStringLiteral("Uložit tabulku jako PDF…"), [window] {
                   QWidget* table =
                       window->resultWindows().window(ResultKind::Table, window->state().LastResultVariantI);
                   const std::optional<bool> allTabs =
                       AskAllTabs(*window, TabCount(table),
                                  {.caption = QStringLiteral("Uložit tabulku jako PDF"),
                                   .shownTab = ShownTabOf(table),
                                   .savePdf = true});
                   const QString path = allTabs ? AskPdfPath(*window, QStringLiteral("tabulka")) : QString();
                   if (!path.isEmpty()) {
                       SaveTablePdf(*window, path, *allTabs);
                   }
               });
    AddPdfItem(main, QStringLiteral("Tiskgrafu1"), QStringLiteral("UlozGrafPdf1"),
               QStringLiteral("Uložit graf jako PDF…"), [window] {
                   QWidget* chart =
                       window->resultWindows().window(ResultKind::Chart, window->state().LastResultVariantI);
                   const std::optional<bool> allTabs =
                       AskAllTabs(*window, ChartTabCount(chart),
                                  {.caption = QStringLiteral("Uložit graf jako PDF"),
                                   .shownTab = ShownTabOf(chart),
                                   .charts = true,
                                   .savePdf = true});
                   const QString path = allTabs ? AskPdfPath(*window, QStringLiteral("graf")) : QString();
                   if (!path.isEmpty()) {
                       SaveChartPdf(*window, path, *allTabs);
                   }
               });
}

} // namespace hydrim::gui
