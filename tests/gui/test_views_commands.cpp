// The chart and time-series windows inside the main window: opening and
// closing them through the tool buttons and menus, the command states that
// follow, the switch between the two Variant I hydrographs, the copy
// commands of "&Edituj" with their keys (on the time series and on the
// result table), the N a Variant II caption names and a typed chart title
// marking the project modified.
#include "core/project/ProjectFile.h"
#include "core/hydrology/HydrographOrdinates.h"
#include "gui/app/Hlavni.h"
#include "gui/app/WindowedStart.h"
#include "gui/results/ResultGridView.h"
#include "gui/results/Tabulka.h"
#include "gui/views/HydrographChartView.h"
#include "gui/views/TGraf1.h"
#include "gui/views/TGrafV1_f.h"
#include "gui/views/TVypisDat1.h"
#include "gui/views/TVypisDatV1_f.h"
#include "gui/views/TimeSeriesModel.h"

#include "MainWindowTestSupport.h"

#include <QAction>
#include <QAreaSeries>
#include <QChart>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMdiArea>
#include <QMenu>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace hydrim;
using namespace hydrim::gui;
using namespace hydrim::gui::testing;
namespace {

QLineSeries* Series(ChartWindow* window, const char* name) {
    for (QAbstractSeries* series : window->chartView()->chart()->series()) {
        if (series->objectName() == QLatin1String(name)) {
            return qobject_cast<QLineSeries*>(series);
        }
    }
    return nullptr;
}

bool HasRainBand(ChartWindow* window) {
    for (QAbstractSeries* series : window->chartView()->chart()->series()) {
        if (qobject_cast<QAreaSeries*>(series)) {
            return true;
        }
    }
    return false;
}

} // namespace

class ViewCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void variantIChartAndTimeSeriesFollowTheMenus();
    void closingTheChartClosesTheTimeSeries();
    void copyCommandsWorkOnTheActiveTimeSeries();
    void copyCommandsWorkOnTheActiveResultTable();
    void typedTitleMarksTheProjectModified();
    void variant2WindowsHaveNoHydrographChoice();
};

void ViewCommandsTest::variantIChartAndTimeSeriesFollowTheMenus() {
    StartedFixture f;
    QVERIFY(f.computed("variant1-two-slopes.snp"));
    THlavni& main = f.main();
    QVERIFY(main.resultWindows().isOpen(ResultKind::Table, true));
    QVERIFY(main.speedButton(6)->isEnabled());
    QVERIFY(!main.speedButton(5)->isEnabled());
    QVERIFY(!main.menuItem("Tiskgrafu1")->isEnabled());

    main.MenuGraf1Click();
    auto* chart = qobject_cast<TGrafV1_f*>(main.resultWindows().window(ResultKind::Chart, true));
    QVERIFY(chart);
    QVERIFY(main.speedButton(6)->isChecked());
    QCOMPARE(main.speedButton(6)->toolTip(), QStringLiteral("Uzavře okno s grafem"));
    QVERIFY(main.menuItem("Tiskgrafu1")->isEnabled());
    QVERIFY(main.menuItem("Casoverady1")->isEnabled());
    QVERIFY(main.speedButton(5)->isEnabled());
    QVERIFY(main.menuItem("N1Hydrogram")->isVisible());
    QVERIFY(main.menuItem("N2Hydrogram")->isVisible());
    QVERIFY(main.menuItem("N1Hydrogram")->isChecked());
    QVERIFY(main.menuItem("N3Graf1")->isVisible());

    // The chart draws the engine's ordinates of the computed results.
    const HydrographSet expected = CombineHydrographs(VariantIHydrograph(f.state, 1, Slope::Left, true),
                                                      VariantIHydrograph(f.state, 1, Slope::Right, true));
    const QList<QPointF> catchment = Series(chart, "Series3")->points();
    QCOMPARE(size_t(catchment.size()), expected.Length());
    QVERIFY(expected.Length() > 0);
    for (size_t k = 0; k < expected.Length(); k += 7) {
        QCOMPARE(catchment[qsizetype(k)].y(), expected.Catchment[k]);
    }
    QVERIFY(HasRainBand(chart));

    main.Casoverady1Click();
    auto* series = qobject_cast<TVypisDatV1_f*>(main.resultWindows().window(ResultKind::TimeSeries, true));
    QVERIFY(series);
    QVERIFY(main.speedButton(5)->isChecked());
    QCOMPARE(main.speedButton(5)->toolTip(), QStringLiteral("Uzavře okno s časovými řadami"));
    QVERIFY(main.menuItem("N4Casoverady1")->isVisible());
    QCOMPARE(series->model()->columnCount(), 5);

    // The 1-day hydrograph: chart and listing redraw, without the rain.
    main.N2HydrogramClick();
    QVERIFY(!f.state.HydrographFromDesignRain);
    QVERIFY(main.menuItem("N2Hydrogram")->isChecked());
    QVERIFY(!chart->showsDesignRain());
    QVERIFY(!HasRainBand(chart));
    QCOMPARE(series->model()->columnCount(), 4);
    const HydrographSet daily = CombineHydrographs(VariantIHydrograph(f.state, 1, Slope::Left, false),
                                                   VariantIHydrograph(f.state, 1, Slope::Right, false));
    QCOMPARE(size_t(Series(chart, "Series1")->points().size()), daily.Length());
    QCOMPARE(size_t(series->model()->rowCount()), daily.Length());

    main.N1HydrogramClick();
    QVERIFY(chart->showsDesignRain());
    QVERIFY(HasRainBand(chart));
    QCOMPARE(series->model()->columnCount(), 5);
}

