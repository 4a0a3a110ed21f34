// The design report written as a PDF file and read back with pdfinfo and
// pdftotext: a page number and header on every page, the identification,
// every value of the result tables, the warnings when there are some; and
// the "Protokol výpočtu" command of the main window, which reports the
// inputs of the computation on screen; the method in the tables' symbols
// with numbered, typeset formulas, what it says about the project, the
// lines to sign and the charts drawn to the hydrograph's end.
#include "MainWindowTestSupport.h"

#include "core/Engine.h"
#include "core/hydrology/Compute.h"
#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"
#include "core/reference/LayoutFiles.h"
#include "core/reference/ParTableFile.h"
#include "core/report/MethodSymbols.h"
#include "core/report/ReportMethod.h"
#include "gui/app/DesignReportCommand.h"
#include "gui/app/PrintExportHooks.h"
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

// The words of page n with their boxes, and the page width.
struct Word {
    QString text;
    double top, bottom, right;
};
std::vector<Word> Words(const QString& pdf, int n, double* pageWidth = nullptr) {
    const QString boxes = Poppler(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(n),
                                   QStringLiteral("-l"), QString::number(n), pdf, QStringLiteral("-")});
    if (pageWidth) {
        *pageWidth = QRegularExpression(QStringLiteral("<page width=\"([0-9.]+)\""))
                         .match(boxes)
                         .captured(1)
                         .toDouble();
    }
    std::vector<Word> words;
    auto found =
        QRegularExpression(QStringLiteral("<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                                          "yMax=\"([0-9.]+)\">([^<]*)</word>"))
            .globalMatch(boxes);
    while (found.hasNext()) {
        const auto word = found.next();
        words.push_back({word.captured(4), word.captured(1).toDouble(), word.captured(3).toDouble(),
                         word.captured(2).toDouble()});
    }
    return words;
}

// The right end of the rightmost word on page n, as a share of the page width.
double RightmostWordEnd(const QString& pdf, int n) {
    double width = 0;
    double right = 0;
    for (const Word& word : Words(pdf, n, &width)) {
        right = std::max(right, word.right);
    }
    return width > 0 ? right / width : -1;
}

// The text of the pages from the one holding marker to the end.
QString TextFrom(const QString& pdf, const QString& marker) {
    for (int k = 1, pages = PageCount(pdf); k <= pages; ++k) {
        if (PageText(pdf, k).contains(marker)) {
            QString text;
            for (int n = k; n <= pages; ++n) {
                text += PageText(pdf, n);
            }
            return text.mid(text.indexOf(marker));
        }
    }
    return {};
}

QString WrittenReport(const render::DesignReport& report, const QTemporaryDir& dir, const char* name) {
    const QString pdf = dir.filePath(QString::fromUtf8(name));
    return render::WriteDesignReportPdf(pdf, report).isEmpty() ? pdf : QString();
}

} // namespace

