// The result windows as painted: the colours of the heading and peak rows
// reach the screen for each variant, and every tab paints. With
// HYDRIM_SCREENSHOT_DIR set, the pictures are kept there for a look.
#include "MainWindowTestSupport.h"

#include "gui/app/AboutDialog.h"
#include "gui/app/ProgressWindow.h"
#include "gui/results/ResultGridView.h"
#include "gui/results/Variant23ResultTableWindow.h"
#include "gui/results/VariantIResultTableWindow.h"

#include <QDir>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>

using namespace hydrim;
using namespace hydrim::gui;
using namespace hydrim::gui::testing;

namespace {

const QColor HeadingColour(204, 255, 255);
const QColor PeakColour(255, 255, 204);

void Keep(const QImage& image, const QString& name) {
    const QString dir = qEnvironmentVariable("HYDRIM_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        image.save(QDir(dir).filePath(name + QStringLiteral(".png")));
    }
}

int CountPixels(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

QImage Grab(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Enough pixels of a colour for at least a part of a row.
constexpr int RowPixels = 500;

} // namespace

class TestResultsWindows : public QObject {
    Q_OBJECT
private slots:
    void variantITabsPaintTheirRows();
    void variantIIAndIIIPaintTheirRows();
    void smallWindowsPaint();
};

void TestResultsWindows::variantITabsPaintTheirRows() {
    StartedFixture f;
    f.main().resize(1280, 900);
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant1-two-slopes.snp")),
             MainWindow::OpenResult::Opened);
    f.main().computeProject();
    auto* table =
        qobject_cast<VariantIResultTableWindow*>(f.main().resultWindows().window(ResultKind::Table, true));
    QVERIFY(table);
    QMdiSubWindow* sub = f.main().resultWindows().subWindow(ResultKind::Table, true);
    sub->move(0, 0);
    sub->resize(sub->width(), 1100); // the whole output sheet, peak row included
    for (int tab = 0; tab < 8; ++tab) {
        table->tabs()->setCurrentIndex(tab);
        const QImage image = Grab(sub);
        Keep(image, QStringLiteral("variant1-tab%1").arg(tab + 1));
        // The catchment summary shows no heading row: its layout's first row is empty.
        const bool heading = tab != 7;
        QVERIFY2((CountPixels(image, HeadingColour) > RowPixels) == heading,
                 qPrintable(QStringLiteral("tab %1").arg(tab)));
        const bool outputSheet = tab >= 1 && tab <= 5;
        QCOMPARE(CountPixels(image, PeakColour) > RowPixels, outputSheet);
    }
    table->tabs()->setCurrentIndex(1);
    Keep(Grab(&f.main()), QStringLiteral("main-variant1"));
}

void TestResultsWindows::variantIIAndIIIPaintTheirRows() {
    for (const char* example :
         {"variant2-two-slopes.snp", "variant2-one-slope.snp", "variant3-one-slope.snp"}) {
        StartedFixture f;
        QCOMPARE(f.main().openProjectFile(ExampleProject(example)), MainWindow::OpenResult::Opened);
        f.main().computeProject();
        auto* table = qobject_cast<Variant23ResultTableWindow*>(
            f.main().resultWindows().window(ResultKind::Table, false));
        QVERIFY(table);
        QMdiSubWindow* sub = f.main().resultWindows().subWindow(ResultKind::Table, false);
        sub->resize(sub->width(), 1000); // the whole table, peak row included
        const QImage image = Grab(sub);
        Keep(image, QString::fromLatin1(example).replace(QStringLiteral(".snp"), QString()));
        QVERIFY2(CountPixels(image, HeadingColour) > RowPixels, example);
        QVERIFY2(CountPixels(image, PeakColour) > RowPixels, example);
    }
}

void TestResultsWindows::smallWindowsPaint() {
    StartedFixture f;
    f.main().aboutWindow()->show();
    const QImage about = Grab(f.main().aboutWindow());
    Keep(about, QStringLiteral("about"));
    QVERIFY(about.width() > 150);
    // The wait window's bar fills as the computation moves it.
    ProgressWindow progress;
    QCOMPARE(progress.windowTitle(), QStringLiteral("Počkejte na dokončení výpočtu"));
    QCOMPARE(progress.size(), QSize(300, 60));
    const QImage empty = Grab(&progress);
    const auto filled = [&empty](const QImage& image) {
        int changed = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                changed += image.pixel(x, y) != empty.pixel(x, y) ? 1 : 0;
            }
        }
        return changed;
    };
    progress.setPosition(594);
    const QImage part = Grab(&progress);
    Keep(part, QStringLiteral("progress"));
    progress.setPosition(1000);
    const int partPixels = filled(part);
    QVERIFY(partPixels > 0);
    QVERIFY(filled(Grab(&progress)) > partPixels);
}

QTEST_MAIN(TestResultsWindows)
#include "test_results_windows.moc"
