// The hydrograph chart windows: series against the hydrograph curve, axis
// maxima, the design rain band, the two Variant I hydrographs, zooming and
// going back, title editing (a long title on two lines) and copying the
// chart as a picture.
#include "core/series/ChartTexts.h"
#include "gui/views/HydrographChartView.h"
#include "gui/views/TGraf1.h"
#include "gui/views/TGrafV1_f.h"
#include "render/ChartBuilder.h"
#include "render/ChartDecorations.h"
#include "test_views_data.h"

#include <QAbstractAxis>
#include <QAreaSeries>
#include <QChart>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QWheelEvent>
#include <QtTest>

using namespace hydrim;
using namespace hydrim::gui;
using hydrim::testdata::Shape;

namespace {

constexpr double Tolerance = 1e-9;

template <typename T> T* Find(QChart* chart, const char* name) {
    for (QAbstractSeries* series : chart->series()) {
        if (series->objectName() == QLatin1String(name)) {
            return qobject_cast<T*>(series);
        }
    }
    return nullptr;
}

QAbstractAxis* Axis(QChart* chart, const char* name) {
    for (QAbstractAxis* axis : chart->axes()) {
        if (axis->objectName() == QLatin1String(name)) {
            return axis;
        }
    }
    return nullptr;
}

QStringList LegendEntries(QChart* chart) {
    QStringList names;
    for (QLegendMarker* marker : chart->legend()->markers()) {
        if (marker->isVisible()) {
            names << marker->label();
        }
    }
    return names;
}

int MinuteOf(const QPointF& point) {
    return int((qint64(point.x()) - render::ChartTimeOfMinute(0)) / 60000);
}

QString ClockOf(const QPointF& point) {
    return QDateTime::fromMSecsSinceEpoch(qint64(point.x())).toString(QStringLiteral("hh:mm"));
}

double LargestY(const QList<QPointF>& points) {
    double largest = 0;
    for (const QPointF& p : points) {
        largest = std::max(largest, p.y());
    }
    return largest;
}

} // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT

private slots:
    void oneSlopeWithoutPondingFollowsTheCurve();
    void dayRollOverRestartsTheClock();
    void twoSlopesOfDifferentLengthsAreSummedExactly();
    void rainBandHangsFromTheTopForTheRainDuration();
    void dailyHydrographHasNoRainAndItsOwnTitle();
    void tabsRedrawForTheirReturnPeriod();
    void emptyHydrographKeepsUsableAxes();
    void longHydrographOpensOnItsPeakZoomsAndReadsElapsedHours();
    void unsetTitleShowsNothingAndTheHydrographIsNamed();
    void titleIsEditedInPlace();
    void longTitleTakesTwoLinesAndTheEditorItsLimit();
    void emptyOrCancelledTitleKeepsTheOldOne();
    void contextMenuCopiesTheChartAsPictures();
    void screenshots();
};

