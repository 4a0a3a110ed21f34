// The design report written as a PDF file and read back with pdfinfo and
// pdftotext: a page number and header on every page, the identification,
// every value of the result tables, the warnings when there are some; and
// the "Protokol výpočtu" command of the main window, which reports the
// inputs of the computation on screen.
#include "MainWindowTestSupport.h"

#include "core/Engine.h"
#include "core/hydrology/Compute.h"
#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"
#include "gui/app/DesignReportCommand.h"
#include "render/DesignReport.h"

#include <QAction>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace hydrim;
using namespace hydrim::gui;
using namespace hydrim::gui::testing;

namespace {

const std::string DataDir = HYDRIM_SOURCE_DIR "/DATA";

std::unique_ptr<AppState> Computed(const char* example) {
    auto state = std::make_unique<AppState>();
    const std::string path = std::string(HYDRIM_SOURCE_DIR "/examples/") + example;
    if (!ReadProjectFile(path, state->CurrentProject).ok() ||
        !ReadParTable(JoinPath(DataDir, ParTableFileName), state->Par).Message.empty() ||
        !ComputeProject(*state).ok()) {
        return nullptr;
    }
    return state;
}

render::DesignReport ReportOf(const AppState& state) {
    Error error;
    return render::MakeDesignReport(state, ResultGrids(state, DataDir, error), ReadLookupRowNames(DataDir),
                                    QStringLiteral("povodi.snp"), QDateTime(QDate(2026, 3, 9), QTime(14, 5)));
}

// The standard output of a poppler tool.
QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.setProgram(tool);
    process.setArguments(arguments);
    process.start();
    return process.waitForFinished(60000) ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

int PageCount(const QString& pdf) {
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                           .match(Poppler(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// With layout set, the words of a line stay on it as on the page.
QString PageText(const QString& pdf, int n = 0, bool layout = false) {
    QStringList arguments;
    if (layout) {
        arguments << QStringLiteral("-layout");
    }
    if (n > 0) {
        arguments << QStringLiteral("-f") << QString::number(n) << QStringLiteral("-l") << QString::number(n);
    }
    QString text = Poppler(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
    const char* letters[] = {"ff", "fi", "fl", "ffi", "ffl", "st", "st"};
    for (int i = 0; i < 7; ++i) {
        text.replace(QChar(0xFB00 + i), QLatin1String(letters[i]));
    }
    return text;
}

// Every page carries the header and "strana k z N"; returns N.
int CheckPages(const QString& pdf) {
    const int pages = PageCount(pdf);
    for (int k = 1; k <= pages; ++k) {
        const QString text = PageText(pdf, k);
        if (!text.contains(QStringLiteral("strana %1 z %2").arg(k).arg(pages)) ||
            !text.contains(QStringLiteral("Datum výpočtu:")) ||
            !text.contains(QStringLiteral("Hydrim - SPIKA"))) {
            qWarning("page %d lacks its header or number:\n%s", k, qPrintable(text));
            return -1;
        }
    }
    return pages;
}

// The right end of the rightmost word on page n, as a share of the page width.
double RightmostWordEnd(const QString& pdf, int n) {
    const QString boxes = Poppler(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(n),
                                   QStringLiteral("-l"), QString::number(n), pdf, QStringLiteral("-")});
    const auto page = QRegularExpression(QStringLiteral("<page width=\"([0-9.]+)\"")).match(boxes);
    if (!page.hasMatch()) {
        return -1;
    }
    double right = 0;
    auto words = QRegularExpression(QStringLiteral("xMax=\"([0-9.]+)\"")).globalMatch(boxes);
    while (words.hasNext()) {
        right = std::max(right, words.next().captured(1).toDouble());
    }
    return right / page.captured(1).toDouble();
}

} // namespace

class DesignReportTest : public QObject {
    Q_OBJECT
private slots:
    void variantIReportHoldsEveryTableValueAndNumbersItsPages();
    void warningsStandInTheirBox();
    void mainWindowReportsTheInputsOfTheComputationOnScreen();
};

void DesignReportTest::variantIReportHoldsEveryTableValueAndNumbersItsPages() {
    auto state = Computed("variant1-two-slopes.snp");
    QVERIFY(state);
    state->Warnings.clear(); // the box then says that the computation gave none
    state->CurrentProject.Texts.Edit[1] = "4-16-01-123";
    // A long name wraps within the right margin.
    state->CurrentProject.Texts.Edit[4] = "Třešť, okres Jihlava, kraj Vysočina, katastrální území Třešť";
    const render::DesignReport report = ReportOf(*state);
    QCOMPARE(report.tables.size(), size_t(8));
    QCOMPARE(report.charts.size(), size_t(5));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("protokol.pdf"));
    QCOMPARE(render::WriteDesignReportPdf(pdf, report), QString());
    const int pages = CheckPages(pdf);
    QVERIFY(pages >= 1 + 3 + 3); // inputs, eight tables, five charts
    QVERIFY(!QFile::exists(pdf + QStringLiteral(".~pdf.tmp")));

    QVERIFY(RightmostWordEnd(pdf, 1) < 0.925);
    const QString first = PageText(pdf, 1);
    for (const char* text :
         {"Protokol výpočtu", "povodi.snp", "9. 3. 2026 14:05", "4-16-01-123", "Třešť",
          "Bezejmenný přítok Jihlavy u Třešti", "Délka údolnice", "Výpočet nevydal žádné upozornění."}) {
        QVERIFY2(first.contains(QString::fromUtf8(text)), text);
    }
    const QString all = PageText(pdf);
    QVERIFY(all.contains(QStringLiteral("Kulminační průtok")));
    QVERIFY(all.contains(QStringLiteral("N = 100 let")));
    for (const ResultGrid& grid : report.tables) {
        for (int row = 1; row < grid.RowCount(); ++row) {
            for (int column : grid.ValueColumns) {
                const QString value = QString::fromStdString(grid.Cell(row, column)).trimmed();
                QVERIFY2(value.isEmpty() || all.contains(value),
                         qPrintable(QStringLiteral("%1 [%2, %3] = %4")
                                        .arg(QString::fromStdString(grid.Title))
                                        .arg(row)
                                        .arg(column)
                                        .arg(value)));
            }
        }
    }
    // The page count is counted before painting, on the same device.
    QPdfWriter writer(dir.filePath(QStringLiteral("count.pdf")));
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QCOMPARE(render::CountDesignReportPages(writer, report), pages);
}

void DesignReportTest::warningsStandInTheirBox() {
    auto state = Computed("variant2-two-slopes.snp");
    QVERIFY(state);
    state->Warnings = {
        {"hydrograph-volume", "Hydrogram nenese celý objem odtoku.", WarningSubject::RightSlope, 0},
        {"design-rain-capped", "Návrhový déšť byl omezen.", WarningSubject::None, 50, WarningSeverity::Note}};
    const render::DesignReport report = ReportOf(*state);
    QCOMPARE(report.tables.size(), size_t(1));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("v2.pdf"));
    QCOMPARE(render::WriteDesignReportPdf(pdf, report), QString());
    QVERIFY(CheckPages(pdf) >= 3);
    const QString all = PageText(pdf).simplified();
    // The warnings under their label, the notes apart under theirs.
    QVERIFY2(all.contains(QStringLiteral("Upozornění • pravý svah: Hydrogram nenese celý objem odtoku. "
                                         "Poznámka • N = 50 let: Návrhový déšť byl omezen.")),
             qPrintable(all));
    QVERIFY(!all.contains(QStringLiteral("nevydal žádné upozornění")));
    // Notes alone: the box says that there is no warning.
    state->Warnings.erase(state->Warnings.begin());
    const QString notesOnly = dir.filePath(QStringLiteral("poznamky.pdf"));
    QCOMPARE(render::WriteDesignReportPdf(notesOnly, ReportOf(*state)), QString());
    QVERIFY(PageText(notesOnly).simplified().contains(
        QStringLiteral("Upozornění Výpočet nevydal žádné upozornění. Poznámka • N = 50 let")));
    QVERIFY(all.contains(QStringLiteral("Varianta II")));
    // A path that cannot be written is a message naming it, and nothing is left.
    const QString bad = dir.filePath(QStringLiteral("chybi/v2.pdf"));
    QVERIFY(render::WriteDesignReportPdf(bad, report).contains(bad));
    QVERIFY(!QFile::exists(bad));
}

void DesignReportTest::mainWindowReportsTheInputsOfTheComputationOnScreen() {
    StartedFixture f;
    QVERIFY(f.started);
    auto* entry = f.main().findChild<QAction*>(QStringLiteral("ProtokolVypoctuMenu1"));
    QVERIFY(entry);
    QVERIFY(!entry->isEnabled());
    QVERIFY(!SaveDesignReportPdf(f.main(), f.path(QStringLiteral("none.pdf"))));
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant1-one-slope.snp")), THlavni::OpenResult::Opened);
    f.main().computeProject();
    QVERIFY(entry->isEnabled());
    // Typed after the computation: not what these results were computed from.
    f.projekt()->setFieldText(EditValleyLength, QStringLiteral("9.87"));
    const QString pdf = f.path(QStringLiteral("protokol.pdf"));
    QVERIFY(SaveDesignReportPdf(f.main(), pdf));
    QVERIFY(CheckPages(pdf) > 0);
    const QString first = PageText(pdf, 1);
    QVERIFY(first.contains(QStringLiteral("variant1-one-slope.snp")));
    QVERIFY(!first.contains(QStringLiteral("9.87")));
    Project example;
    QVERIFY(ReadProjectFile(ExampleProject("variant1-one-slope.snp").toStdString(), example).ok());
    // The print job is shown in a preview first.
    int previewPages = 0;
    ModalScript script({[&previewPages](QWidget* modal) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
        QVERIFY2(preview, "a print preview was expected");
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        QVERIFY(pages);
        previewPages = pages->pageCount();
        preview->reject();
    }});
    f.main().findChild<QAction*>(QStringLiteral("ProtokolTisk1"))->trigger();
    QVERIFY(script.finished());
    QVERIFY(previewPages > 1);
    const QString valleyLength = QString::fromStdString(example.Texts.Edit[EditValleyLength]);
    QVERIFY(PageText(pdf, 1, true)
                .simplified()
                .contains(QStringLiteral("Délka údolnice %1 km").arg(valleyLength)));
}

QTEST_MAIN(DesignReportTest)
#include "test_design_report.moc"
