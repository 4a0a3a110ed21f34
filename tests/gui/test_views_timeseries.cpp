// The time-series windows: columns and rows of both families, the unit row,
// refreshing with the Variant I hydrograph and tab, long hydrographs, and
// the three copy commands on a selection made with the mouse.
#include "ViewsTestData.h"
#include "gui/views/TimeSeriesModel.h"
#include "gui/views/TwoRowHeader.h"
#include "gui/views/UnitText.h"
#include "gui/views/Variant23TimeSeriesWindow.h"
#include "gui/views/VariantITimeSeriesWindow.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QTabBar>
#include <QTableView>
#include <QtTest>

using namespace hydrim;
using namespace hydrim::gui;
using hydrim::testdata::Shape;

namespace {

QString Cell(const TimeSeriesWindow& window, int row, int column) {
    return window.model()->data(window.model()->index(row, column)).toString();
}

QString Title(const TimeSeriesWindow& window, int column) {
    return window.model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

QString Unit(const TimeSeriesWindow& window, int column) {
    return window.model()->headerData(column, Qt::Horizontal, UnitRole).toString();
}

// The point of a cell in the table's viewport.
QPoint CellCentre(const TimeSeriesWindow& window, int row, int column) {
    return window.table()->visualRect(window.model()->index(row, column)).center();
}

// Variant I, N = 5, two slopes of different lengths, design rain 3 minutes.
void TwoSlopeVariantI(AppState& state) {
    const Shape left{0, 4, 2, 10, 2, 1, 8.0};  // 16 minutes
    const Shape right{1, 6, 0, 13, 3, 1, 2.5}; // 20 minutes
    const Shape leftDaily{0, 9, 0, 30, 2, 1, 8.0};
    const Shape rightDaily{1, 12, 0, 20, 3, 1, 2.5};
    testdata::SetVariantI(state, 1, true, left, leftDaily);
    testdata::SetVariantI(state, 1, false, right, rightDaily);
    testdata::SetVariantIRain(state, 1, 3, 1.25);
    const Shape other{0, 10, 0, 50, 2, 1, 1.0};
    testdata::SetVariantI(state, 5, true, other, other);
    testdata::SetVariantI(state, 5, false, other, other);
    state.TwoSlopes = true;
}

} // namespace

class TimeSeriesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void oneSlopeHasTimeRainAndCatchment();
    void numbersUseTheLocaleSeparator();
    void dailyHydrographDropsTheRainColumn();
    void tabsListTheirReturnPeriod();
    void longHydrographIsListedLazily();
    void unitRowRaisesExponents();
    void copyCommandsTakeTheMouseSelection();
    void copyAllTakesEveryCell();
};

void TimeSeriesWindowTest::oneSlopeHasTimeRainAndCatchment() {
    AppState state;
    const Shape s{0, 5, 4, 21, 2, 1, 123.4567}; // 30 minutes, plateau at Q
    testdata::SetVariant23(state, s, 3, 1.5);
    Variant23TimeSeriesWindow window(state);
    QCOMPARE(window.windowTitle(), QStringLiteral("Časové řady"));
    QCOMPARE(window.model()->columnCount(), 3);
    QCOMPARE(window.model()->rowCount(), 30);
    QCOMPARE(Title(window, 0), QStringLiteral("Časové řady"));
    QCOMPARE(Title(window, 1), QStringLiteral(" Srážka "));
    QCOMPARE(Title(window, 2), QStringLiteral("  Povodí  "));
    QCOMPARE(Unit(window, 0), QStringLiteral("Čas [hod:min]"));
    QCOMPARE(Unit(window, 1), QStringLiteral("[mm.min-1]"));
    QCOMPARE(Unit(window, 2), QStringLiteral("[m3.s-1]"));

    // Row r of the listing is labelled with minute r - 1 and shows point r - 2.
    QCOMPARE(Cell(window, 0, 0), QStringLiteral("    00:01"));
    QCOMPARE(Cell(window, 29, 0), QStringLiteral("    00:30"));
    QCOMPARE(Cell(window, 0, 1), QStringLiteral("    1.50"));
    QCOMPARE(Cell(window, 2, 1), QStringLiteral("    1.50"));
    QCOMPARE(Cell(window, 3, 1), QStringLiteral("    0"));
    QCOMPARE(Cell(window, 0, 2), QStringLiteral("  0.000"));
    QCOMPARE(Cell(window, 7, 2), QStringLiteral("  123.46")); // five significant digits
    QCOMPARE(Cell(window, 1, 2), QStringLiteral("  %1").arg(testdata::Discharge(s, 1), 0, 'f', 3));

    const int timeWidth =
        QFontMetrics(window.model()->font()).horizontalAdvance(QStringLiteral("Čas [hod:min]"));
    QVERIFY(window.table()->columnWidth(0) >= timeWidth + 10);
    QVERIFY(window.table()->horizontalHeader()->sizeHint().height() >=
            2 * QFontMetrics(window.table()->horizontalHeader()->font()).height());
}