void ChartWindowTest::oneSlopeWithoutPondingFollowsTheCurve() {
    AppState state;
    const Shape s{0, 10, 3, 20, 5, 2, 4.25};
    testdata::SetVariant23(state, s, 30, 1.4);
    TGraf1 window(state);
    QCOMPARE(window.windowTitle(), QStringLiteral("Zobrazení hydrogramů"));
    QChart* chart = window.chartView()->chart();

    auto* catchment = Find<QLineSeries>(chart, render::LeftSlopeSeriesName);
    QVERIFY(catchment);
    QCOMPARE(catchment->name(), QStringLiteral("Povodí  "));
    QCOMPARE(catchment->pen().color(), QColor(Qt::red));
    QVERIFY(!Find<QLineSeries>(chart, render::RightSlopeSeriesName));
    QVERIFY(!Find<QLineSeries>(chart, render::CatchmentSeriesName));

    const QList<QPointF> points = catchment->points();
    QCOMPARE(points.size(), s.P + s.T + s.B + s.F);
    // One zero point at minute 0, the rise from minute 1, the peak held on the plateau.
    QCOMPARE(points[0].y(), 0.0);
    QVERIFY(points[1].y() > 0.0);
    for (int j = 0; j < points.size(); ++j) {
        QCOMPARE(MinuteOf(points[j]), j);
        QVERIFY2(std::abs(points[j].y() - testdata::Discharge(s, j)) < Tolerance,
                 qPrintable(QString::number(j)));
    }
    QCOMPARE(points[s.T].y(), s.Q);
    QCOMPARE(points[s.T + s.B].y(), s.Q);

    auto* left = qobject_cast<QValueAxis*>(Axis(chart, render::DischargeAxisName));
    QVERIFY(left);
    QCOMPARE(left->titleText(), QStringLiteral("Průtok [m³.s⁻¹]"));
    QVERIFY(std::abs(left->max() - 1.1 * s.Q) < Tolerance);
    QCOMPARE(left->min(), 0.0);
    QCOMPARE(Axis(chart, render::TimeAxisName)->titleText(), QStringLiteral("Čas [hod:min]"));
    QCOMPARE(LegendEntries(chart),
             (QStringList{QStringLiteral("Výpočtový déšť"), QStringLiteral("Povodí  ")}));
    QCOMPARE(window.chartView()->footerText(), QStringLiteral("\nHydrim - SPIKA, verze 6.0.4"));
    QVERIFY(window.chartView()->returnPeriodLabel().isEmpty());
}

void ChartWindowTest::dayRollOverRestartsTheClock() {
    AppState state;
    const Shape s{5, 60, 0, 1435, 3, 1, 2.0}; // L = 1500
    testdata::SetVariant23(state, s, 60, 0.9);
    TGraf1 window(state);
    const QList<QPointF> points =
        Find<QLineSeries>(window.chartView()->chart(), render::LeftSlopeSeriesName)->points();
    QCOMPARE(points.size(), 1500);
    QCOMPARE(ClockOf(points[1439]), QStringLiteral("23:59"));
    QCOMPARE(ClockOf(points[1440]), QStringLiteral("00:00"));
    QCOMPARE(ClockOf(points[1499]), QStringLiteral("00:59"));
    QCOMPARE(MinuteOf(points[1499]), 1499);
    QVERIFY(std::abs(points[1499].y() - testdata::Discharge(s, 1499)) < Tolerance);
}

void ChartWindowTest::twoSlopesOfDifferentLengthsAreSummedExactly() {
    AppState state;
    const Shape left{3, 20, 5, 40, 7, 3, 6.5};   // 68 minutes
    const Shape right{8, 30, 0, 70, 5, 2, 3.25}; // 108 minutes
    testdata::SetVariant23(state, left, 40, 2.5);
    testdata::SetVariant23Right(state, right);
    TGraf1 window(state);
    QChart* chart = window.chartView()->chart();
    auto* s1 = Find<QLineSeries>(chart, render::LeftSlopeSeriesName);
    auto* s2 = Find<QLineSeries>(chart, render::RightSlopeSeriesName);
    auto* s3 = Find<QLineSeries>(chart, render::CatchmentSeriesName);
    QVERIFY(s1 && s2 && s3);
    QCOMPARE(s1->name(), QStringLiteral("Levý svah "));
    QCOMPARE(s2->name(), QStringLiteral("Pravý svah"));
    QCOMPARE(s3->name(), QStringLiteral("Povodí"));
    QCOMPARE(s1->pen().color(), QColor(Qt::blue));
    QCOMPARE(s3->pen().color(), QColor(Qt::red));

    const QList<QPointF> p1 = s1->points(), p2 = s2->points(), p3 = s3->points();
    QCOMPARE(p1.size(), 108);
    QCOMPARE(p2.size(), 108);
    QCOMPARE(p3.size(), 108);
    for (int j = 0; j < 108; ++j) {
        // The shorter left hydrograph runs on along its falling limb.
        QVERIFY(std::abs(p1[j].y() - testdata::Discharge(left, j)) < Tolerance);
        QVERIFY(std::abs(p2[j].y() - testdata::Discharge(right, j)) < Tolerance);
        QCOMPARE(p3[j].x(), p1[j].x());
        QCOMPARE(p3[j].y(), p1[j].y() + p2[j].y());
    }
    QVERIFY(p1[100].y() > 0.0);

    auto* axis = qobject_cast<QValueAxis*>(Axis(chart, render::DischargeAxisName));
    QVERIFY(std::abs(axis->max() - 1.1 * LargestY(p3)) < Tolerance);
    QVERIFY(axis->max() > 1.1 * LargestY(p1));
}

