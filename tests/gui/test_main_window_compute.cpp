// The compute command as the user meets it: the result window of each
// variant, the no-runoff message, the states of the output commands, the
// chart and time-series hooks, and how fast the table appears.
#include "MainWindowTestSupport.h"

#include "core/hydrology/Compute.h"
#include "core/results/NumberFormat.h"
#include "gui/app/output/PrintPreview.h"
#include "gui/results/ResultGridView.h"
#include "gui/results/Variant23ResultTableWindow.h"
#include "gui/results/VariantIResultTableWindow.h"
#include "gui/views/VariantIChartWindow.h"
#include "render/CellPainter.h"

#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

using namespace hydrim;
using namespace hydrim::gui;
using namespace hydrim::gui::testing;

class TestMainWindowCompute : public QObject {
    Q_OBJECT
private slots:
    void variantIOpensTheTabbedTableOnItsFirstTab();
    void variantIValuesAreTheEnginesResults();
    void computingTwiceOpensAFreshTable();
    void variantIIOneSlopeHasFiveColumnsTwoSlopesSeven();
    void variantIIIShowsItsLayout();
    void noRunoffShowsTheMessageAndNoTable();
    void tableButtonClosesTheTable();
    void chartAndTimeSeriesFollowTheTable();
    void hydrographItemsSwitchTheShownHydrograph();
    void openingAProjectClosesTheResults();
    void localeCommaIsUsedInTheGrids();
    void computeToPaintedTableIsFast();
    void variantIPrintsAllTabsAndItsGridsStretch();
};

void TestMainWindowCompute::variantIOpensTheTabbedTableOnItsFirstTab() {
    StartedFixture f;
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant1-two-slopes.snp")),
             MainWindow::OpenResult::Opened);
    QVERIFY(f.inputWindow()->computeButton()->isEnabled());
    QTest::mouseClick(f.inputWindow()->computeButton(), Qt::LeftButton);

    auto* table =
        qobject_cast<VariantIResultTableWindow*>(f.main().resultWindows().window(ResultKind::Table, true));
    QVERIFY(table);
    QVERIFY(f.state.LastResultVariantI);
    QCOMPARE(table->windowTitle(), QStringLiteral("Tabulka výsledků"));
    const QStringList titles = {"VSTUP",       "VÝSTUP N=5",   "VÝSTUP N=10",           "VÝSTUP N=20",
                                "VÝSTUP N=50", "VÝSTUP N=100", "VÝSTUP - SVAHY+POVODÍ", "VÝSTUP - POVODÍ"};
    QCOMPARE(table->tabs()->count(), 8);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(table->tabs()->tabText(i), titles[i]);
    }
    QCOMPARE(table->tabs()->currentIndex(), 0);

    // The states of a shown result table.
    QVERIFY(f.main().speedButton(7)->isChecked());
    QCOMPARE(f.main().speedButton(7)->toolTip(), QStringLiteral("Uzavře okno s tabulkou výstupů"));
    QVERIFY(f.main().speedButton(4)->isEnabled());
    QVERIFY(f.main().speedButton(6)->isEnabled());
    QVERIFY(f.main().menuItem(QStringLiteral("SpeedButton8Action"))->isVisible());
    QVERIFY(f.main().menuItem(QStringLiteral("TiskTab1"))->isEnabled());
    QVERIFY(f.main().menuItem(QStringLiteral("MenuGraf1"))->isEnabled());
    QVERIFY(f.main().menuItem(QStringLiteral("N2Tabulka1"))->isVisible());
    QVERIFY(f.main().menuItem(QStringLiteral("N2Tabulka1"))->isChecked());

    // The last tab shows grid 8 and hides the others.
    table->tabs()->setCurrentIndex(7);
    QVERIFY(table->grid(8)->isVisible());
    for (int k = 1; k <= 7; ++k) {
        QVERIFY(!table->grid(k)->isVisible());
    }
    QCOMPARE(table->currentGrid(), table->grid(8));
}