void ViewCommandsTest::closingTheChartClosesTheTimeSeries() {
    StartedFixture f;
    QVERIFY(f.computed("variant1-one-slope.snp"));
    THlavni& main = f.main();
    main.MenuGraf1Click();
    main.Casoverady1Click();
    main.N2HydrogramClick();
    QVERIFY(main.resultWindows().isOpen(ResultKind::TimeSeries, true));

    main.MenuGraf1Click(); // the chart button comes up: the chart closes
    FlushClosedWindows();
    QVERIFY(!main.resultWindows().isOpen(ResultKind::Chart, true));
    QVERIFY(!main.resultWindows().isOpen(ResultKind::TimeSeries, true));
    QVERIFY(!main.speedButton(6)->isChecked());
    QCOMPARE(main.speedButton(6)->toolTip(), QStringLiteral("Zoobrazí graf"));
    QVERIFY(!main.speedButton(5)->isEnabled());
    QVERIFY(!main.speedButton(5)->isChecked());
    QCOMPARE(main.speedButton(5)->toolTip(), QStringLiteral("Zobrazí časové řady"));
    QVERIFY(!main.menuItem("Casoverady1")->isEnabled());
    QVERIFY(!main.menuItem("Tiskgrafu1")->isEnabled());
    QVERIFY(!main.menuItem("N1Hydrogram")->isVisible());
    QVERIFY(!main.menuItem("N2Hydrogram")->isVisible());
    QVERIFY(main.menuItem("N1Hydrogram")->isChecked());
    QVERIFY(!main.menuItem("N3Graf1")->isVisible());
    QVERIFY(!main.menuItem("N4Casoverady1")->isVisible());
    QVERIFY(f.state.HydrographFromDesignRain);

    // Reopened, the chart shows the design-rain hydrograph again.
    main.MenuGraf1Click();
    auto* chart = qobject_cast<TGrafV1_f*>(main.resultWindows().window(ResultKind::Chart, true));
    QVERIFY(chart);
    QVERIFY(chart->showsDesignRain());
    QVERIFY(Series(chart, "Series1"));
    QVERIFY(!Series(chart, "Series2"));
}

void ViewCommandsTest::copyCommandsWorkOnTheActiveTimeSeries() {
    StartedFixture f;
    QVERIFY(f.computed("variant1-two-slopes.snp"));
    THlavni& main = f.main();
    main.MenuGraf1Click();
    main.Casoverady1Click();
    auto* series = qobject_cast<TVypisDatV1_f*>(main.resultWindows().window(ResultKind::TimeSeries, true));
    QVERIFY(series);
    main.mdiArea()->setActiveSubWindow(main.resultWindows().subWindow(ResultKind::TimeSeries, true));
    main.Timer1Timer();
    QVERIFY(main.editMenu()->isEnabled());

    series->select(CellSelection{3, 10, 3, 10});
    main.Kopiruj1Click();
    const QString cell = series->model()->data(series->model()->index(8, 3)).toString();
    QCOMPARE(QApplication::clipboard()->text(), cell + "\r");
    main.Kopiruj2Click();
    QCOMPARE(QApplication::clipboard()->text().count('\r'), 3);
    QVERIFY(QApplication::clipboard()->text().endsWith(
        series->model()->data(series->model()->index(8, 0)).toString() + "\t" + cell + "\r"));
    main.Kopirujvse1Click();
    QCOMPARE(QApplication::clipboard()->text().count('\r'), series->model()->rowCount() + 2);

    // Ctrl+C and Ctrl+Shift+C reach the same commands from the grid.
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keySequence(series->table(), QKeySequence(Qt::CTRL | Qt::Key_C));
    QCOMPARE(QApplication::clipboard()->text(), cell + "\r");
    QTest::keySequence(series->table(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QCOMPARE(QApplication::clipboard()->text().count('\r'), 3);

    main.mdiArea()->setActiveSubWindow(main.resultWindows().subWindow(ResultKind::Chart, true));
    main.Timer1Timer();
    QVERIFY(!main.editMenu()->isEnabled());
    // With another window in front Ctrl+C leaves the clipboard alone.
    QApplication::clipboard()->setText(QStringLiteral("jiný text"));
    QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_C));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("jiný text"));
}