void ChartWindowTest::rainBandHangsFromTheTopForTheRainDuration() {
    AppState state;
    testdata::SetVariant23(state, Shape{10, 25, 0, 60, 2, 1, 1.0}, 35, 2.5);
    TGraf1 window(state);
    QChart* chart = window.chartView()->chart();
    auto* right = qobject_cast<QValueAxis*>(Axis(chart, render::IntensityAxisName));
    QVERIFY(right);
    QVERIFY(right->isVisible());
    QVERIFY(right->isReverse()); // zero at the top
    QCOMPARE(right->titleText(), QStringLiteral("Intenzita deště [mm.min⁻¹]"));
    QCOMPARE(right->max(), 3.0); // nint(2.5) = 2 (halves to even), plus one
    QCOMPARE(right->min(), 0.0);

    auto* band = Find<QAreaSeries>(chart, render::RainSeriesName);
    QVERIFY(band);
    QCOMPARE(band->name(), QStringLiteral("Výpočtový déšť"));
    QCOMPARE(band->brush().color(), QColor(204, 255, 255));
    QVERIFY(band->attachedAxes().contains(right));
    QList<QPointF> corners = band->upperSeries()->points() + band->lowerSeries()->points();
    double top = 1e9, bottom = -1e9;
    int first = 1 << 30, last = -1;
    for (const QPointF& p : corners) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
        first = std::min(first, MinuteOf(p));
        last = std::max(last, MinuteOf(p));
    }
    QCOMPARE(top, 0.0);
    QCOMPARE(bottom, 2.5);
    QCOMPARE(first, 0);
    QCOMPARE(last, 35);

    state.Inputs.RainIntensity = 3.5; // nint(3.5) = 4
    window.DrawDesignHydrograph();
    QCOMPARE(qobject_cast<QValueAxis*>(Axis(window.chartView()->chart(), render::IntensityAxisName))->max(),
             5.0);
}

void ChartWindowTest::dailyHydrographHasNoRainAndItsOwnTitle() {
    AppState state;
    state.CurrentProject.ChartTitle1 = "Hydrogram z návrhového deště";
    state.CurrentProject.ChartTitle2 = "Hydrogram z H1d";
    const Shape design{4, 15, 6, 45, 5, 2, 7.0};
    const Shape daily{4, 40, 0, 300, 9, 4, 7.0};
    testdata::SetVariantI(state, 1, true, design, daily);
    testdata::SetVariantIRain(state, 1, 25, 1.7);
    TGrafV1_f window(state);
    HydrographChartView* view = window.chartView();
    QVERIFY(window.showsDesignRain());
    QVERIFY(state.HydrographFromDesignRain);
    QCOMPARE(view->titleText(), QStringLiteral("Hydrogram z návrhového deště"));
    QCOMPARE(Find<QLineSeries>(view->chart(), render::LeftSlopeSeriesName)->points().size(), 70);
    QVERIFY(Find<QAreaSeries>(view->chart(), render::RainSeriesName));

    window.DrawDailyHydrograph();
    QChart* chart = view->chart();
    QVERIFY(!state.HydrographFromDesignRain);
    QCOMPARE(view->titleText(), QStringLiteral("Hydrogram z H1d"));
    QCOMPARE(view->captionText(), QStringLiteral("Hydrogram TPV vyvolaný 1denním srážkovým úhrnem H1dN"));
    QVERIFY(!Find<QAreaSeries>(chart, render::RainSeriesName));
    QVERIFY(!Axis(chart, render::IntensityAxisName));
    QVERIFY(!LegendEntries(chart).contains(QStringLiteral("Výpočtový déšť")));
    const QList<QPointF> points = Find<QLineSeries>(chart, render::LeftSlopeSeriesName)->points();
    QCOMPARE(points.size(), 4 + 40 + 0 + 300);
    QVERIFY(std::abs(points[44].y() - 7.0) < Tolerance);
    QVERIFY(std::abs(points[200].y() - testdata::Discharge(daily, 200)) < Tolerance);

    window.DrawDesignHydrograph();
    QVERIFY(state.HydrographFromDesignRain);
    QVERIFY(Find<QAreaSeries>(view->chart(), render::RainSeriesName));
    QCOMPARE(Find<QLineSeries>(view->chart(), render::LeftSlopeSeriesName)->points().size(), 70);
}

