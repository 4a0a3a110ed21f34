// Printed pages of result tables and charts: the page composition on
// devices of two resolutions, a description cut to the room left, a project
// written as PDF and read back with pdftotext / pdfinfo (the page furniture,
// the warnings of each table, units that copy as they read), and a long
// chart title kept clear of the "N = … let" label on screen and on paper.
#include "core/series/ChartTexts.h"
#include "render/ChartBuilder.h"
#include "render/ChartDecorations.h"
#include "render/PrintChartPage.h"
#include "render/PrintJobs.h"
#include "render/PrintNotes.h"
#include "render/PrintTablePage.h"
#include "render/ResultHydrographs.h"

#include "RenderTestSupport.h"

#include <QChart>
#include <QDir>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QTemporaryDir>
#include <QtTest>

using namespace hydrim;
using namespace hydrim::rendertest;

namespace {

// The words of page 1 with their boxes [points], as pdftotext -bbox gives them.
QList<QPair<QString, QRectF>> PageWords(const QString& pdf) {
    const QString html = Run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                              QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<QPair<QString, QRectF>> words;
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        words.append({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

} // namespace

class PrintPagesTest : public QObject {
    Q_OBJECT
private slots:
    void tablePageFollowsThePageWidth();
    void sameRelativeLayoutAtAHigherResolution();
    void longDescriptionIsCutToTheRoomLeft();
    void projectPdfHasOnePagePerTableAndChart();
    void warningsArePrintedBelowTheTableAndTheChart();
    void everyTablePageStandsOnItsOwn();
    void longChartTitleWrapsClearOfTheLabel();
};

void PrintPagesTest::tablePageFollowsThePageWidth() {
    const auto state = Computed("variant1-two-slopes.snp");
    QVERIFY(state);
    const std::vector<ResultGrid> grids = GridsOf(*state);
    QTemporaryDir dir;
    const auto device = A4Device(dir.filePath("a.pdf"), 600);
    const QSize page(device->width(), device->height());
    const render::TablePageLayout layout =
        render::LayoutTablePage(grids[0], render::DefaultTableFont(), *device, page, 3);

    QCOMPARE(layout.left, qRound(page.width() / 7.0));
    QCOMPARE(layout.top, qRound(page.width() / 10.0));
    // The font grew until the reference text reached W - 3T, and no further.
    const int available = page.width() - 3 * layout.top;
    QVERIFY(QFontMetricsF(layout.font, device.get()).horizontalAdvance(render::TableReferenceText()) >=
            available);
    QFont smaller(layout.font);
    smaller.setPointSize(layout.font.pointSize() - 1);
    QVERIFY(QFontMetricsF(smaller, device.get()).horizontalAdvance(render::TableReferenceText()) < available);
    QCOMPARE(layout.lineHeight, qRound(1.1 * layout.textHeight));
    QCOMPARE(layout.framePen, qRound(layout.lineHeight / 9.0));
    QCOMPARE(layout.descriptionLines, 3);
    QCOMPARE(layout.tableTop, layout.top + 5 * layout.lineHeight);
    // The inputs sheet: row 9 holds five lines, the table 15 rows + 4 lines.
    QCOMPARE(layout.rowHeights[9], 5.0 * layout.lineHeight);
    QCOMPARE(layout.tableHeight(), 19.0 * layout.lineHeight);
    // Columns up to the unit column only (two slopes: 6 of 7).
    QCOMPARE(layout.columnWidths[6], 0.0);
    QVERIFY(layout.columnWidths[5] > 0);
    // Rules at the section starts inside the table (row 9 of the inputs sheet).
    QCOMPARE(layout.sectionBoundaries, std::vector<int>({9}));
    // The summary of slopes and catchment: rules between its blocks of three rows.
    const render::TablePageLayout summary =
        render::LayoutTablePage(grids[6], render::DefaultTableFont(), *device, page, 0);
    QCOMPARE(summary.sectionBoundaries, std::vector<int>({2, 5, 8, 11, 14}));
}

void PrintPagesTest::sameRelativeLayoutAtAHigherResolution() {
    const auto state = Computed("variant2-two-slopes.snp");
    QVERIFY(state);
    const ResultGrid grid = GridsOf(*state).front();
    QTemporaryDir dir;
    const auto low = A4Device(dir.filePath("low.pdf"), 300);
    const auto high = A4Device(dir.filePath("high.pdf"), 1200);
    const render::TablePageLayout a = render::LayoutTablePage(grid, render::DefaultTableFont(), *low,
                                                              QSize(low->width(), low->height()), 2);
    const render::TablePageLayout b = render::LayoutTablePage(grid, render::DefaultTableFont(), *high,
                                                              QSize(high->width(), high->height()), 2);
    QVERIFY(qAbs(a.font.pointSize() - b.font.pointSize()) <= 1);
    const double relativeTolerance = 0.03;
    QVERIFY(qAbs(a.tableWidth() / a.pageWidth - b.tableWidth() / b.pageWidth) < relativeTolerance);
    QVERIFY(qAbs(a.tableHeight() / a.pageHeight - b.tableHeight() / b.pageHeight) < relativeTolerance);
    QVERIFY(qAbs(double(a.left) / a.pageWidth - double(b.left) / b.pageWidth) < relativeTolerance);
}

void PrintPagesTest::longDescriptionIsCutToTheRoomLeft() {
    const auto state = Computed("variant3-two-slopes.snp");
    QVERIFY(state);
    const ResultGrid grid = GridsOf(*state).front();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("long.pdf");
    render::TablePrintSettings settings;
    for (int k = 1; k <= 80; ++k) {
        settings.description << QStringLiteral("Popis řádek %1").arg(k);
    }
    const auto device = A4Device(dir.filePath("probe.pdf"), 600);
    const render::TablePageLayout layout =
        render::LayoutTablePage(grid, settings.font, *device, QSize(device->width(), device->height()), 80);
    QVERIFY(layout.descriptionLines > 0);
    QVERIFY(layout.descriptionLines < 80);
    // The table still ends above the bottom margin.
    QVERIFY(layout.tableTop + layout.tableHeight() <= layout.pageHeight - layout.top);

    QCOMPARE(render::WritePdf(pdf, {render::PrintPage::Table(grid)}, settings), QString());
    const QString text = PageText(pdf, 1);
    QVERIFY(text.contains(QStringLiteral("Popis řádek %1").arg(layout.descriptionLines)));
    QVERIFY(!text.contains(QStringLiteral("Popis řádek %1").arg(layout.descriptionLines + 1)));
}

void PrintPagesTest::projectPdfHasOnePagePerTableAndChart() {
    const auto state = Computed("variant1-two-slopes.snp");
    QVERIFY(state);
    const std::vector<ResultGrid> grids = GridsOf(*state);
    std::vector<render::PrintPage> pages;
    for (const ResultGrid& grid : grids) {
        pages.push_back(render::PrintPage::Table(grid));
    }
    render::HydrographChartContent chart = render::VariantIChartContent(*state, 1, true);
    chart.title = QStringLiteral("Hydrogram povodí");
    pages.push_back(render::PrintPage::Chart(chart));
    render::TablePrintSettings settings;
    settings.description = {QStringLiteral("Povodí Zkušebního potoka"), QStringLiteral("profil nad obcí")};

    QTemporaryDir dir;
    const QString pdf = dir.filePath("projekt.pdf");
    QCOMPARE(render::WritePdf(pdf, pages, settings), QString());
    QCOMPARE(PageCount(pdf), 9);
    const QString first = PageText(pdf, 1);
    for (const char* text : {"Identifikační údaje", "Povodí Zkušebního potoka", "profil nad obcí",
                             "Hydrim - SPIKA, verze", "Vstupní údaje", "Povodí", "Levý svah", "Pravý svah"}) {
        QVERIFY2(first.contains(QString::fromUtf8(text)), text);
    }
    QVERIFY(PageText(pdf, 2).contains(QStringLiteral("Výsledky pro dobu opakování N = 5 let")));
    const QSizeF tablePage = PageSize(pdf, 1);
    QVERIFY(tablePage.height() > tablePage.width());
    const QSizeF chartPage = PageSize(pdf, 9);
    QVERIFY(chartPage.width() > chartPage.height());
    const QString chartText = PageText(pdf, 9);
    for (const char* text : {"Hydrogram povodí", "Čas [hod:min]", "Levý svah", "N = 5 let"}) {
        QVERIFY2(chartText.contains(QString::fromUtf8(text)), text);
    }
    // No temporary file is left beside the PDF.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("projekt.pdf")});
}

void PrintPagesTest::warningsArePrintedBelowTheTableAndTheChart() {
    const auto state = Computed("variant1-two-slopes.snp");
    QVERIFY(state);
    const std::vector<ResultGrid> grids = GridsOf(*state);
    render::TablePrintSettings settings;
    // Each paragraph opens with its severity, the warnings before the notes.
    const Warning note{"capped", "Návrhový déšť je omezen.", WarningSubject::LeftSlope, 0, WarningSeverity::Note};
    settings.warnings = {note,
                         {"hydrograph-volume", "Hydrogram levého svahu pro N = 5 let nenese objem odtoku.",
                          WarningSubject::LeftSlope, 5}};
    render::HydrographChartContent chart = render::VariantIChartContent(*state, 1, true);
    chart.notes = render::WarningTexts({{"long-rain", "Déšť je delší než 1 den.", WarningSubject::None, 5}});
    QTemporaryDir dir;
    const QString pdf = dir.filePath("upozorneni.pdf");
    QCOMPARE(render::WritePdf(pdf, {render::PrintPage::Table(grids[1]), render::PrintPage::Chart(chart)},
                              settings),
             QString());
    QCOMPARE(PageCount(pdf), 2);
    const QString table = PageText(pdf, 1).simplified();
    QVERIFY2(
        table.contains(QStringLiteral("Upozornění: Hydrogram levého svahu pro N = 5 let nenese objem odtoku. "
                                      "Poznámka: Návrhový déšť je omezen.")),
        qPrintable(table));
    QVERIFY(PageText(pdf, 2).simplified().contains(QStringLiteral("Upozornění: Déšť je delší než 1 den.")));

    // Warnings that do not fit below the table go on over the pages that follow.
    settings.warnings = Warnings(150, {"x", "Dlouhé upozornění, které se opakuje.", WarningSubject::None, 0});
    QCOMPARE(render::WritePdf(pdf, {render::PrintPage::Table(grids[1])}, settings), QString());
    const int count = PageCount(pdf);
    QVERIFY(count >= 3);
    qsizetype printed = 0;
    for (int k = 1; k <= count; ++k) {
        const QString text = PageText(pdf, k);
        printed += text.count(QStringLiteral("Dlouhé upozornění"));
        QVERIFY(text.contains(QStringLiteral("strana %1 z %2").arg(k).arg(count)));
    }
    QCOMPARE(printed, qsizetype(150));
}

void PrintPagesTest::everyTablePageStandsOnItsOwn() {
    const auto state = Computed("variant1-two-slopes.snp");
    QVERIFY(state);
    const std::vector<ResultGrid> grids = GridsOf(*state);
    std::vector<render::PrintPage> pages;
    for (const ResultGrid& grid : grids) {
        pages.push_back(render::PrintPage::Table(grid));
    }
    render::TablePrintSettings settings;
    settings.fileName = QStringLiteral("povodi.snp");
    settings.computedAt = QDateTime(QDate(2024, 5, 17), QTime(8, 5));
    QStringList words;
    for (int k = 1; k <= 60; ++k) {
        words << QStringLiteral("slovo%1").arg(k);
    }
    settings.description = {words.join(QLatin1Char(' '))};
    settings.warnings = {{"a", "Upozornění k N = 5 let.", WarningSubject::LeftSlope, 5},
                         {"b", "Upozornění k N = 10 let.", WarningSubject::Catchment, 10},
                         {"c", "Upozornění ke vstupům.", WarningSubject::None, 0}};
    QTemporaryDir dir;
    const QString pdf = dir.filePath("tabulky.pdf");
    QCOMPARE(render::WritePdf(pdf, pages, settings), QString());
    QCOMPARE(PageCount(pdf), 8);
    for (int k = 1; k <= 8; ++k) {
        const QString text = PageText(pdf, k);
        QVERIFY2(text.contains(QStringLiteral("strana %1 z 8").arg(k)), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("povodi.snp")));
        QVERIFY(text.contains(QStringLiteral("Datum výpočtu: 17. 5. 2024 8:05")));
        // The description wraps: its last word stands on a line below its first.
        const QStringList lines = text.split(QLatin1Char('\n'));
        const auto lineOf = [&lines](const QString& word) {
            for (qsizetype n = 0; n < lines.size(); ++n) {
                if (lines[n].contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(word)))) {
                    return n;
                }
            }
            return qsizetype(-1);
        };
        QVERIFY(lineOf(QStringLiteral("slovo1")) >= 0);
        QVERIFY(lineOf(QStringLiteral("slovo60")) > lineOf(QStringLiteral("slovo1")));
    }
    // The warnings of a return period stand under its own table; those of
    // none under the inputs and every output sheet; the summaries show all.
    const auto shows = [&pdf](int page, const char* text) {
        return PageText(pdf, page).simplified().contains(QString::fromUtf8(text));
    };
    QVERIFY(shows(1, "Upozornění ke vstupům.") && !shows(1, "k N = 5 let"));
    QVERIFY(shows(2, "Upozornění k N = 5 let.") && shows(2, "ke vstupům") && !shows(2, "k N = 10 let"));
    QVERIFY(shows(3, "Upozornění k N = 10 let.") && !shows(3, "k N = 5 let"));
    QVERIFY(!shows(4, "k N = 5 let") && !shows(4, "k N = 10 let"));
    QVERIFY(shows(7, "k N = 5 let") && shows(7, "k N = 10 let") && shows(7, "ke vstupům"));
    // Units copy and search as they read: exponents are characters.
    const QString sheet = PageText(pdf, 2);
    QVERIFY2(sheet.contains(QStringLiteral("[m³.s⁻¹]")) && sheet.contains(QStringLiteral("[10³.m³]")) &&
                 PageText(pdf, 1).contains(QStringLiteral("[km²]")),
             qPrintable(sheet));
}

