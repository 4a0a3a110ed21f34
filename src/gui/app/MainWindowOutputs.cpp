// The main window's output commands: the compute command, the result table,
// chart and time-series toggles, the window list, printing, export, the
// table font and the about window.
#include "gui/app/MainWindow.h"

#include "core/Engine.h"
#include "core/hydrology/Compute.h"
#include "core/project/Startup.h"
#include "gui/app/AboutDialog.h"
#include "gui/app/ProgressWindow.h"
#include "gui/app/ResultViews.h"
#include "gui/app/WindowPlacement.h"
#include "gui/app/output/PrintExportHooks.h"
#include "gui/common/FontDialogStart.h"
#include "gui/common/Messages.h"
#include "gui/project/ProjectInputWindow.h"
#include "gui/results/Variant23ResultTableWindow.h"
#include "gui/results/VariantIResultTableWindow.h"

#include <QAction>
#include <QFontDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QToolButton>

#include <exception>

namespace hydrim::gui {

namespace {

bool PrinterInstalled() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

const QString NoPrinterMessage = QStringLiteral("Nejsou nainstalovány žádné tiskárny !!");

// True when a printer is installed; else tells the user there is none.
bool PrinterReady(QWidget* parent) {
    if (!PrinterInstalled()) {
        ShowInformation(parent, NoPrinterMessage);
        return false;
    }
    return true;
}

// The tool button that opens and closes the window of a kind (SpeedButton7, 6, 5).
int ToggleButtonOf(ResultKind kind) {
    switch (kind) {
    case ResultKind::Table:
        return 7;
    case ResultKind::Chart:
        return 6;
    default:
        return 5;
    }
}

} // namespace

QPrinter& MainWindow::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

void MainWindow::computeProject() {
    if (!inputWindow_) {
        return;
    }
    // Close the chart and time series of the results on screen, then every table.
    const bool shownVariantI = state_.LastResultVariantI;
    if (speedButtons_[5]->isChecked()) {
        results_->close(ResultKind::TimeSeries, shownVariantI);
    }
    if (speedButtons_[6]->isChecked()) {
        results_->close(ResultKind::Chart, shownVariantI);
    }
    setToggle(5, false);
    setToggle(6, false);
    results_->closeTables();

    inputWindow_->storeProject();
    ComputeOutcome outcome;
    {
        ProgressWindow progress(this);
        progress.show();
        try {
            outcome = ComputeProject(state_, [&progress](int position) { progress.setPosition(position); });
        } catch (const std::exception& error) {
            progress.close();
            setToggle(7, false);
            ShowError(this,
                      QStringLiteral("Výpočet se nezdařil: %1").arg(QString::fromStdString(error.what())));
            return;
        }
    }
    if (!outcome.ok()) {
        setToggle(7, false);
        ShowInformation(this, QString::fromStdString(outcome.message));
        return;
    }

    const bool variantI = state_.LastResultVariantI;
    Error layoutError;
    std::vector<ResultGrid> grids = ResultGrids(state_, DataDirectory(state_), layoutError);
    // A layout file that cannot be read leaves its rows without texts.
    if (layoutError) {
        ShowError(this, QString::fromStdString(layoutError.Message));
    }
    QWidget* table =
        variantI ? static_cast<QWidget*>(
                       new VariantIResultTableWindow(std::move(grids), ResultWarnings(state_), tableFont_))
                 : static_cast<QWidget*>(new Variant23ResultTableWindow(std::move(grids.front()),
                                                                        ResultWarnings(state_), tableFont_));
    ChildWindow* sub = results_->add(ResultKind::Table, variantI, table);
    // Every column of the table in view, where the area is wide enough.
    placeResultWindow(sub, sub->sizeHint(), QSize(sub->sizeHint().width(), 0));
    sub->show();
    mdi_->setActiveSubWindow(sub);
}

void MainWindow::placeResultWindow(QMdiSubWindow* sub, QSize wanted, QSize needed) {
    const QSize area = mdi_->viewport()->size();
    if (!inputSubWindow_ || !inputSubWindow_->isVisible() || inputSubWindow_->isMinimized() ||
        inputSubWindow_->isMaximized()) {
        sub->resize(wanted.boundedTo(area));
        return;
    }
    int cascade = 0;
    for (QMdiSubWindow* other : mdi_->subWindowList()) {
        if (other != sub && other != inputSubWindow_ && other->isVisible()) {
            ++cascade;
        }
    }
    sub->setGeometry(PlaceBeside(inputSubWindow_->geometry(), wanted, area, cascade, needed));
}

void MainWindow::requestCompute() {
    // The same road as clicking "Vy&počítej", the value being typed finished first.
    if (inputWindow_) {
        inputWindow_->computeCommand();
    }
}

void MainWindow::showTable() {
    // Ctrl+T pressed again brings the open table forward rather than closing
    // it: a second press by habit must not throw the results away.
    if (speedButtons_[7]->isChecked()) {
        activateTableWindow();
        return;
    }
    if (!(inputWindow_ && inputWindow_->computeButton()->isEnabled())) {
        return;
    }
    setToggle(7, true);
    tableButtonClicked();
}

void MainWindow::tableButtonClicked() {
    if (speedButtons_[7]->isChecked()) {
        // The same road as "&Vypočítej": a value being typed is corrected first.
        if (inputWindow_ && inputWindow_->computeButton()->isEnabled()) {
            inputWindow_->computeButton()->click();
        } else {
            setToggle(7, false);
        }
    } else {
        results_->close(ResultKind::Table, state_.LastResultVariantI);
    }
}

void MainWindow::toggleChart() {
    toggleFromMenu(ResultKind::Chart);
}

void MainWindow::chartButtonClicked() {
    toggleView(ResultKind::Chart, speedButtons_[ToggleButtonOf(ResultKind::Chart)]->isChecked());
}

void MainWindow::toggleTimeSeries() {
    toggleFromMenu(ResultKind::TimeSeries);
}

void MainWindow::timeSeriesButtonClicked() {
    toggleView(ResultKind::TimeSeries, speedButtons_[ToggleButtonOf(ResultKind::TimeSeries)]->isChecked());
}

void MainWindow::toggleFromMenu(ResultKind kind) {
    QToolButton* button = speedButtons_[ToggleButtonOf(kind)];
    if (!button->isEnabled()) {
        return;
    }
    setToggle(ToggleButtonOf(kind), !button->isChecked());
    toggleView(kind, button->isChecked());
}

void MainWindow::toggleView(ResultKind kind, bool open) {
    const bool variantI = state_.LastResultVariantI;
    if (!open) {
        results_->close(kind, variantI);
        setToggle(ToggleButtonOf(kind), false);
        return;
    }
    QWidget* window = kind == ResultKind::Chart
                          ? CreateChartWindow(state_, variantI, [this] { setModified(true); })
                          : CreateTimeSeriesWindow(state_, variantI);
    if (kind == ResultKind::Chart && variantI) {
        state_.HydrographFromDesignRain = true;
    }
    ChildWindow* sub = results_->add(kind, variantI, window);
    placeResultWindow(sub, sub->sizeHint().expandedTo(window->size()));
    sub->show();
    mdi_->setActiveSubWindow(sub);
}

void MainWindow::redrawHydrographs() {
    RedrawHydrograph(results_->window(ResultKind::Chart, true));
    RedrawHydrograph(results_->window(ResultKind::TimeSeries, true));
}

void MainWindow::showDesignRainHydrograph() {
    if (state_.HydrographFromDesignRain) {
        return;
    }
    state_.HydrographFromDesignRain = true;
    menuItem(QStringLiteral("N1Hydrogram"))->setChecked(true);
    redrawHydrographs();
}

void MainWindow::showDailyRainHydrograph() {
    if (!state_.HydrographFromDesignRain) {
        return;
    }
    state_.HydrographFromDesignRain = false;
    menuItem(QStringLiteral("N2Hydrogram"))->setChecked(true);
    redrawHydrographs();
}

void MainWindow::activateChild(QMdiSubWindow* sub) {
    if (!sub) {
        return;
    }
    if (sub->isMinimized()) {
        sub->showNormal();
    }
    mdi_->setActiveSubWindow(sub);
    sub->raise();
}

void MainWindow::activateInputWindow() {
    menuItem(QStringLiteral("N1Projekt1"))->setChecked(true);
    activateChild(inputSubWindow_);
}

void MainWindow::activateTableWindow() {
    menuItem(QStringLiteral("N2Tabulka1"))->setChecked(true);
    activateChild(results_->subWindow(ResultKind::Table, state_.LastResultVariantI));
}

void MainWindow::activateChartWindow() {
    menuItem(QStringLiteral("N3Graf1"))->setChecked(true);
    activateChild(results_->subWindow(ResultKind::Chart, state_.LastResultVariantI));
}

void MainWindow::activateTimeSeriesWindow() {
    menuItem(QStringLiteral("N4Casoverady1"))->setChecked(true);
    activateChild(results_->subWindow(ResultKind::TimeSeries, state_.LastResultVariantI));
}

// Printing goes through a preview, which also serves a machine without a
// printer (it prints into a PDF file there).
void MainWindow::printTable() {
    if (QWidget* table = results_->window(ResultKind::Table, state_.LastResultVariantI)) {
        PrintTableWindow(*this, table);
    }
}

void MainWindow::printChart() {
    if (QWidget* chart = results_->window(ResultKind::Chart, state_.LastResultVariantI)) {
        PrintChartWindow(*this, chart);
    }
}

void MainWindow::configurePrinter() {
    if (!PrinterReady(this)) {
        return;
    }
    QPrintDialog dialog(&printer(), this);
    dialog.setWindowTitle(QStringLiteral("Konfigurace tisku"));
    dialog.exec();
}

void MainWindow::exportTable() {
    const bool variantI = state_.LastResultVariantI;
    QWidget* table = results_->window(ResultKind::Table, variantI);
    if (table) {
        ExportTableWindow(*this, table);
    }
}

void MainWindow::exportTimeSeries() {
    const bool variantI = state_.LastResultVariantI;
    QWidget* series = results_->window(ResultKind::TimeSeries, variantI);
    if (series) {
        ExportTimeSeriesWindow(*this, series, variantI);
    }
}

// The copy commands act on the active table or time-series window, else on
// the time series of the results on screen.
void MainWindow::copyFromResults(int copyKind) {
    if (QMdiSubWindow* active = mdi_->activeSubWindow()) {
        if (CopyFromResultWindow(active->widget(), copyKind)) {
            return;
        }
    }
    CopyFromResultWindow(results_->window(ResultKind::TimeSeries, state_.LastResultVariantI), copyKind);
}

void MainWindow::copySelection() {
    copyFromResults(0);
}
void MainWindow::copySelectionWithHeadings() {
    copyFromResults(1);
}
void MainWindow::copyAll() {
    copyFromResults(2);
}

void MainWindow::chooseTableFont() {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, FontDialogStart(tableFont_), this,
                                            QStringLiteral("Písmo tabulky"), QFontDialog::ScalableFonts);
    if (!ok) {
        return;
    }
    tableFont_ = font;
    ShowInformation(this, QStringLiteral("Změna se projeví po vytvoření nové tabulky."));
}

void MainWindow::showAbout() {
    about_->show();
    about_->raise();
    about_->activateWindow();
}

} // namespace hydrim::gui