void ChartWindowTest::tabsRedrawForTheirReturnPeriod() {
    AppState state;
    for (int i = 1; i <= 5; ++i) {
        const Shape s{2, 10 + i, 0, 30, 3, 1, double(i)};
        testdata::SetVariantI(state, i, true, s, s);
        testdata::SetVariantIRain(state, i, 20 + i, 0.5 * i);
    }
    TGrafV1_f window(state);
    QCOMPARE(window.tabBar()->count(), 5);
    QCOMPARE(window.tabBar()->tabText(0), QStringLiteral("N = 5"));
    QCOMPARE(window.tabBar()->tabText(4), QStringLiteral("N = 100"));
    QCOMPARE(window.chartView()->returnPeriodLabel(), QStringLiteral("N = 5 let"));

    window.tabBar()->setCurrentIndex(4);
    QCOMPARE(window.returnPeriodIndex(), 5);
    QCOMPARE(window.chartView()->returnPeriodLabel(), QStringLiteral("N = 100 let"));
    QChart* chart = window.chartView()->chart();
    QCOMPARE(Find<QLineSeries>(chart, render::LeftSlopeSeriesName)->points().size(), 2 + 15 + 30);
    QVERIFY(std::abs(qobject_cast<QValueAxis*>(Axis(chart, render::DischargeAxisName))->max() - 5.5) <
            Tolerance);
    QCOMPARE(qobject_cast<QValueAxis*>(Axis(chart, render::IntensityAxisName))->max(),
             3.0); // nint(2.5) = 2, plus one

    // The tab keeps the hydrograph chosen in the menu.
    window.DrawDailyHydrograph();
    window.tabBar()->setCurrentIndex(2);
    QVERIFY(!window.showsDesignRain());
    QVERIFY(!Axis(window.chartView()->chart(), render::IntensityAxisName));
    QCOMPARE(window.chartView()->returnPeriodLabel(), QStringLiteral("N = 20 let"));
}

void ChartWindowTest::emptyHydrographKeepsUsableAxes() {
    AppState state; // no results: every hydrograph parameter is zero
    TGraf1 window(state);
    QChart* chart = window.chartView()->chart();
    QCOMPARE(Find<QLineSeries>(chart, render::LeftSlopeSeriesName)->points().size(), 0);
    auto* left = qobject_cast<QValueAxis*>(Axis(chart, render::DischargeAxisName));
    QVERIFY(left->max() > left->min());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.chartView()->grab().isNull());
}