void TimeSeriesWindowTest::numbersUseTheLocaleSeparator() {
    AppState state;
    state.LocaleDecimalSeparator = ',';
    testdata::SetVariant23(state, Shape{0, 5, 4, 21, 2, 1, 123.4567}, 3, 1.5);
    Variant23TimeSeriesWindow window(state);
    QCOMPARE(Cell(window, 0, 1), QStringLiteral("    1,50"));
    QCOMPARE(Cell(window, 7, 2), QStringLiteral("  123,46"));
}

void TimeSeriesWindowTest::dailyHydrographDropsTheRainColumn() {
    AppState state;
    TwoSlopeVariantI(state);
    VariantITimeSeriesWindow window(state);
    QCOMPARE(window.model()->columnCount(), 5);
    QCOMPARE(window.model()->rowCount(), 20); // the longer slope
    QCOMPARE(Title(window, 3), QStringLiteral(" Levý svah "));
    QCOMPARE(Title(window, 4), QStringLiteral(" Pravý svah "));
    QCOMPARE(window.caption()->text(), QStringLiteral("Hydrogram TPV vyvolaný výpočtovým deštěm"));

    state.HydrographFromDesignRain = false;
    window.refresh();
    QCOMPARE(window.model()->columnCount(), 4);
    QCOMPARE(window.caption()->text(),
             QStringLiteral("Hydrogram TPV vyvolaný 1denním srážkovým úhrnem H1dN"));
    QCOMPARE(Title(window, 1), QStringLiteral("  Povodí  "));
    QCOMPARE(window.model()->rowCount(), 39);
    // The catchment column is the sum of the slopes, as listed.
    const Shape leftDaily{0, 9, 0, 30, 2, 1, 8.0};
    const Shape rightDaily{1, 12, 0, 20, 3, 1, 2.5};
    for (int point : {0, 5, 12, 33, 38}) {
        const double sum = testdata::Discharge(leftDaily, point) + testdata::Discharge(rightDaily, point);
        QCOMPARE(Cell(window, point, 1), QStringLiteral("  %1").arg(sum, 0, 'f', 3));
    }
}

void TimeSeriesWindowTest::tabsListTheirReturnPeriod() {
    AppState state;
    TwoSlopeVariantI(state);
    VariantITimeSeriesWindow window(state);
    QCOMPARE(window.tabBar()->count(), 5);
    QCOMPARE(window.tabBar()->tabText(2), QStringLiteral("N = 20"));
    window.tabBar()->setCurrentIndex(4);
    QCOMPARE(window.returnPeriodIndex(), 5);
    QCOMPARE(window.model()->rowCount(), 60);
    window.tabBar()->setCurrentIndex(0);
    QCOMPARE(window.model()->rowCount(), 20);
}

