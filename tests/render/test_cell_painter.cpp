// The result-table painter on small hand-made grids: merged cells, row
// colours, lowered and raised runs, the Greek letter, stacked lines, and
// geometry on screen and on a high-resolution device.
#include "render/CellPainter.h"

#include "RenderTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QTest>

#include <optional>

using namespace hydrim;
using namespace hydrim::rendertest;

namespace {

constexpr int Width = 120;
constexpr int Height = 40;
// Colour distance below which a pixel counts as the background.
constexpr int InkThreshold = 100;

// The bounding box of the ink (dark pixels) in an image.
std::optional<QRect> InkBox(const QImage& image) {
    std::optional<QRect> box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() + c.green() + c.blue() > 3 * 255 - 3 * InkThreshold) {
                continue;
            }
            box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
        }
    }
    return box;
}

QImage PaintRuns(const std::vector<TextRun>& runs, const QFont& font) {
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    render::CellPainter(font).paintRuns(painter, QRectF(0, 0, Width, Height), runs);
    painter.end();
    return image;
}

} // namespace

class CellPainterTest : public QObject {
    Q_OBJECT
private slots:
    void mergedCellsOfTheSummaryAndTheHeadings();
    void rowBackgroundsArePainted();
    void loweredRunsAreSmallAndLowRaisedRunsSmallAndHigh();
    void symbolFontLetterIsTheGreekLetter();
    void stackedLinesFillTheirCell();
    void geometryFollowsTheFontAndTheDevice();
    void mergedLabelGoesOnOnTheNextPage();
};

void CellPainterTest::mergedCellsOfTheSummaryAndTheHeadings() {
    ResultGrid summary;
    summary.Kind = GridKind::VariantISummary;
    summary.Cells.assign(8, std::vector<std::string>(8));
    summary.Spans = {{2, 3, 0, "  5"}, {5, 3, 0, "  10"}};
    QCOMPARE(render::ExtentOf(summary, 2, 0).rows, 3);
    QVERIFY(render::ExtentOf(summary, 3, 0).covered());
    QVERIFY(render::ExtentOf(summary, 4, 0).covered());
    QCOMPARE(render::ExtentOf(summary, 5, 0).rows, 3);
    QCOMPARE(render::ExtentOf(summary, 2, 1).rows, 1);
    QCOMPARE(render::ExtentOf(summary, 1, 0).rows, 1);

    ResultGrid table;
    table.Kind = GridKind::Variant23;
    table.Cells.assign(6, std::vector<std::string>(7));
    table.Table23SectionRows = {0, 3};
    table.Table23TopHeadingRows = {0};
    // Row 0 keeps its column titles from column 2 on; a later heading spans the row.
    QCOMPARE(render::ExtentOf(table, 0, 0).columns, 2);
    QVERIFY(render::ExtentOf(table, 0, 1).covered());
    QCOMPARE(render::ExtentOf(table, 0, 2).columns, 1);
    QCOMPARE(render::ExtentOf(table, 3, 0).columns, 7);
    QVERIFY(render::ExtentOf(table, 3, 4).covered());
    QCOMPARE(render::ExtentOf(table, 4, 0).columns, 1);
}