void ChartWindowTest::longHydrographOpensOnItsPeakZoomsAndReadsElapsedHours() {
    AppState state;
    const Shape s{5, 30, 0, 2600, 3, 1, 2.0}; // peak at minute 35 of a 44-hour hydrograph
    testdata::SetVariant23(state, s, 30, 0.9);
    TGraf1 window(state);
    window.resize(900, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    HydrographChartView* view = window.chartView();
    // The first view shows the rise, the peak and the recession, not the whole tail.
    const QPair<int, int> first = view->shownMinutes();
    QCOMPARE(first.first, 0);
    QVERIFY2(first.second > 35 && first.second < 2635 / 2, qPrintable(QString::number(first.second)));
    QCOMPARE(render::FirstViewMinutes(view->content()), first.second);

    // The whole hydrograph: hours run on past a day.
    view->showWholeHydrograph();
    QCOMPARE(view->shownMinutes(), qMakePair(0, 2634));
    QStringList labels;
    for (int k = 0; !view->timeAxisLabel(k).isEmpty(); ++k) {
        labels << view->timeAxisLabel(k);
    }
    QVERIFY2(labels.contains(QStringLiteral("36:00")), qPrintable(labels.join(' ')));
    QCOMPARE(render::ElapsedTimeLabel(27 * 60), QStringLiteral("27:00"));
    QCOMPARE(render::ElapsedTimeLabel(6000), QStringLiteral("100:00"));

    view->resetView();
    QCOMPARE(view->shownMinutes(), first);
    const QRectF plot = view->chart()->plotArea();

    // The wheel zooms the time axis in around the pointer.
    QWheelEvent wheel(plot.center(), view->viewport()->mapToGlobal(plot.center().toPoint()), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    const QPair<int, int> zoomed = view->shownMinutes();
    QVERIFY(zoomed.second - zoomed.first < first.second - first.first);
    QVERIFY(zoomed.first > first.first && zoomed.second < first.second);

    // The arrow keys drag the view along; Home goes back to the first view.
    QTest::keyClick(view, Qt::Key_Right);
    QVERIFY(view->shownMinutes().first > zoomed.first);
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(view->shownMinutes(), first);

    // A rectangle dragged with the left button zooms into it; the right
    // button opens the menu and leaves the zoom.
    const QPoint from(int(plot.left() + plot.width() * 0.25), int(plot.top() + 10));
    const QPoint to(int(plot.left() + plot.width() * 0.5), int(plot.bottom() - 10));
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
    QMouseEvent drag(QEvent::MouseMove, to, view->viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drag);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
    const QPair<int, int> band = view->shownMinutes();
    QVERIFY2(band.second - band.first < (first.second - first.first) / 2,
             qPrintable(QStringLiteral("%1-%2").arg(band.first).arg(band.second)));
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, plot.center().toPoint());
    view->contextMenu()->hide();
    QCOMPARE(view->shownMinutes(), band);
    QAction* whole = nullptr;
    for (const char* item : {"Původní zobrazení", "Celý hydrogram", "Upravit název grafu…"}) {
        bool found = false;
        for (QAction* action : view->contextMenu()->actions()) {
            found = found || action->text() == QString::fromUtf8(item);
            whole = action->text() == QStringLiteral("Celý hydrogram") ? action : whole;
        }
        QVERIFY2(found, item);
    }

    // "Celý hydrogram" after the zoom: the whole time and the whole discharge range.
    whole->trigger();
    QCOMPARE(view->shownMinutes(), qMakePair(0, 2634));
    auto* discharge = qobject_cast<QValueAxis*>(Axis(view->chart(), render::DischargeAxisName));
    QCOMPARE(discharge->min(), 0.0);
    QCOMPARE(discharge->max(), render::DischargeAxisMaximum(view->content()));
}

void ChartWindowTest::unsetTitleShowsNothingAndTheHydrographIsNamed() {
    AppState state; // the titles hold the placeholder "Název grafu"
    testdata::SetVariant23(state, Shape{0, 10, 0, 20, 2, 1, 1.0}, 10, 1.0);
    TGraf1 window(state);
    HydrographChartView* view = window.chartView();
    QCOMPARE(view->captionText(), QStringLiteral("Hydrogram TPV vyvolaný výpočtovým deštěm"));
    render::HydrographChartContent content = view->content();
    QCOMPARE(content.title, QStringLiteral("Název grafu"));
    QChart* chart = render::BuildHydrographChart(content);
    render::ChartDecorations decorations;
    decorations.attach(chart, &content);
    QVERIFY(decorations.shownTitle().isEmpty());
    delete chart;
    // Its place can still be clicked, and the editor starts empty.
    QVERIFY(view->titleRect().width() >= 200);
    view->beginTitleEdit();
    QVERIFY(view->titleEditor()->text().isEmpty());
    QCOMPARE(view->titleEditor()->placeholderText(), QStringLiteral("Název grafu"));
}

void ChartWindowTest::titleIsEditedInPlace() {
    AppState state;
    state.CurrentProject.ChartTitle1 = "Původní";
    testdata::SetVariant23(state, Shape{0, 10, 0, 20, 2, 1, 1.0}, 10, 1.0);
    TGraf1 window(state);
    window.resize(900, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    HydrographChartView* view = window.chartView();
    QSignalSpy modified(&window, &ChartWindow::modified);

    const QRect title = view->titleRect();
    QVERIFY(title.isValid());
    QTest::mouseMove(view->viewport(), title.center());
    QCOMPARE(view->viewport()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(view->viewport(), QPoint(title.center().x(), title.bottom() + 200));
    QCOMPARE(view->viewport()->cursor().shape(), Qt::ArrowCursor);

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, title.center());
    QLineEdit* editor = view->titleEditor();
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->text(), QStringLiteral("Původní"));
    QVERIFY(editor->geometry().intersects(title));
    editor->clear();
    QTest::keyClicks(editor, QStringLiteral("Povodi Lu"));
    editor->insert(QStringLiteral("žnice, N = 100")); // QTest types ASCII only
    QTest::keyClick(editor, Qt::Key_Return);
    QVERIFY(!editor->isVisible());
    QCOMPARE(view->titleText(), QStringLiteral("Povodi Lužnice, N = 100"));
    QCOMPARE(state.CurrentProject.ChartTitle1, std::string("Povodi Lužnice, N = 100"));
    QCOMPARE(state.CurrentProject.ChartTitle2, DefaultChartTitle);
    QCOMPARE(modified.count(), 1);

    // Redrawing keeps the stored title.
    window.DrawDesignHydrograph();
    QCOMPARE(view->titleText(), QStringLiteral("Povodi Lužnice, N = 100"));
}

void ChartWindowTest::longTitleTakesTwoLinesAndTheEditorItsLimit() {
    AppState state;
    state.CurrentProject.ChartTitle1 = "Bezejmenný přítok Jihlavy u Třeští, závěrový profil nad obcí";
    const Shape s{1, 10, 0, 20, 2, 1, 1.0};
    testdata::SetVariantI(state, 1, true, s, s);
    TGrafV1_f window(state);
    window.resize(480, 420);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    HydrographChartView* view = window.chartView();
    QLineEdit* editor = view->titleEditor();

    // Shown on two lines, and a click on the second one edits it.
    QCOMPARE(view->shownTitle().count(QLatin1Char('\n')), 1);
    const QRect title = view->titleRect();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(title.center().x(), title.bottom() - 2));
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->text(), QString::fromStdString(state.CurrentProject.ChartTitle1));

    // The editor takes no more than 60 characters.
    QCOMPARE(editor->maxLength(), ChartTitleMaxLength);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, QStringLiteral(" a dal"));
    QCOMPARE(editor->text().size(), ChartTitleMaxLength);
}

