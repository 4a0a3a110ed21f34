#include "render/ChartBuilder.h"

#include "core/series/ChartScales.h"
#include "render/DocumentNumbers.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>

namespace hydrim::render {

namespace {

constexpr qint64 MillisecondsPerMinute = 60 * 1000;
constexpr int MaxTimeTicks = 12;
constexpr int MaxValueTicks = 10;
// Room a tick label needs on the plot: the time labels side by side, the
// value labels one above the other.
constexpr qreal TimeLabelSpacing = 64.0;
constexpr qreal ValueLabelSpacing = 28.0;

// The smallest "round" step (1, 2, 2.5 or 5 times a power of ten) that
// divides range into at most maxTicks intervals.
double RoundValueStep(double range, int maxTicks) {
    const double raw = std::max(range, 1e-9) / maxTicks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (factor * magnitude >= raw) {
            return factor * magnitude;
        }
    }
    return 10.0 * magnitude;
}

// Decimals needed to print multiples of step exactly (2.5 needs one more).
int DecimalsOfStep(double step) {
    int decimals = 0;
    while (decimals < 6 &&
           std::abs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) >
               1e-9 * std::pow(10.0, decimals)) {
        ++decimals;
    }
    return decimals;
}

// Clock-friendly steps of the time axis, in minutes.
int RoundMinuteStep(int spanMinutes, int maxTicks) {
    static constexpr std::array<int, 16> steps = {1,   2,   5,   10,  15,  20,   30,   60,
                                                  120, 180, 240, 360, 720, 1440, 2880, 10080};
    for (int step : steps) {
        if ((spanMinutes + step - 1) / step <= maxTicks) {
            return step;
        }
    }
    return steps.back() * ((spanMinutes / steps.back() + maxTicks - 1) / maxTicks);
}

QLineSeries* MakeLineSeries(const char* name, const QString& title, const QColor& colour,
                            const std::vector<int>& minutes, const std::vector<double>& discharges) {
    auto* series = new QLineSeries;
    series->setObjectName(name);
    series->setName(title);
    series->setPen(QPen(colour, 2.0));
    QList<QPointF> points;
    const size_t count = std::min(minutes.size(), discharges.size());
    points.reserve(static_cast<qsizetype>(count));
    for (size_t k = 0; k < count; ++k) {
        points.append(QPointF(static_cast<qreal>(ChartTimeOfMinute(minutes[k])), discharges[k]));
    }
    series->replace(points);
    return series;
}

QAreaSeries* MakeRainBand(int duration, double intensity) {
    auto* top = new QLineSeries;
    auto* bottom = new QLineSeries;
    const auto start = static_cast<qreal>(ChartTimeOfMinute(0));
    const auto end = static_cast<qreal>(ChartTimeOfMinute(std::max(duration, 0)));
    top->append(start, 0.0);
    top->append(end, 0.0);
    bottom->append(start, intensity);
    bottom->append(end, intensity);
    auto* band = new QAreaSeries(top, bottom);
    top->setParent(band);
    bottom->setParent(band);
    band->setObjectName(RainSeriesName);
    band->setName(QStringLiteral("Výpočtový déšť"));
    const QColor cyan(RainBandRed, RainBandGreen, RainBandBlue);
    band->setBrush(cyan);
    band->setPen(QPen(cyan));
    return band;
}

int MinuteOfChartTime(qreal time) {
    return static_cast<int>(
        std::floor((time - static_cast<qreal>(ChartTimeOfMinute(0))) / MillisecondsPerMinute));
}

// Labels at whole clock steps within the axis range, reading the time
// elapsed since minute 0 (27:00 a day and three hours on).
void SetTimeTicks(QCategoryAxis* axis, int maxTicks) {
    const int first = std::max(0, MinuteOfChartTime(axis->min()));
    const int last = MinuteOfChartTime(axis->max() + MillisecondsPerMinute / 2.0);
    const int step = RoundMinuteStep(std::max(last - first, 1), maxTicks);
    for (const QString& label : axis->categoriesLabels()) {
        axis->remove(label);
    }
    axis->setStartValue(axis->min());
    for (int minute = (first + step - 1) / step * step; minute <= last; minute += step) {
        axis->append(ElapsedTimeLabel(minute), static_cast<qreal>(ChartTimeOfMinute(minute)));
    }
}

// Round steps from zero, printed with the decimals they need.
void SetValueTicks(QValueAxis* axis, int maxTicks) {
    const double step = RoundValueStep(axis->max() - axis->min(), maxTicks);
    if (axis->tickInterval() == step) {
        return;
    }
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(DecimalsOfStep(step)));
}