void TestMainWindowCompute::variantIValuesAreTheEnginesResults() {
    StartedFixture f;
    QVERIFY(f.computed("variant1-two-slopes.snp"));
    auto* table =
        qobject_cast<VariantIResultTableWindow*>(f.main().resultWindows().window(ResultKind::Table, true));
    QVERIFY(table);
    const VariantIResults& r = f.state.VariantI;
    QVERIFY(f.state.TwoSlopes);
    // Inputs sheet: the total area, two decimals, in the catchment column.
    QCOMPARE(table->grid(1)->cellText(1, 2), QString::fromStdString(CellFixed(r.TotalArea, 2, '.')));
    QCOMPARE(table->grid(1)->cellText(2, 3), QString::fromStdString(CellFixed(f.state.Inputs.AreaL, 2, '.')));
    QCOMPARE(f.state.Inputs.AreaL, f.inputWindow()->edit(10)->text().toDouble());
    // Output sheet N = 100: the peak discharges of the catchment and both slopes.
    const ResultGridView* sheet100 = table->grid(6);
    QCOMPARE(sheet100->cellText(25, 2), QString::fromStdString(CellSignificant3(r.PeakDischargeC[5], '.')));
    QCOMPARE(sheet100->cellText(25, 3), QString::fromStdString(CellSignificant3(r.PeakDischargeL[5], '.')));
    QCOMPARE(sheet100->cellText(25, 4), QString::fromStdString(CellSignificant3(r.PeakDischargeR[5], '.')));
    QCOMPARE(sheet100->cellText(6, 3), QStringLiteral("  %1").arg(r.CriticalDurationL[5]));
    // The peak row is highlighted, the headings bold on light cyan.
    QCOMPARE(sheet100->grid().HighlightRow, 25);
    QCOMPARE(render::CellPainter::backgroundColor(RowStyle(sheet100->grid(), 25).background),
             QColor(255, 255, 204));
    QCOMPARE(render::CellPainter::backgroundColor(RowStyle(sheet100->grid(), 0).background),
             QColor(204, 255, 255));
    // The slopes + catchment summary merges the return-period labels.
    const ResultGridView* summary = table->grid(7);
    QCOMPARE(summary->rowSpan(2, 0), 3);
    QCOMPARE(summary->rowSpan(14, 0), 3);
    // The catchment summary: N = 5 ... 100 side by side.
    QCOMPARE(table->grid(8)->cellText(2, 1),
             QString::fromStdString(CellSignificant3(r.PeakDischargeC[1], '.')));
    QCOMPARE(table->grid(8)->cellText(2, 5),
             QString::fromStdString(CellSignificant3(r.PeakDischargeC[5], '.')));
}

void TestMainWindowCompute::computingTwiceOpensAFreshTable() {
    StartedFixture f;
    QVERIFY(f.computed("variant1-one-slope.snp"));
    QPointer<QWidget> first = f.main().resultWindows().window(ResultKind::Table, true);
    QVERIFY(first);
    qobject_cast<VariantIResultTableWindow*>(first.data())->tabs()->setCurrentIndex(3);
    f.main().computeProject();
    FlushClosedWindows();
    QVERIFY(!first);
    auto* second =
        qobject_cast<VariantIResultTableWindow*>(f.main().resultWindows().window(ResultKind::Table, true));
    QVERIFY(second);
    QCOMPARE(second->tabs()->currentIndex(), 0);
    QCOMPARE(f.main().mdiArea()->subWindowList().size(), 2); // the input window and one table
    // One slope: the unit stands in column 3 and column 4 is hidden.
    QCOMPARE(second->grid(2)->grid().UnitColumn, 3);
    QVERIFY(second->grid(2)->isColumnHidden(4));
}

void TestMainWindowCompute::variantIIOneSlopeHasFiveColumnsTwoSlopesSeven() {
    StartedFixture f;
    QVERIFY(f.computed("variant2-one-slope.snp"));
    auto* one =
        qobject_cast<Variant23ResultTableWindow*>(f.main().resultWindows().window(ResultKind::Table, false));
    QVERIFY(one);
    QVERIFY(!f.state.LastResultVariantI);
    QCOMPARE(one->grid()->model()->columnCount(), 5);
    QCOMPARE(one->grid()->model()->rowCount(), 45);
    QCOMPARE(one->grid()->cellText(38, 2),
             QString::fromStdString(CellSignificant3(f.state.Variant23.DesignPeakC, '.')));
    QCOMPARE(one->grid()->cellText(0, 2), QStringLiteral("  Povodí  "));

    QCOMPARE(f.main().openProjectFile(ExampleProject("variant2-two-slopes.snp")),
             MainWindow::OpenResult::Opened);
    FlushClosedWindows();
    QVERIFY(!f.main().resultWindows().isOpen(ResultKind::Table, false));
    f.main().computeProject();
    auto* two =
        qobject_cast<Variant23ResultTableWindow*>(f.main().resultWindows().window(ResultKind::Table, false));
    QVERIFY(two);
    QCOMPARE(two->grid()->model()->columnCount(), 7);
    QCOMPARE(two->grid()->cellText(0, 3), QStringLiteral(" Levý svah "));
    QCOMPARE(two->grid()->cellText(38, 4),
             QString::fromStdString(CellSignificant3(f.state.Variant23.DesignPeakR, '.')));
    // A section heading reads across the whole row.
    QCOMPARE(two->grid()->columnSpan(13, 0), 7);
}