void ChartWindowTest::emptyOrCancelledTitleKeepsTheOldOne() {
    AppState state;
    state.CurrentProject.ChartTitle2 = "Denní";
    const Shape s{1, 10, 0, 20, 2, 1, 1.0};
    testdata::SetVariantI(state, 1, true, s, s);
    TGrafV1_f window(state);
    window.DrawDailyHydrograph();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    HydrographChartView* view = window.chartView();
    QSignalSpy modified(&window, &ChartWindow::modified);

    view->beginTitleEdit();
    view->titleEditor()->clear();
    QTest::keyClick(view->titleEditor(), Qt::Key_Return);
    QVERIFY(!view->titleEditor()->isVisible());
    QCOMPARE(view->titleText(), QStringLiteral("Denní"));

    view->beginTitleEdit();
    view->titleEditor()->setText(QStringLiteral("Zahozeno"));
    QTest::keyClick(view->titleEditor(), Qt::Key_Escape);
    QVERIFY(!view->titleEditor()->isVisible());
    QCOMPARE(view->titleText(), QStringLiteral("Denní"));
    QCOMPARE(state.CurrentProject.ChartTitle2, std::string("Denní"));
    QCOMPARE(modified.count(), 0);

    // With the 1-day hydrograph shown, a typed title goes to the second title.
    view->beginTitleEdit();
    view->titleEditor()->setText(QStringLiteral("Nový denní"));
    QTest::keyClick(view->titleEditor(), Qt::Key_Enter);
    QCOMPARE(state.CurrentProject.ChartTitle2, std::string("Nový denní"));
    QCOMPARE(state.CurrentProject.ChartTitle1, DefaultChartTitle);
    QCOMPARE(modified.count(), 1);
}