void PrintPagesTest::longChartTitleWrapsClearOfTheLabel() {
    const auto state = Computed("variant1-two-slopes.snp");
    QVERIFY(state);
    render::HydrographChartContent content = render::VariantIChartContent(*state, 1, true);
    content.title = QStringLiteral("Bezejmenný přítok Jihlavy u Třeští, závěrový profil nad obcí");
    QCOMPARE(content.title.size(), ChartTitleMaxLength);

    // A chart as narrow as a chart window beside the input window: two
    // lines, inside the chart, clear of the label and above the plot.
    QGraphicsScene scene;
    QChart* chart = render::BuildHydrographChart(content);
    render::ChartDecorations decorations;
    decorations.attach(chart, &content);
    scene.addItem(chart);
    chart->resize(480, 420);
    decorations.layOutNow();
    QCOMPARE(decorations.shownTitle().count(QLatin1Char('\n')), 1);
    QVERIFY(!decorations.returnPeriodBox().isEmpty());
    QVERIFY(!decorations.titleBox().intersects(decorations.returnPeriodBox()));
    QVERIFY(chart->rect().contains(decorations.titleBox()));
    QVERIFY(decorations.titleBox().bottom() < chart->plotArea().top());

    // On paper every word at the top of the page stays on it and off the label.
    QTemporaryDir dir;
    const QString pdf = dir.filePath("titul.pdf");
    QCOMPARE(render::WritePdf(pdf, {render::PrintPage::Chart(content)}, {}), QString());
    const QSizeF page = PageSize(pdf, 1);
    const QList<QPair<QString, QRectF>> words = PageWords(pdf);
    QRectF label;
    QList<QRectF> others;
    for (qsizetype k = 0; k < words.size(); ++k) {
        const QRectF& box = words[k].second;
        if (box.top() > page.height() / 4) {
            continue;
        }
        const bool labelWord = k + 3 < words.size() && words[k].first == QLatin1String("N") &&
                               words[k + 1].first == QLatin1String("=") &&
                               words[k + 3].first == QLatin1String("let");
        if (labelWord) {
            for (int j = 0; j < 4; ++j) {
                label = label.united(words[k + j].second);
            }
            k += 3;
        } else {
            others << box;
        }
    }
    QVERIFY(!label.isEmpty());
    QVERIFY(PageText(pdf, 1).contains(QStringLiteral("Bezejmenný přítok")));
    for (const QRectF& box : others) {
        QVERIFY(!box.intersects(label));
        QVERIFY(QRectF(QPointF(0, 0), page).contains(box));
    }
}

QTEST_MAIN(PrintPagesTest)
#include "test_print_pages.moc"
