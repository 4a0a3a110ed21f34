#include "gui/app/PrintExportHooks.h"

#include "gui/app/Hlavni.h"
#include "gui/app/ResultWindows.h"
#include "gui/common/FileDialogs.h"
#include "gui/common/Messages.h"
#include "gui/project/Projekt.h"
#include "gui/results/ResultGridView.h"
#include "gui/results/Tabulka.h"
#include "gui/results/TabulkaV1.h"
#include "gui/views/ChartWindow.h"
#include "gui/views/ExportWorkbook.h"
#include "gui/views/HydrographChartView.h"

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

QString ProjectCaption(THlavni& main) {
    return main.projekt() ? main.projekt()->windowTitle() : QString();
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

bool WritePages(THlavni& main, const QString& path, const std::vector<render::PrintPage>& pages,
                const render::TablePrintSettings& settings) {
    const QString error = render::WritePdf(path, pages, settings);
    if (!error.isEmpty()) {
        ShowError(&main, error);
        return false;
    }
    return true;
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
    if (const ResultGrid* grid = SelectedGridOf(window)) {
        if (!render::PrintPages(main.printer(), {render::PrintPage::Table(*grid)},
                                PrintSettingsOf(main, window))) {
            ShowError(&main, QStringLiteral("Tiskárna nemohla zahájit tisk."));
        }
    }
}

void PrintChartWindow(THlavni& main, QWidget* window) {
    render::HydrographChartContent content;
    if (ChartContentOf(window, content) &&
        !render::PrintPages(main.printer(), {render::PrintPage::Chart(content)}, {})) {
        ShowError(&main, QStringLiteral("Tiskárna nemohla zahájit tisk."));
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
        ExportTablesTo(&main, path, grids, main.state().LocaleDecimalSeparator);
    }
}

void ExportTimeSeriesWindow(THlavni& main, bool variantI) {
    const AppState& state = main.state();
    const QString path = AskWorkbookPath(&main, ProposedWorkbookPath(ProjectCaption(main), state.ProjectDir,
                                                                     QStringLiteral(" - časové řady"),
                                                                     QStringLiteral("Časové řady")));
    if (path.isEmpty()) {
        return;
    }
    const bool twoSlopes = HasTwoSlopes(state.CurrentProject.Texts);
    ExportTimeSeriesTo(&main, path,
                       variantI ? VariantITimeSeriesSheets(state)
                                : Variant23TimeSeriesSheets(state, twoSlopes));
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
    content = chart->chartView()->content();
    return true;
}

render::TablePrintSettings PrintSettingsOf(THlavni& main, QWidget* tableWindow) {
    render::TablePrintSettings settings;
    if (const ResultGridView* view = SelectedView(tableWindow)) {
        settings.font = view->cellPainter().font();
    }
    settings.description = DescriptionOf(main);
    return settings;
}

bool SaveTablePdf(THlavni& main, const QString& path) {
    QWidget* window = main.resultWindows().window(ResultKind::Table, main.state().LastResultVariantI);
    const ResultGrid* grid = SelectedGridOf(window);
    return grid && WritePages(main, path, {render::PrintPage::Table(*grid)}, PrintSettingsOf(main, window));
}

bool SaveChartPdf(THlavni& main, const QString& path) {
    render::HydrographChartContent content;
    QWidget* window = main.resultWindows().window(ResultKind::Chart, main.state().LastResultVariantI);
    return ChartContentOf(window, content) && WritePages(main, path, {render::PrintPage::Chart(content)}, {});
}

void AddPdfCommands(THlavni& main) {
    THlavni* window = &main;
    AddPdfItem(main, QStringLiteral("TiskTab1"), QStringLiteral("UlozTabulkuPdf1"),
               QStringLiteral("Uložit tabulku jako PDF…"), [window] {
                   const QString path = AskPdfPath(*window, QStringLiteral("tabulka"));
                   if (!path.isEmpty()) {
                       SaveTablePdf(*window, path);
                   }
               });
    AddPdfItem(main, QStringLiteral("Tiskgrafu1"), QStringLiteral("UlozGrafPdf1"),
               QStringLiteral("Uložit graf jako PDF…"), [window] {
                   const QString path = AskPdfPath(*window, QStringLiteral("graf"));
                   if (!path.isEmpty()) {
                       SaveChartPdf(*window, path);
                   }
               });
}

} // namespace hydrim::gui