void ChartWindowTest::contextMenuCopiesTheChartAsPictures() {
    AppState state;
    testdata::SetVariant23(state, Shape{0, 10, 0, 20, 2, 1, 1.0}, 10, 1.0);
    TGraf1 window(state);
    window.resize(800, 500);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    HydrographChartView* view = window.chartView();

    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, view->viewport()->rect().center());
    QMenu* menu = view->contextMenu();
    QTRY_VERIFY(menu->isVisible());
    QAction* copy = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == QStringLiteral("Kopíruj graf")) {
            copy = action;
        }
    }
    QVERIFY(copy);
    menu->hide();

    QApplication::clipboard()->clear();
    copy->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasImage());
    const QImage image = qvariant_cast<QImage>(data->imageData());
    QCOMPARE(image.size(), view->viewport()->size());
    QCOMPARE(QColor(image.pixel(2, 2)), QColor(Qt::white));
    QVERIFY(data->hasFormat(QStringLiteral("image/svg+xml")));
    const QByteArray svg = data->data(QStringLiteral("image/svg+xml"));
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("</svg>"));
}

// Every chart kind renders into a picture that can be saved; with
// HYDRIM_SCREENSHOT_DIR set the pictures are kept there for looking at the
// charts (run under a real X server or offscreen).
void ChartWindowTest::screenshots() {
    QTemporaryDir scratch;
    QString directory = qEnvironmentVariable("HYDRIM_SCREENSHOT_DIR");
    if (directory.isEmpty()) {
        QVERIFY(scratch.isValid());
        directory = scratch.path();
    }
    QDir().mkpath(directory);
    AppState state;
    state.CurrentProject.ChartTitle1 = "Malá Morávka – závěrový profil";
    const Shape design{12, 38, 6, 180, 5, 2, 14.62};
    const Shape daily{12, 95, 0, 820, 7, 3, 14.62};
    const Shape designR{20, 55, 0, 240, 3, 1, 9.1};
    const Shape dailyR{20, 120, 0, 1100, 5, 2, 9.1};
    testdata::SetVariantI(state, 5, true, design, daily);
    testdata::SetVariantI(state, 5, false, designR, dailyR);
    testdata::SetVariantIRain(state, 5, 45, 1.62);
    state.TwoSlopes = true;
    TGrafV1_f two(state);
    two.tabBar()->setCurrentIndex(4);
    two.resize(1000, 680);
    two.show();
    QVERIFY(QTest::qWaitForWindowExposed(&two));
    QVERIFY(two.grab().save(directory + "/chart-variant1-design.png"));
    two.DrawDailyHydrograph();
    QVERIFY(two.grab().save(directory + "/chart-variant1-daily.png"));

    AppState one;
    testdata::SetVariant23(one, Shape{0, 24, 10, 96, 3, 1, 3.374}, 30, 2.18);
    TGraf1 single(one);
    single.resize(1000, 650);
    single.show();
    QVERIFY(QTest::qWaitForWindowExposed(&single));
    QVERIFY(single.grab().save(directory + "/chart-variant23-one-slope.png"));
}

QTEST_MAIN(ChartWindowTest)
#include "test_views_chart.moc"