void TimeSeriesWindowTest::longHydrographIsListedLazily() {
    AppState state;
    testdata::SetVariant23(state, Shape{0, 100, 0, 49900, 2, 1, 5.0}, 60, 0.8);
    Variant23TimeSeriesWindow window(state);
    QCOMPARE(window.model()->rowCount(), 50000);
    QCOMPARE(Cell(window, 49999, 0), QStringLiteral("    833:20")); // hours run on past 24 and 99
    QCOMPARE(Cell(window, 1499, 0), QStringLiteral("    25:00"));
    window.resize(500, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.table()->scrollToBottom();
    QVERIFY(window.table()->rowAt(window.table()->viewport()->height() - 2) > 49900);
}

void TimeSeriesWindowTest::unitRowRaisesExponents() {
    const QList<TextRun> cubic = SplitExponents(QStringLiteral("[m3.s-1]"));
    QCOMPARE(cubic, (QList<TextRun>{{"[m", false}, {"3", true}, {".s", false}, {"-1", true}, {"]", false}}));
    const QList<TextRun> rain = SplitExponents(QStringLiteral("[mm.min-1]"));
    QCOMPARE(rain, (QList<TextRun>{{"[mm.min", false}, {"-1", true}, {"]", false}}));
    QCOMPARE(SplitExponents(QStringLiteral("Čas [hod:min]")).size(), 1);
    QCOMPARE(SplitExponents(QStringLiteral("a - 1")).size(), 1); // a minus sign apart from a letter stays

    QFont font;
    font.setPixelSize(16);
    QCOMPARE(SuperscriptFont(font).pixelSize(), 10); // 3/5 of 16, rounded
    QFont points;
    points.setPointSize(12);
    QCOMPARE(SuperscriptFont(points).pointSize(), 7);
    QVERIFY(UnitTextWidth(QStringLiteral("[m3.s-1]"), font) <
            QFontMetrics(font).horizontalAdvance(QStringLiteral("[m3.s-1]")));
}

void TimeSeriesWindowTest::copyCommandsTakeTheMouseSelection() {
    AppState state;
    TwoSlopeVariantI(state);
    VariantITimeSeriesWindow window(state);
    window.resize(700, 500);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* viewport = window.table()->viewport();

    // One cell: model row 3 is listing row 5.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, CellCentre(window, 3, 1));
    const CellSelection one = window.selection();
    QCOMPARE(one.Left, 1);
    QCOMPARE(one.Top, 5);
    QCOMPARE(one.Right, 1);
    QCOMPARE(one.Bottom, 5);
    window.copySelection(CopyKind::Selection);
    QCOMPARE(QApplication::clipboard()->text(), Cell(window, 3, 1) + "\r");

    // One cell in column 3: the header rows and the time column come along.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, CellCentre(window, 3, 3));
    window.copySelection(CopyKind::SelectionWithHeader);
    const QString expectedPlus = Title(window, 0) + "\t" + Title(window, 3) + "\r" + Unit(window, 0) + "\t" +
                                 Unit(window, 3) + "\r" + Cell(window, 3, 0) + "\t" + Cell(window, 3, 3) +
                                 "\r";
    QCOMPARE(QApplication::clipboard()->text(), expectedPlus);

    // A rectangle dragged out with Shift: rows 2..4, columns 2..4.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, CellCentre(window, 2, 2));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, CellCentre(window, 4, 4));
    const CellSelection box = window.selection();
    QCOMPARE(box.Left, 2);
    QCOMPARE(box.Top, 4);
    QCOMPARE(box.Right, 4);
    QCOMPARE(box.Bottom, 6);
    QString expected;
    for (int row = 2; row <= 4; ++row) {
        expected += Cell(window, row, 2) + "\t" + Cell(window, row, 3) + "\t" + Cell(window, row, 4) + "\r";
    }
    QCOMPARE(QString::fromStdString(window.copyText(CopyKind::Selection)), expected);
    // A selection starting in column 0 repeats column 0 with "Kopíruj+".
    window.select(CellSelection{0, 2, 1, 2});
    QCOMPARE(QString::fromStdString(window.copyText(CopyKind::SelectionWithHeader)).section('\r', 2, 2),
             Cell(window, 0, 0) + "\t" + Cell(window, 0, 0) + "\t" + Cell(window, 0, 1));
}

void TimeSeriesWindowTest::copyAllTakesEveryCell() {
    AppState state;
    testdata::SetVariant23(state, Shape{1, 3, 0, 4, 2, 1, 2.0}, 2, 0.75); // 8 minutes
    Variant23TimeSeriesWindow window(state);
    window.copySelection(CopyKind::All);
    const QString text = QApplication::clipboard()->text();
    QVERIFY(!text.contains('\n'));
    QCOMPARE(text.count('\r'), 10);
    QVERIFY(text.endsWith('\r'));
    const QStringList rows = text.split('\r');
    QCOMPARE(rows[0], QStringLiteral("Časové řady\t Srážka \t  Povodí  "));
    QCOMPARE(rows[1], QStringLiteral("Čas [hod:min]\t[mm.min-1]\t[m3.s-1]"));
    QCOMPARE(rows[2], QStringLiteral("    00:01\t    0.75\t  0.000"));
    QCOMPARE(rows[4], QStringLiteral("    00:03\t    0\t  %1")
                          .arg(testdata::Discharge({1, 3, 0, 4, 2, 1, 2.0}, 2), 0, 'f', 3));
    QCOMPARE(rows[9], QStringLiteral("    00:08\t    0\t  %1")
                          .arg(testdata::Discharge({1, 3, 0, 4, 2, 1, 2.0}, 7), 0, 'f', 3));
}

QTEST_MAIN(TimeSeriesWindowTest)
#include "test_views_timeseries.moc"