void ViewCommandsTest::copyCommandsWorkOnTheActiveResultTable() {
    StartedFixture f;
    QVERIFY(f.computed("variant2-two-slopes.snp"));
    THlavni& main = f.main();
    auto* table = qobject_cast<TTabulka1*>(main.resultWindows().window(ResultKind::Table, false));
    QVERIFY(table);
    main.mdiArea()->setActiveSubWindow(main.resultWindows().subWindow(ResultKind::Table, false));
    main.Timer1Timer();
    QVERIFY(main.editMenu()->isEnabled());
    ResultGridView* grid = table->grid();
    QClipboard* clipboard = QApplication::clipboard();

    // Nothing selected: the whole table, a line per row.
    main.Kopiruj1Click();
    QCOMPARE(clipboard->text().count('\r'), grid->grid().RowCount());

    // Ctrl+C: the selected peak discharges of the catchment and both slopes.
    const int peak = grid->grid().Table23PeakRow;
    grid->select(CellSelection{2, peak, 4, peak});
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keySequence(grid, QKeySequence(Qt::CTRL | Qt::Key_C));
    QCOMPARE(clipboard->text(), grid->cellText(peak, 2) + '\t' + grid->cellText(peak, 3) + '\t' +
                                    grid->cellText(peak, 4) + '\r');

    // Ctrl+Shift+C: the column titles and the row's symbol and description
    // with the volumes and their unit, its power of ten a superscript.
    const int volume = peak + 2;
    grid->select(CellSelection{2, volume, 5, volume});
    QTest::keySequence(grid, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    const QStringList lines = clipboard->text().split('\r');
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].contains(QStringLiteral(" Pravý svah ")), qPrintable(lines[0]));
    const auto shown = [grid, volume](int column) {
        return QString::fromStdString(ShownCellText(grid->grid(), volume, column));
    };
    QVERIFY(lines[1].startsWith(shown(0) + '\t' + shown(1) + '\t' + shown(2) + '\t'));
    QVERIFY2(lines[1].endsWith(QStringLiteral("m³]")) && !lines[1].contains(QStringLiteral("m3")),
             qPrintable(lines[1]));
}

void ViewCommandsTest::typedTitleMarksTheProjectModified() {
    StartedFixture f;
    QVERIFY(f.computed("variant1-one-slope.snp"));
    THlavni& main = f.main();
    main.MenuGraf1Click();
    QVERIFY(!main.isModified());
    auto* chart = qobject_cast<TGrafV1_f*>(main.resultWindows().window(ResultKind::Chart, true));
    QVERIFY(chart);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    HydrographChartView* view = chart->chartView();
    view->beginTitleEdit();
    view->titleEditor()->setText(QStringLiteral("Hydrogram N = 5"));
    QTest::keyClick(view->titleEditor(), Qt::Key_Return);
    QVERIFY(main.isModified());
    QCOMPARE(f.state.CurrentProject.ChartTitle1, std::string("Hydrogram N = 5"));

    // The title travels in the project file.
    const QString file = f.path("titled.snp");
    QVERIFY(main.saveProjectTo(file));
    AppState reread;
    QVERIFY(ReadProjectFile(file.toStdString(), reread.CurrentProject).ok());
    QCOMPARE(reread.CurrentProject.ChartTitle1, std::string("Hydrogram N = 5"));
}

void ViewCommandsTest::variant2WindowsHaveNoHydrographChoice() {
    StartedFixture f;
    QVERIFY(f.computed("variant2-two-slopes.snp"));
    THlavni& main = f.main();
    QVERIFY(main.resultWindows().isOpen(ResultKind::Table, false));
    main.MenuGraf1Click();
    auto* chart = qobject_cast<TGraf1*>(main.resultWindows().window(ResultKind::Chart, false));
    QVERIFY(chart);
    QVERIFY(HasRainBand(chart));
    QVERIFY(Series(chart, "Series3"));
    QVERIFY(!main.menuItem("N1Hydrogram")->isVisible());
    QVERIFY(!main.menuItem("N2Hydrogram")->isVisible());

    main.Casoverady1Click();
    auto* series = qobject_cast<TVypisDat1*>(main.resultWindows().window(ResultKind::TimeSeries, false));
    QVERIFY(series);
    QCOMPARE(series->model()->columnCount(), 5);
    QCOMPARE(series->model()->rowCount(), Series(chart, "Series1")->points().size());

    // Both name the N of the design rain.
    const QString n = QStringLiteral(", N = %1 let").arg(f.state.Inputs.ReturnPeriod);
    QVERIFY(f.state.Inputs.ReturnPeriod > 0);
    QVERIFY2(chart->chartView()->captionText().endsWith(n), qPrintable(chart->chartView()->captionText()));
    QVERIFY(series->caption()->text().endsWith(n));
}

QTEST_MAIN(ViewCommandsTest)
#include "test_views_commands.moc"
