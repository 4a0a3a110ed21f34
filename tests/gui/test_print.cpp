// Printing and exporting from the windows: a printed chart page leaves the
// screen chart alone, the print preview of a chart (landscape, what the
// question before it says comes next), the no-printer message, the
// spreadsheet export's wait window and error path, and the PDF commands.
#include "core/Engine.h"
#include "core/hydrology/Compute.h"
#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"
#include "gui/app/Hlavni.h"
#include "gui/app/PrintExportHooks.h"
#include "gui/app/PrintPreview.h"
#include "gui/views/ExportWorkbook.h"
#include "gui/views/HydrographChartView.h"
#include "render/ChartBuilder.h"
#include "render/PrintChartPage.h"
#include "render/PrintJobs.h"
#include "render/PrintTablePage.h"
#include "render/ResultHydrographs.h"

#include "../render/RenderTestSupport.h"
#include "MainWindowTestSupport.h"

#include <QAbstractAxis>
#include <QApplication>
#include <QChart>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace hydrim;
using namespace hydrim::gui;
using namespace hydrim::rendertest;
using hydrim::gui::testing::StartedFixture;

namespace {

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
    void chartPageLeavesTheScreenChartAlone();
    void chartPreviewIsLandscapeAndSaysWhatComesNext();
    void noPrinterShowsTheMessage();
    void exportClosesTheWaitWindowAndOpensTheWorkbook();
    void failedExportIsReportedAndLeavesNothing();
    void proposedWorkbookNames();
    void pdfCommandsFollowThePrintCommands();
};

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

void PrintTest::chartPreviewIsLandscapeAndSaysWhatComesNext() {
    StartedFixture f;
    QVERIFY(f.computed("variant1-two-slopes.snp"));
    f.main().MenuGraf1Click();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("nahled.pdf");
    QPrinter& printer = f.main().printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageOrientation(QPageLayout::Portrait);
    QStringList next;
    QString button;
    QPageLayout::Orientation previewed = QPageLayout::Portrait;
    SetPrintDialogRunner([&](QDialog& dialog) {
        if (auto* label = dialog.findChild<QLabel*>(QStringLiteral("DalsiKrok"))) {
            next << label->text();
            button = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
            dialog.findChild<QRadioButton*>(QStringLiteral("TutoKartu"))->setChecked(true);
            return int(next.size() == 1 ? QDialog::Accepted : QDialog::Rejected);
        }
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        preview->updatePreview();
        previewed = preview->orientation();
        preview->print(); // into the PDF file
        return int(QDialog::Rejected);
    });
    f.main().Tiskgrafu1Click();
    f.main().findChild<QAction*>(QStringLiteral("UlozGrafPdf1"))->trigger();
    SetPrintDialogRunner({});

    // The question says what comes next: the preview, or the PDF file to choose.
    QCOMPARE(next.size(), 2);
    QVERIFY2(next[0].contains(QStringLiteral("náhled tisku")) && next[0].contains(QStringLiteral("na šířku")),
             qPrintable(next[0]));
    QVERIFY2(next[1].contains(QStringLiteral("soubor PDF")), qPrintable(next[1]));
    QCOMPARE(button, QStringLiteral("&Uložit jako PDF…"));
    // The preview shows a landscape page and prints it so; the printer keeps its own orientation.
    QCOMPARE(previewed, QPageLayout::Landscape);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    QCOMPARE(PageCount(pdf), 1);
    const QSizeF page = PageSize(pdf, 1);
    QVERIFY(page.width() > page.height());
    // The time labels are printed in full.
    const QString text = PageText(pdf, 1);
    QVERIFY2(text.contains(QStringLiteral("00:00")) && !text.contains(QChar(0x2026)), qPrintable(text));
}

void PrintTest::noPrinterShowsTheMessage() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        QSKIP("a printer is installed on this machine");
    }
    AppState state;
    THlavni main(state);
    MessageCatcher catcher;
    // Printing goes through a preview that needs no printer (nothing to
    // print here); only the printer set-up has nothing to offer.
    main.TiskTab1Click();
    main.Tiskgrafu1Click();
    main.Konfiguracetisku1Click();
    QCOMPARE(catcher.texts, QStringList(1, QStringLiteral("Nejsou nainstalovány žádné tiskárny !!")));
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
}

QTEST_MAIN(PrintTest)
#include "test_print.moc"