void CellPainterTest::rowBackgroundsArePainted() {
    const ResultGrid grid = SheetGrid();
    render::CellPainter painter(TableFont());
    const render::GridGeometry geometry = painter.geometry(grid);
    QImage image(static_cast<int>(geometry.width()) + 2, static_cast<int>(geometry.height(0, 3)) + 2,
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    painter.paintRows(p, QPointF(0, 0), grid, geometry, 0, grid.RowCount());
    p.end();
    // Sample near the right edge of the unit column, where no text stands.
    const int x = static_cast<int>(geometry.width()) - 4;
    const auto middleOf = [&](int row) {
        return static_cast<int>(geometry.height(0, row) + geometry.rowHeights[row] / 2);
    };
    QCOMPARE(image.pixelColor(x, middleOf(0)), QColor(204, 255, 255));
    QCOMPARE(image.pixelColor(x, middleOf(1)), QColor(Qt::white));
    QCOMPARE(image.pixelColor(x, middleOf(2)), QColor(255, 255, 204));
}

void CellPainterTest::loweredRunsAreSmallAndLowRaisedRunsSmallAndHigh() {
    const QFont font = TableFont();
    const auto normal = InkBox(PaintRuns({{"8", TextRun::Normal}}, font));
    const auto lowered = InkBox(PaintRuns({{"8", TextRun::Lowered}}, font));
    const auto raised = InkBox(PaintRuns({{"8", TextRun::Raised}}, font));
    QVERIFY(normal && lowered && raised);
    // Three fifths of the height, within a pixel or two of rounding.
    QVERIFY2(std::abs(lowered->height() - normal->height() * 3.0 / 5.0) <= 2.0,
             qPrintable(QStringLiteral("%1 vs %2").arg(lowered->height()).arg(normal->height())));
    QVERIFY(std::abs(raised->height() - lowered->height()) <= 1);
    QVERIFY(lowered->top() > normal->top() + normal->height() / 4);
    QVERIFY(raised->bottom() < normal->bottom() - normal->height() / 4);
    // Runs follow one another: "Q" then a lowered "1" stands right of the "Q".
    const auto base = InkBox(PaintRuns({{" Q", TextRun::Normal}}, font));
    const auto both = InkBox(PaintRuns({{" Q", TextRun::Normal}, {"1", TextRun::Lowered}}, font));
    QVERIFY(base && both);
    QVERIFY(both->right() > base->right() + 2);
    QCOMPARE(both->left(), base->left());
}

void CellPainterTest::symbolFontLetterIsTheGreekLetter() {
    const QFont font = TableFont();
    const QImage symbol = PaintRuns({{"g", TextRun::Normal, true}}, font);
    const QImage gamma = PaintRuns({{"γ", TextRun::Normal}}, font);
    const QImage latin = PaintRuns({{"g", TextRun::Normal}}, font);
    QCOMPARE(symbol, gamma);
    QVERIFY(symbol != latin);
}

void CellPainterTest::stackedLinesFillTheirCell() {
    ResultGrid grid = SheetGrid();
    grid.Cells[1][2] = "  5";
    grid.Stacked = {{1, 2, {"5", "10", "20", "50", "100"}}};
    grid.RowLines = {1, 5, 1};
    render::CellPainter painter(TableFont());
    const render::GridGeometry geometry = painter.geometry(grid);
    const QRectF cell(0, 0, geometry.columnWidths[2], geometry.rowHeights[1]);
    QImage image(static_cast<int>(cell.width()), static_cast<int>(cell.height()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    painter.paintCell(p, cell, grid, 1, 2);
    p.end();
    const int band = image.height() / 5;
    for (int line = 0; line < 5; ++line) {
        const auto ink = InkBox(image.copy(0, line * band, image.width(), band));
        QVERIFY2(ink.has_value(), qPrintable(QStringLiteral("line %1 is empty").arg(line)));
    }
}

void CellPainterTest::geometryFollowsTheFontAndTheDevice() {
    ResultGrid grid = SheetGrid();
    grid.RowLines = {1, 5, 1};
    const QFont font = TableFont();
    render::CellPainter painter(font);
    const render::GridGeometry screen = painter.geometry(grid);
    QCOMPARE(screen.columnWidths[6], 0.0);
    const QFontMetricsF metrics(font);
    QCOMPARE(screen.columnWidths[2],
             std::ceil(metrics.horizontalAdvance(QStringLiteral("  Povodí  "))) + 10.0);
    QVERIFY(screen.rowHeights[0] >= 21.0);
    QVERIFY(screen.rowHeights[1] >= 5 * metrics.height());

    // A printer-like device of twice the resolution doubles the sizes.
    QImage page(10, 10, QImage::Format_RGB32);
    page.setDotsPerMeterX(page.dotsPerMeterX() * 2);
    page.setDotsPerMeterY(page.dotsPerMeterY() * 2);
    QFont pointFont(QStringLiteral("DejaVu Serif"), 12);
    const render::GridGeometry onScreen = render::CellPainter(pointFont).geometry(grid, nullptr);
    const render::GridGeometry onPage = render::CellPainter(pointFont).geometry(grid, &page);
    const double ratio = page.logicalDpiY() / 96.0;
    QVERIFY(std::abs(onPage.rowHeights[0] - onScreen.rowHeights[0] * ratio) <= 2.0 * ratio);
    QVERIFY(onPage.width() > onScreen.width() * ratio * 0.8);
}

void CellPainterTest::mergedLabelGoesOnOnTheNextPage() {
    ResultGrid grid;
    grid.Kind = GridKind::VariantISummary;
    grid.Cells.assign(6, std::vector<std::string>{"", " Q", "peak", "", "", "", "", ""});
    grid.Cells[2][0] = "  100";
    grid.Spans = {{2, 3, 0, "  100"}};
    grid.VisibleColumns.assign(8, true);
    grid.WidthTexts.assign(8, "mmmm");
    grid.RowLines.assign(6, 1);
    render::CellPainter painter(TableFont());
    const render::GridGeometry geometry = painter.geometry(grid);
    const auto labelInk = [&](int firstRow, int endRow) {
        QImage image(static_cast<int>(geometry.width()) + 1,
                     static_cast<int>(geometry.height(firstRow, endRow)) + 1, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        painter.paintRows(p, QPointF(0, 0), grid, geometry, firstRow, endRow);
        p.end();
        // The inside of column 0, without its grid lines.
        return InkBox(image.copy(2, 2, static_cast<int>(geometry.columnWidths[0]) - 4, image.height() - 4));
    };
    QVERIFY(labelInk(0, 6).has_value());
    // A page that starts inside the merge still shows the label in its rows.
    QVERIFY(labelInk(3, 6).has_value());
    // A page after the merge has no label.
    QVERIFY(!labelInk(5, 6).has_value());
}

QTEST_MAIN(CellPainterTest)
#include "test_cell_painter.moc"