void TestMainWindowCompute::variantIIIShowsItsLayout() {
    StartedFixture f;
    QVERIFY(f.computed("variant3-two-slopes.snp"));
    auto* table =
        qobject_cast<Variant23ResultTableWindow*>(f.main().resultWindows().window(ResultKind::Table, false));
    QVERIFY(table);
    QCOMPARE(table->grid()->model()->rowCount(), 35);
    QCOMPARE(table->grid()->grid().Table23PeakRow, 28);
    QCOMPARE(table->grid()->cellText(28, 2),
             QString::fromStdString(CellSignificant3(f.state.Variant23.DesignPeakC, '.')));
    // The context menu copies the values.
    QCOMPARE(table->grid()->contextMenu()->actions().last()->text(), QStringLiteral("Kopíruj tabulku"));
    table->copyTable();
    const QString copied = QApplication::clipboard()->text();
    QCOMPARE(copied, QString::fromStdString(CopyTableText(table->grid()->grid())));
    QCOMPARE(copied.count(QStringLiteral("\r\n")), 34);
}

void TestMainWindowCompute::noRunoffShowsTheMessageAndNoTable() {
    StartedFixture f;
    QCOMPARE(f.main().openProjectFile(ExampleProject("no-runoff.snp")), MainWindow::OpenResult::Opened);
    SeenMessage seen;
    ModalScript script({Answer(QMessageBox::Ok, &seen)});
    f.main().computeProject();
    FlushClosedWindows();
    QVERIFY(script.finished());
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttons, QMessageBox::Ok);
    QVERIFY2(seen.text.startsWith(QStringLiteral("Pro počet let N=")) ||
                 seen.text.contains(QStringLiteral("nedojde")),
             qPrintable(seen.text));
    QVERIFY(!f.main().resultWindows().isOpen(ResultKind::Table, true));
    QVERIFY(!f.main().resultWindows().isOpen(ResultKind::Table, false));
    QCOMPARE(f.main().mdiArea()->subWindowList().size(), 1);
    QVERIFY(!f.main().speedButton(7)->isChecked());
    QVERIFY(!f.main().menuItem(QStringLiteral("SpeedButton8Action"))->isVisible());
    QVERIFY(!f.main().menuItem(QStringLiteral("TiskTab1"))->isEnabled());
}

void TestMainWindowCompute::tableButtonClosesTheTable() {
    StartedFixture f;
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant1-one-slope.snp")),
             MainWindow::OpenResult::Opened);
    QTest::mouseClick(f.main().speedButton(7), Qt::LeftButton); // down: compute
    QVERIFY(f.main().resultWindows().isOpen(ResultKind::Table, true));
    QTest::mouseClick(f.main().speedButton(7), Qt::LeftButton); // up: close
    FlushClosedWindows();
    QVERIFY(!f.main().resultWindows().isOpen(ResultKind::Table, true));
    QVERIFY(!f.main().speedButton(7)->isChecked());
    QCOMPARE(f.main().speedButton(7)->toolTip(), QStringLiteral("Zobrazí tabulku výstupů"));
    QVERIFY(!f.main().speedButton(4)->isEnabled());
    QVERIFY(!f.main().speedButton(6)->isEnabled());
    QVERIFY(!f.main().menuItem(QStringLiteral("MenuGraf1"))->isEnabled());
    QVERIFY(!f.main().menuItem(QStringLiteral("N2Tabulka1"))->isVisible());
    QVERIFY(!f.main().menuItem(QStringLiteral("SpeedButton8Action"))->isVisible());
    // The table command comes back at once while the inputs are complete.
    QVERIFY(f.main().speedButton(7)->isEnabled());
    // Ctrl+T computes again.
    f.main().menuItem(QStringLiteral("TabulkaM1"))->trigger();
    QVERIFY(f.main().resultWindows().isOpen(ResultKind::Table, true));
}

