#include "render/DesignReport.h"

#include "core/Engine.h"
#include "core/report/ReportContent.h"
#include "render/DocumentNumbers.h"
#include "render/ProgramLine.h"
#include "render/ResultHydrographs.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cstdio>

namespace hydrim::render {

namespace {

constexpr int PdfResolution = 600;

QString PdfError(const QString& path, const QString& reason) {
    return QStringLiteral("Protokol výpočtu „%1“ se nepodařilo zapsat: %2").arg(path, reason);
}

// The design-rain hydrograph of each return period (Variant I) or of the
// computation (Variants II / III), titled as the chart window and shown to
// its end (the chart window's first view stops once the flow has receded).
std::vector<HydrographChartContent> ChartsOf(const AppState& state) {
    std::vector<HydrographChartContent> charts;
    if (state.LastResultVariantI) {
        for (int i = 1; i <= 5; ++i) {
            charts.push_back(VariantIChartContent(state, i, true));
        }
    } else {
        charts.push_back(Variant23ChartContent(state));
    }
    for (HydrographChartContent& chart : charts) {
        chart.title = QString::fromStdString(state.CurrentProject.ChartTitle1);
        chart.shownTo = chart.minutes.empty() ? 0 : chart.minutes.back();
    }
    return charts;
}

} // namespace

QString WarningText(const Warning& warning) {
    return QString::fromStdString(report::ReportWarningText(warning));
}

namespace {

// What every report shows: identification, description, inputs, and the
// warnings of the computation; numbers with the tables' separator.
DesignReport ReportOfInputs(const AppState& state, const LookupRowNames& names, const QString& projectName,
                            const QDateTime& computedAt) {
    const report::ReportContent content = report::MakeReportContent(state, names, ResultWarnings(state));
    const auto texts = [](const std::vector<std::string>& lines) {
        QStringList list;
        for (const std::string& line : lines) {
            list << QString::fromStdString(line);
        }
        return list;
    };
    DesignReport report;
    report.projectName = projectName;
    report.computedAt = computedAt;
    report.method = content.Method;
    report.identification = content.Identification;
    report.description = texts(content.Description);
    report.decimalSeparator = state.LocaleDecimalSeparator;
    report.inputs = content.Inputs;
    report.warnings = texts(content.Warnings);
    report.notes = texts(content.Notes);
    return report;
}

} // namespace

DesignReport MakeDesignReport(const AppState& state, std::vector<ResultGrid> grids,
                              const LookupRowNames& names, const QString& projectName,
                              const QDateTime& computedAt) {
    DesignReport report = ReportOfInputs(state, names, projectName, computedAt);
    report.tables = std::move(grids);
    report.charts = ChartsOf(state);
    return report;
}

DesignReport MakeNoRunoffReport(const AppState& state, const std::string& message,
                                const LookupRowNames& names, const QString& projectName,
                                const QDateTime& computedAt) {
    DesignReport report = ReportOfInputs(state, names, projectName, computedAt);
    // No result is shown, so the method names no capped design rain of one.
    report.method.capped.clear();
    report.noRunoffMessage =
        WithDecimalSeparator(QString::fromStdString(message), state.LocaleDecimalSeparator);
    return report;
}

QString WriteDesignReportPdf(const QString& path, const DesignReport& report) {
    const QString temporary = path + QStringLiteral(".~pdf.tmp");
    QFile::remove(temporary);
    {
        QPdfWriter writer(temporary);
        writer.setResolution(PdfResolution);
        writer.setCreator(ProgramLine());
        writer.setTitle(QStringLiteral("Protokol výpočtu – %1").arg(report.projectName));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer)) {
            QFile::remove(temporary);
            return PdfError(path, QStringLiteral("soubor nelze vytvořit"));
        }
        PaintDesignReport(painter, writer, report);
        painter.end();
    }
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        return PdfError(path, QStringLiteral("soubor nelze přejmenovat"));
    }
    return {};
}

bool PrintDesignReport(QPrinter& printer, const DesignReport& report) {
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    PaintDesignReport(painter, printer, report);
    painter.end();
    return true;
}

} // namespace hydrim::render
