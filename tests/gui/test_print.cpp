// Printed pages of result tables and charts, written as PDF files and read
// back with pdftotext / pdfinfo; the page composition on devices of two
// resolutions; the no-printer message; the spreadsheet export's wait window
// and error path.
#include "core/Engine.h"
#include "core/hydrology/Compute.h"
#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"
#include "gui/app/Hlavni.h"
#include "gui/app/PrintExportHooks.h"
#include "gui/views/ExportWorkbook.h"
#include "gui/views/HydrographChartView.h"
#include "render/ChartBuilder.h"
#include "render/PrintChartPage.h"
#include "render/PrintJobs.h"
#include "render/PrintTablePage.h"
#include "render/ResultHydrographs.h"

#include <QAbstractAxis>
#include <QApplication>
#include <QChart>
#include <QFontMetricsF>
#include <QLineSeries>
#include <QMenu>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace hydrim;
using namespace hydrim::gui;

namespace {

const QString DataDir = QStringLiteral(HYDRIM_SOURCE_DIR "/DATA");

std::unique_ptr<AppState> Computed(const char* example) {
    auto state = std::make_unique<AppState>();
    const std::string path = std::string(HYDRIM_SOURCE_DIR "/examples/") + example;
    if (!ReadProjectFile(path, state->CurrentProject).ok() ||
        !ReadParTable(JoinPath(DataDir.toStdString(), ParTableFileName), state->Par).empty() ||
        !ComputeProject(*state).ok()) {
        return nullptr;
    }
    return state;
}

std::vector<ResultGrid> GridsOf(const AppState& state) {
    Error error;
    return ResultGrids(state, DataDir.toStdString(), error);
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PageCount(const QString& pdf) {
    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto match = pages.match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// "w x h" of page n in points.
QSizeF PageSize(const QString& pdf, int n) {
    const QString info = Run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QString::number(n),
                                                         QStringLiteral("-l"), QString::number(n), pdf});
    const auto match = QRegularExpression(QStringLiteral("size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

// The text of page n, with the typographic ligatures a font may use
// (U+FB00 "ff" .. U+FB06 "st") folded back into their letters.
QString PageText(const QString& pdf, int n) {
    QString text = Run(QStringLiteral("pdftotext"),
                       {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"), QString::number(n),
                        QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const char* letters[] = {"ff", "fi", "fl", "ffi", "ffl", "st", "st"};
    for (int i = 0; i < 7; ++i) {
        text.replace(QChar(0xFB00 + i), QLatin1String(letters[i]));
    }
    return text;
}

// Answers every message box that appears, remembering its text.
class MessageCatcher : public QObject {
public:
    MessageCatcher() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        timer_.start(20);
    }
    QStringList texts;

private:
    QTimer timer_;
};

bool WaitWindowShown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<ExportWaitWindow*>(widget) && widget->isVisible()) {
            return true;
        }
    }
    return false;
}

// A4 portrait at a resolution, as the PDF writer lays it out.
std::unique_ptr<QPdfWriter> A4Device(const QString& path, int dpi) {
    auto writer = std::make_unique<QPdfWriter>(path);
    writer->setResolution(dpi);
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    return writer;
}

// Records the workbooks an export would open instead of opening them; when
// it goes, exports open nothing.
struct OpenedWorkbooks {
    OpenedWorkbooks() {
        SetWorkbookOpener([this](const QString& path) {
            paths << path;
            return true;
        });
    }
    ~OpenedWorkbooks() {
        SetWorkbookOpener([](const QString&) { return true; });
    }
    QStringList paths;
};

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void tablePageFollowsThePageWidth();
    void sameRelativeLayoutAtAHigherResolution();
    void longDescriptionIsCutToTheRoomLeft();
    void projectPdfHasOnePagePerTableAndChart();
    void chartPageLeavesTheScreenChartAlone();
    void noPrinterShowsTheMessage();
    void exportClosesTheWaitWindowAndOpensTheWorkbook();
    void failedExportIsReportedAndLeavesNothing();
    void proposedWorkbookNames();
    void pdfCommandsFollowThePrintCommands();
};

void PrintTest::tablePageFollowsThePageWidth() {
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

void PrintTest::sameRelativeLayoutAtAHigherResolution() {
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

void PrintTest::longDescriptionIsCutToTheRoomLeft() {
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

void PrintTest::projectPdfHasOnePagePerTableAndChart() {
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

void PrintTest::chartPageLeavesTheScreenChartAlone() {
    const auto state = Computed("variant2-two-slopes.snp");
    QVERIFY(state);
    HydrographChartView screen;
    screen.resize(640, 480);
    screen.show();
    screen.setContent(render::Variant23ChartContent(*state));
    QChart* chart = screen.chart();
    QVERIFY(chart);
    QList<qreal> widths;
    for (QAbstractSeries* series : chart->series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            widths << line->pen().widthF();
        }
    }
    QList<QColor> gridColors;
    for (QAbstractAxis* axis : chart->axes()) {
        gridColors << axis->gridLineColor();
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath("graf.pdf");
    QCOMPARE(render::WritePdf(pdf, {render::PrintPage::Chart(screen.content())}, {}), QString());
    QCOMPARE(PageCount(pdf), 1);
    QCOMPARE(screen.chart(), chart);
    QList<qreal> widthsAfter;
    for (QAbstractSeries* series : chart->series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            widthsAfter << line->pen().widthF();
        }
    }
    QList<QColor> gridColorsAfter;
    for (QAbstractAxis* axis : chart->axes()) {
        gridColorsAfter << axis->gridLineColor();
    }
    QCOMPARE(widthsAfter, widths);
    QCOMPARE(gridColorsAfter, gridColors);
    // The printed chart fills the page less 5 % margins, drawn larger than on screen.
    QCOMPARE(render::ChartPrintRect(QSize(1000, 700)), QRect(QPoint(50, 35), QPoint(950, 665)));
    QVERIFY(render::ChartLogicalSize(QSize(960, 600), 96).width() < 960);
}

void PrintTest::noPrinterShowsTheMessage() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        QSKIP("a printer is installed on this machine");
    }
    AppState state;
    THlavni main(state);
    MessageCatcher catcher;
    main.TiskTab1Click();
    main.Tiskgrafu1Click();
    main.Konfiguracetisku1Click();
    QCOMPARE(catcher.texts, QStringList(3, QStringLiteral("Nejsou nainstalovány žádné tiskárny !!")));
}

void PrintTest::exportClosesTheWaitWindowAndOpensTheWorkbook() {
    const auto state = Computed("variant2-one-slope.snp");
    QVERIFY(state);
    OpenedWorkbooks opened;
    QTemporaryDir dir;
    const QString path = dir.filePath("v2.xlsx");
    QVERIFY(ExportTablesTo(nullptr, path, GridsOf(*state), '.'));
    QCOMPARE(opened.paths, QStringList{path});
    QVERIFY(QFileInfo(path).size() > 0);
    QVERIFY(!WaitWindowShown());

    std::vector<int> positions;
    const QString error = RunWithWaitWindow(nullptr, [&](const ExportProgress& progress) {
        progress(500);
        positions.push_back(500);
        return Error();
    });
    QVERIFY(error.isEmpty());
    QCOMPARE(positions.size(), size_t(1));
    QVERIFY(!WaitWindowShown());
}

void PrintTest::failedExportIsReportedAndLeavesNothing() {
    const auto state = Computed("variant2-one-slope.snp");
    QVERIFY(state);
    OpenedWorkbooks opened;
    QTemporaryDir dir;
    const QString path = dir.filePath("chybi/v2.xlsx");
    MessageCatcher catcher;
    QVERIFY(!ExportTablesTo(nullptr, path, GridsOf(*state), '.'));
    QCOMPARE(catcher.texts.size(), 1);
    QVERIFY(catcher.texts.front().contains(QStringLiteral("chybi/v2.xlsx")));
    QVERIFY(opened.paths.isEmpty());
    QVERIFY(!WaitWindowShown());
    QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());

    // A job that throws closes the window too.
    const QString thrown =
        RunWithWaitWindow(nullptr, [](const ExportProgress&) -> Error { throw std::runtime_error("vadný"); });
    QCOMPARE(thrown, QStringLiteral("vadný"));
    QVERIFY(!WaitWindowShown());
}

void PrintTest::proposedWorkbookNames() {
    QCOMPARE(ProposedWorkbookPath(QStringLiteral("/data/projekty/Potok.snp"), "/jinde", QString(),
                                  QStringLiteral("Tabulka výsledků")),
             QStringLiteral("/data/projekty/Potok.xlsx"));
    QCOMPARE(ProposedWorkbookPath(QStringLiteral("/data/projekty/Potok.snp"), "/jinde",
                                  QStringLiteral(" - časové řady"), QStringLiteral("Časové řady")),
             QStringLiteral("/data/projekty/Potok - časové řady.xlsx"));
    QCOMPARE(ProposedWorkbookPath(QStringLiteral("Nepojmenovaný projekt"), "/jinde", QString(),
                                  QStringLiteral("Tabulka výsledků")),
             QStringLiteral("/jinde/Tabulka výsledků.xlsx"));
}

void PrintTest::pdfCommandsFollowThePrintCommands() {
    AppState state;
    THlavni main(state); // wires its result windows itself
    const auto check = [&main](const char* printName, const char* pdfName) {
        QAction* print = main.menuItem(QString::fromLatin1(printName));
        auto* pdf = main.findChild<QAction*>(QString::fromLatin1(pdfName));
        QVERIFY(print && pdf);
        QVERIFY(!pdf->isEnabled());
        print->setEnabled(true);
        QVERIFY(pdf->isEnabled());
        print->setEnabled(false);
        QVERIFY(!pdf->isEnabled());
        // Placed right after its print command in the same menu.
        QMenu* menu = nullptr;
        for (QObject* object : print->associatedObjects()) {
            if (auto* found = qobject_cast<QMenu*>(object)) {
                menu = found;
            }
        }
        QVERIFY(menu);
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.indexOf(pdf), actions.indexOf(print) + 1);
    };
    check("TiskTab1", "UlozTabulkuPdf1");
    check("Tiskgrafu1", "UlozGrafPdf1");
    const ResultWindows::Hooks& hooks = main.resultWindows().hooks();
    QVERIFY(hooks.printTable && hooks.printChart && hooks.exportTable && hooks.exportTimeSeries);
}

QTEST_MAIN(PrintTest)
#include "test_print.moc"