QCategoryAxis* MakeTimeAxis(const HydrographChartContent& content) {
    auto* axis = new QCategoryAxis;
    axis->setObjectName(TimeAxisName);
    axis->setTitleText(QStringLiteral("Čas [hod:min]"));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int to = content.shownTo >= 0 ? content.shownTo : FirstViewMinutes(content);
    const int from = std::clamp(content.shownFrom, 0, std::max(0, to - 1));
    axis->setRange(static_cast<qreal>(ChartTimeOfMinute(from)),
                   static_cast<qreal>(ChartTimeOfMinute(std::max(to, from + 1))));
    SetTimeTicks(axis, MaxTimeTicks);
    return axis;
}

QValueAxis* MakeValueAxis(const char* name, const QString& title, double maximum) {
    auto* axis = new QValueAxis;
    axis->setObjectName(name);
    axis->setTitleText(title);
    axis->setRange(0.0, maximum);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0.0);
    SetValueTicks(axis, MaxValueTicks);
    return axis;
}

} // namespace

void FitAxisTicks(QChart* chart) {
    const QSizeF plot = chart->plotArea().size();
    if (plot.isEmpty()) {
        return;
    }
    const int timeTicks = std::clamp(int(plot.width() / TimeLabelSpacing), 2, MaxTimeTicks);
    const int valueTicks = std::clamp(int(plot.height() / ValueLabelSpacing), 2, MaxValueTicks);
    for (QAbstractAxis* axis : chart->axes()) {
        if (auto* time = qobject_cast<QCategoryAxis*>(axis)) {
            SetTimeTicks(time, timeTicks);
        } else if (auto* value = qobject_cast<QValueAxis*>(axis)) {
            SetValueTicks(value, valueTicks);
        }
    }
}

QString ElapsedTimeLabel(int minute) {
    return QStringLiteral("%1:%2")
        .arg(minute / 60, 2, 10, QLatin1Char('0'))
        .arg(minute % 60, 2, 10, QLatin1Char('0'));
}

int FirstViewMinutes(const HydrographChartContent& content) {
    return hydrim::FirstViewMinutes(content.twoSlopes ? content.catchment : content.left,
                                    content.rainDuration);
}

QDateTime ChartTimeOrigin() {
    // A January day: no daylight-saving change falls into the few weeks a
    // hydrograph can span, so every axis label is the plain clock time.
    return QDateTime(QDate(2000, 1, 3), QTime(0, 0));
}

qint64 ChartTimeOfMinute(int minute) {
    return ChartTimeOrigin().toMSecsSinceEpoch() + qint64(minute) * MillisecondsPerMinute;
}

double DischargeAxisMaximum(const HydrographChartContent& content) {
    return hydrim::DischargeAxisMaximum(content.left, content.catchment, content.twoSlopes);
}

double IntensityAxisMaximum(double rainIntensity) {
    return hydrim::IntensityAxisMaximum(rainIntensity);
}

QChart* BuildHydrographChart(const HydrographChartContent& content) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    // The axes write their numbers as the tables do.
    chart->setLocale(NumberLocale(content.decimalSeparator));
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto* timeAxis = MakeTimeAxis(content);
    auto* dischargeAxis =
        MakeValueAxis(DischargeAxisName, QStringLiteral("Průtok [m³.s⁻¹]"), DischargeAxisMaximum(content));
    dischargeAxis->setMinorTickCount(1);
    QPen minorGrid(QColor(200, 200, 200), 1.0, Qt::DashLine);
    dischargeAxis->setMinorGridLinePen(minorGrid);
    chart->addAxis(timeAxis, Qt::AlignBottom);
    chart->addAxis(dischargeAxis, Qt::AlignLeft);

    if (content.designRain) {
        auto* intensityAxis = MakeValueAxis(IntensityAxisName, QStringLiteral("Intenzita deště [mm.min⁻¹]"),
                                            IntensityAxisMaximum(content.rainIntensity));
        intensityAxis->setReverse(true);
        intensityAxis->setGridLineVisible(false);
        chart->addAxis(intensityAxis, Qt::AlignRight);
        // The band goes in first so the hydrographs are drawn over it.
        auto* band = MakeRainBand(content.rainDuration, content.rainIntensity);
        chart->addSeries(band);
        band->attachAxis(timeAxis);
        band->attachAxis(intensityAxis);
    }

    auto addLine = [&](QLineSeries* series) {
        chart->addSeries(series);
        series->attachAxis(timeAxis);
        series->attachAxis(dischargeAxis);
    };
    if (content.twoSlopes) {
        addLine(MakeLineSeries(LeftSlopeSeriesName, QStringLiteral("Levý svah "), Qt::blue, content.minutes,
                               content.left));
        addLine(MakeLineSeries(RightSlopeSeriesName, QStringLiteral("Pravý svah"), QColor(0, 160, 0),
                               content.minutes, content.right));
        addLine(MakeLineSeries(CatchmentSeriesName, QStringLiteral("Povodí"), Qt::red, content.minutes,
                               content.catchment));
    } else {
        addLine(MakeLineSeries(LeftSlopeSeriesName, QStringLiteral("Povodí  "), Qt::red, content.minutes,
                               content.left));
    }
    return chart;
}

} // namespace hydrim::render