void TestMainWindowCompute::chartAndTimeSeriesFollowTheTable() {
    StartedFixture f;
    QVERIFY(f.computed("variant1-two-slopes.snp"));

    f.main().menuItem(QStringLiteral("MenuGraf1"))->trigger();
    QVERIFY(f.main().resultWindows().isOpen(ResultKind::Chart, true));
    QVERIFY(f.main().speedButton(6)->isChecked());
    QCOMPARE(f.main().speedButton(6)->toolTip(), QStringLiteral("Uzavře okno s grafem"));
    QVERIFY(f.main().menuItem(QStringLiteral("Tiskgrafu1"))->isEnabled());
    QVERIFY(f.main().menuItem(QStringLiteral("Casoverady1"))->isEnabled());
    QVERIFY(f.main().menuItem(QStringLiteral("N1Hydrogram"))->isVisible());
    QVERIFY(f.main().menuItem(QStringLiteral("N3Graf1"))->isVisible());

    QTest::mouseClick(f.main().speedButton(5), Qt::LeftButton);
    QVERIFY(f.main().resultWindows().isOpen(ResultKind::TimeSeries, true));
    QVERIFY(f.main().menuItem(QStringLiteral("SpeedButton9Action"))->isVisible());
    QCOMPARE(f.main().speedButton(5)->toolTip(), QStringLiteral("Uzavře okno s časovými řadami"));
    // The copy commands serve the active time-series window.
    f.main().mdiArea()->setActiveSubWindow(f.main().resultWindows().subWindow(ResultKind::TimeSeries, true));
    QVERIFY(f.main().editMenu()->isEnabled());
    QVERIFY(f.main().menuItem(QStringLiteral("N4Casoverady1"))->isChecked());

    // A new computation closes the chart and the time series and releases their buttons.
    f.main().computeProject();
    FlushClosedWindows();
    QVERIFY(!f.main().resultWindows().isOpen(ResultKind::Chart, true));
    QVERIFY(!f.main().resultWindows().isOpen(ResultKind::TimeSeries, true));
    QVERIFY(!f.main().speedButton(5)->isChecked());
    QVERIFY(!f.main().speedButton(6)->isChecked());
    QVERIFY(!f.main().menuItem(QStringLiteral("SpeedButton9Action"))->isVisible());
    QVERIFY(!f.main().menuItem(QStringLiteral("N1Hydrogram"))->isVisible());
    QVERIFY(f.main().menuItem(QStringLiteral("SpeedButton8Action"))->isVisible());

    // Closing the table closes its chart too.
    QTest::mouseClick(f.main().speedButton(6), Qt::LeftButton);
    QVERIFY(f.main().resultWindows().isOpen(ResultKind::Chart, true));
    f.main().resultWindows().close(ResultKind::Table, true);
    FlushClosedWindows();
    QVERIFY(!f.main().resultWindows().isOpen(ResultKind::Chart, true));
    QVERIFY(!f.main().menuItem(QStringLiteral("Tiskgrafu1"))->isEnabled());
    QVERIFY(!f.main().menuItem(QStringLiteral("N3Graf1"))->isVisible());
}

void TestMainWindowCompute::hydrographItemsSwitchTheShownHydrograph() {
    StartedFixture f;
    QVERIFY(f.computed("variant1-one-slope.snp"));
    f.main().chartButtonClicked();
    QTest::mouseClick(f.main().speedButton(6), Qt::LeftButton);
    auto* chart =
        qobject_cast<VariantIChartWindow*>(f.main().resultWindows().window(ResultKind::Chart, true));
    QVERIFY(chart);
    QVERIFY(f.state.HydrographFromDesignRain);
    QVERIFY(chart->showsDesignRain());
    f.main().menuItem(QStringLiteral("N2Hydrogram"))->trigger();
    QVERIFY(!f.state.HydrographFromDesignRain);
    QVERIFY(f.main().menuItem(QStringLiteral("N2Hydrogram"))->isChecked());
    QVERIFY(!chart->showsDesignRain());
    f.main().menuItem(QStringLiteral("N2Hydrogram"))->trigger(); // already shown
    QVERIFY(!chart->showsDesignRain());
    // Closing the chart ticks the first item again.
    f.main().resultWindows().close(ResultKind::Chart, true);
    QVERIFY(f.main().menuItem(QStringLiteral("N1Hydrogram"))->isChecked());
    QVERIFY(f.state.HydrographFromDesignRain);
}

void TestMainWindowCompute::openingAProjectClosesTheResults() {
    StartedFixture f;
    QVERIFY(f.computed("variant1-one-slope.snp"));
    QVERIFY(f.main().resultWindows().isOpen(ResultKind::Table, true));
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant3-one-slope.snp")),
             MainWindow::OpenResult::Opened);
    FlushClosedWindows();
    QVERIFY(!f.main().resultWindows().isOpen(ResultKind::Table, true));
    QVERIFY(!f.main().isModified());
}