class DesignReportTest : public QObject {
    Q_OBJECT
private slots:
    void variantIReportHoldsEveryTableValueAndNumbersItsPages();
    void warningsStandInTheirBox();
    void mainWindowReportsTheInputsOfTheComputationOnScreen();
    void methodSpeaksInTheTablesSymbolsWithNumberedFormulas();
    void methodSaysWhatWasComputedForTheProject();
    void firstPageEndsWithSignOffAndChartsRunToTheHydrographsEnd();
    void documentsWriteEveryNumberWithTheTablesSeparator();
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
    QVERIFY(all.contains(QStringLiteral("kulminační průtok")));
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

void DesignReportTest::methodSpeaksInTheTablesSymbolsWithNumberedFormulas() {
    // Each listed symbol that a result table shows has the table's meaning and unit.
    std::vector<LayoutText> layouts = {ReadVariant23Layout(DataDir, 2), ReadVariant23Layout(DataDir, 3)};
    for (int grid = 1; grid <= 6; ++grid) {
        layouts.push_back(ReadLayoutFile(DataDir, VariantILayoutFileName(grid), VariantILayoutRows[grid]));
    }
    for (const hydrim::report::MethodSymbol& entry : hydrim::report::MethodSymbols()) {
        bool shown = false, agrees = false;
        for (const LayoutText& layout : layouts) {
            for (int row = 0; row < static_cast<int>(layout.Lines.size()); ++row) {
                const LayoutLine line = layout.Line(row);
                if (line.Symbol == entry.symbol) {
                    shown = true;
                    agrees |= std::string(entry.meaning).starts_with(line.Description) &&
                              QString::fromStdString(line.Unit).trimmed() == QString::fromUtf8(entry.unit);
                }
            }
        }
        QVERIFY2(!shown || agrees, entry.symbol);
    }
    // Every symbol the method names is in the list.
    for (const char* example :
         {"variant1-two-slopes.snp", "variant2-two-slopes.snp", "variant3-one-slope.snp"}) {
        auto state = Computed(example);
        QVERIFY(state);
        for (const hydrim::report::MethodItem& item :
             hydrim::report::MethodSection(ReportOf(*state).method)) {
            std::vector<std::string> symbols;
            hydrim::report::CollectSymbols(item.formula, symbols);
            for (const hydrim::report::FormulaNode& word : hydrim::report::InlineWords(item.text)) {
                hydrim::report::CollectSymbols(word, symbols);
            }
            for (const std::string& symbol : symbols) {
                QVERIFY2(hydrim::report::FindMethodSymbol(symbol), symbol.c_str());
            }
        }
    }

    auto state = Computed("variant1-two-slopes.snp");
    QVERIFY(state);
    QTemporaryDir dir;
    const QString pdf = WrittenReport(ReportOf(*state), dir, "metoda.pdf");
    QVERIFY(!pdf.isEmpty());
    const QString method = TextFrom(pdf, QStringLiteral("Metoda výpočtu"));
    // Real exponents copy as superscript characters; no linear stand-ins.
    for (const char* text :
         {"Iu²", "ts⁻ᶜ", "(Hs − Ia)²", "Značky", "potenciální retence", "plocha svahu",
          "doba trvání kulminace PV", "maximální intenzita svahového odtoku", "(1)", "(20)"}) {
        QVERIFY2(method.contains(QString::fromUtf8(text)), text);
    }
    for (const char* text : {"^", "H_", "qp", "Ls", "O = ", " V = 1000", "S = 25"}) {
        QVERIFY2(!method.contains(QString::fromUtf8(text)), text);
    }
    // The formulas are numbered in order at the right margin.
    int last = 0;
    const QRegularExpression number(QStringLiteral(" {8,}\\((\\d+)\\)$"),
                                    QRegularExpression::MultilineOption);
    for (auto numbers = number.globalMatch(PageText(pdf, 0, true)); numbers.hasNext();) {
        const int n = numbers.next().captured(1).toInt();
        QCOMPARE(n, last + 1);
        last = n;
    }
    QVERIFY(last >= 30);
}

void DesignReportTest::methodSaysWhatWasComputedForTheProject() {
    auto state = Computed("variant1-two-slopes.snp");
    QVERIFY(state);
    QTemporaryDir dir;
    QString method =
        TextFrom(WrittenReport(ReportOf(*state), dir, "v1.pdf"), QStringLiteral("Metoda výpočtu"))
            .simplified();
    for (const char* text :
         {"zadáno uživatelem", "Povodí ze dvou svahů", "max(tv (levý svah); tv (pravý svah))", "TR-55",
          "par.tab", "hpj_hydrsk.csv", "Hrádek"}) {
        QVERIFY2(method.contains(QString::fromUtf8(text)), text);
    }
    // The slopes whose critical rain the 300-minute cap shortened, with this project's numbers.
    bool capped = false;
    for (size_t i = 1; i <= 5; ++i) {
        for (int critical : {state->VariantI.CriticalDurationL[i], state->VariantI.CriticalDurationR[i]}) {
            if (critical > 300) {
                capped = true;
                const QString text = QStringLiteral("N = %1 let").arg(ReturnPeriods[i]);
                QVERIFY2(
                    method.contains(text + QStringLiteral(", levý svah: tsk = %1 min").arg(critical)) ||
                        method.contains(text + QStringLiteral(", pravý svah: tsk = %1 min").arg(critical)),
                    qPrintable(text));
                QVERIFY(method.contains(
                    QStringLiteral("povodí ts = %1 min").arg(state->VariantI.RainDurationC[i])));
            }
        }
    }
    QVERIFY(capped);

    // Variant III takes its rain as given: no 1-day rainfall, no return period.
    state = Computed("variant3-one-slope.snp");
    QVERIFY(state);
    method = TextFrom(WrittenReport(ReportOf(*state), dir, "v3.pdf"), QStringLiteral("Metoda výpočtu"))
                 .simplified();
    QVERIFY(method.contains(QStringLiteral("Varianta III")));
    QVERIFY(method.contains(QStringLiteral("nepoužijí")));
    QVERIFY(!method.contains(QStringLiteral("par.tab dodaného")));
    QVERIFY(!method.contains(QStringLiteral("Povodí ze dvou svahů")));
}

void DesignReportTest::firstPageEndsWithSignOffAndChartsRunToTheHydrographsEnd() {
    auto state = Computed("variant2-two-slopes.snp");
    QVERIFY(state);
    render::DesignReport report = ReportOf(*state);
    report.computedAt.setTime(QTime(0, 0)); // "0:00" in the header reads as no axis label
    QTemporaryDir dir;
    const QString pdf = WrittenReport(report, dir, "v2.pdf");
    QVERIFY(!pdf.isEmpty());
    // Below every other word of the first page stand only the lines to sign and the page number.
    const std::vector<Word> words = Words(pdf, 1);
    const auto top = [&words](const char* text) { // of the lowest such word
        double lowest = -1;
        for (const Word& word : words) {
            lowest = word.text == QString::fromUtf8(text) ? std::max(lowest, word.top) : lowest;
        }
        return lowest;
    };
    const double signOff = top("Zpracoval");
    QVERIFY(signOff > 0 && signOff < top("Kontroloval") && top("Kontroloval") < top("Datum"));
    for (const Word& word : words) {
        const bool foot = QStringList({QStringLiteral("Zpracoval"), QStringLiteral("Kontroloval"),
                                       QStringLiteral("Datum"), QStringLiteral("strana")})
                              .contains(word.text) ||
                          word.top >= top("strana");
        QVERIFY2(foot || word.bottom < signOff, qPrintable(word.text));
    }
    QVERIFY(!TextFrom(pdf, QStringLiteral("Výsledky výpočtu")).contains(QStringLiteral("Zpracoval")));

    // The time axis reaches the end of the hydrograph: no further label would fit.
    const int end = report.charts.front().minutes.back();
    QVERIFY(end > 60 * 60);
    const QString charts = TextFrom(pdf, QStringLiteral("Hydrogramy"));
    std::vector<int> labels;
    for (auto times = QRegularExpression(QStringLiteral("\\b(\\d{2,}):(\\d{2})\\b")).globalMatch(charts);
         times.hasNext();) {
        const auto time = times.next();
        labels.push_back(time.captured(1).toInt() * 60 + time.captured(2).toInt());
    }
    QVERIFY(labels.size() >= 3);
    std::sort(labels.begin(), labels.end());
    labels.erase(std::unique(labels.begin(), labels.end()), labels.end());
    const int step = labels[1] - labels[0];
    QVERIFY2(labels.back() <= end && labels.back() + step > end,
             qPrintable(QStringLiteral("%1 + %2 of %3").arg(labels.back()).arg(step).arg(end)));
}

void DesignReportTest::documentsWriteEveryNumberWithTheTablesSeparator() {
    // The separator of the user's locale, "," or ".", reaches the tables,
    // the chart axes, the inputs and the method of the report and the
    // printed tables alike.
    for (const QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
        StartedFixture f{QString(separator)};
        QVERIFY(f.computed("variant1-two-slopes.snp"));
        const QString report = f.path(QStringLiteral("protokol.pdf"));
        const QString tables = f.path(QStringLiteral("tabulky.pdf"));
        QVERIFY(SaveDesignReportPdf(f.main(), report));
        QVERIFY(SaveTablePdf(f.main(), tables, true));
        const QChar other = separator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
        const QRegularExpression otherNumber(QStringLiteral("\\d\\%1\\d").arg(other));
        for (const QString& pdf : {report, tables}) {
            QString text = PageText(pdf);
            // Names that hold a point: the program's version, a licence.
            text.remove(
                QRegularExpression(QStringLiteral("verze \\d+\\.\\d+\\.\\d+|CC BY[-A-Z]* \\d+\\.\\d+")));
            QVERIFY2(text.contains(QStringLiteral("1%164").arg(separator)), qPrintable(pdf)); // Qmax, N = 5
            const QRegularExpressionMatch wrong = otherNumber.match(text);
            QVERIFY2(!wrong.hasMatch(),
                     qPrintable(text.mid(std::max<qsizetype>(0, wrong.capturedStart() - 60), 120)));
        }
    }
}

QTEST_MAIN(DesignReportTest)
#include "test_design_report.moc"