void TestMainWindowCompute::localeCommaIsUsedInTheGrids() {
    StartedFixture f(QStringLiteral(","));
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant2-one-slope.snp")),
             MainWindow::OpenResult::Opened);
    f.main().computeProject();
    auto* table =
        qobject_cast<Variant23ResultTableWindow*>(f.main().resultWindows().window(ResultKind::Table, false));
    QVERIFY(table);
    const QString area = table->grid()->cellText(1, 2);
    QVERIFY2(area.contains(QLatin1Char(',')) && !area.contains(QLatin1Char('.')), qPrintable(area));
    // The inputs keep their decimal point.
    QVERIFY(!f.inputWindow()->edit(10)->text().contains(QLatin1Char(',')));
}

void TestMainWindowCompute::computeToPaintedTableIsFast() {
    StartedFixture f;
    f.main().resize(1200, 900);
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant1-two-slopes.snp")),
             MainWindow::OpenResult::Opened);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(f.inputWindow()->computeButton(), Qt::LeftButton);
    QWidget* table = f.main().resultWindows().window(ResultKind::Table, true);
    QVERIFY(table);
    const QPixmap painted = f.main().grab(); // paints the table
    const qint64 elapsed = clock.elapsed();
    QVERIFY(!painted.isNull());
    // Measured, not asserted: the timing depends on the machine.
    qInfo("press \"Vypočítej\" -> painted two-slope Variant I table: %lld ms",
          static_cast<long long>(elapsed));
}

void TestMainWindowCompute::variantIPrintsAllTabsAndItsGridsStretch() {
    StartedFixture f;
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant1-two-slopes.snp")),
             MainWindow::OpenResult::Opened);
    f.main().computeProject();
    f.main().menuItem(QStringLiteral("MenuGraf1"))->trigger();
    QVERIFY(f.main().resultWindows().isOpen(ResultKind::Chart, true));
    QStringList defaults;
    QStringList shownTabs;
    std::vector<int> pages;
    bool onlyThisTab = false;
    SetPrintDialogRunner([&](QDialog& dialog) {
        if (auto* all = dialog.findChild<QRadioButton*>(QStringLiteral("VsechnyKarty"))) {
            defaults << (all->isChecked() ? QStringLiteral("all") : QStringLiteral("this"));
            auto* shown = dialog.findChild<QRadioButton*>(QStringLiteral("TutoKartu"));
            shownTabs << shown->text();
            shown->setChecked(onlyThisTab);
            all->setChecked(!onlyThisTab);
            return int(QDialog::Accepted);
        }
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        preview->updatePreview();
        pages.push_back(preview->pageCount());
        return int(QDialog::Rejected);
    });
    // No printer is needed: the preview shows the pages (and prints into a PDF file).
    f.main().printTable();
    onlyThisTab = true;
    f.main().printTable();
    onlyThisTab = false;
    f.main().printChart();
    SetPrintDialogRunner({});
    QCOMPARE(defaults, QStringList(3, QStringLiteral("all")));
    QCOMPARE(shownTabs.first(), QStringLiteral("&jen tuto kartu (VSTUP)"));
    QCOMPARE(shownTabs.last(), QStringLiteral("&jen tuto kartu (N = 5 let)"));
    QCOMPARE(pages, (std::vector<int>{8, 1, 5}));

    auto* table =
        qobject_cast<VariantIResultTableWindow*>(f.main().resultWindows().window(ResultKind::Table, true));
    QVERIFY(table);
    // The catchment summary shows no empty heading row above its first row.
    QVERIFY(table->grid(8)->isRowHidden(0));
    QVERIFY(!table->grid(8)->isRowHidden(1));
    // A wider window gives its room to the description column.
    table->tabs()->setCurrentIndex(1);
    ResultGridView* sheet = table->grid(2);
    QWidget* frame = table->parentWidget();
    frame->resize(1400, 700);
    QApplication::processEvents();
    const int symbol = sheet->columnWidth(0);
    const int description = sheet->columnWidth(1);
    const int viewport = sheet->viewport()->width();
    frame->resize(1600, 700);
    QApplication::processEvents();
    QCOMPARE(sheet->viewport()->width(), viewport + 200);
    QCOMPARE(sheet->columnWidth(1), description + 200);
    QCOMPARE(sheet->columnWidth(0), symbol);
}

QTEST_MAIN(TestMainWindowCompute)
#include "test_main_window_compute.moc"
