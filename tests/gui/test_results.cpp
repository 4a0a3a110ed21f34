// The result grid view: merged and hidden cells, its context menu copying
// the table, and the room it asks for; the font dialog's start.
#include "gui/common/FontDialogStart.h"
#include "gui/results/ResultGridView.h"
#include "render/CellPainter.h"

#include "../render/RenderTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QTest>

using namespace hydrim;
using namespace hydrim::gui;
using namespace hydrim::rendertest;

class TestResults : public QObject {
    Q_OBJECT
private slots:
    void viewMergesHidesAndCopies();
    void fontDialogStartsFromTheDrawnFamily();
};

void TestResults::viewMergesHidesAndCopies() {
    ResultGrid grid = SheetGrid();
    grid.Kind = GridKind::Variant23;
    grid.Number = 2;
    grid.Table23SectionRows = {0};
    grid.Table23TopHeadingRows = {0};
    grid.Table23PeakRow = 2;
    grid.BoldRows = {0};
    grid.ShadedRows = {0};
    ResultGridView view(grid, TableFont());
    QCOMPARE(view.columnSpan(0, 0), 2);
    QVERIFY(view.isColumnHidden(6));
    QCOMPARE(view.cellText(2, 2), QStringLiteral("  45.7"));
    QCOMPARE(view.contextMenu()->actions().size(), 1);
    QCOMPARE(view.contextMenu()->actions().first()->text(), QStringLiteral("Kopíruj tabulku"));
    view.contextMenu()->actions().first()->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QString::fromStdString(CopyTableText(view.grid())));
    QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("  45.7")));
    // The view asks for the room of all its visible columns and rows.
    const render::GridGeometry geometry = view.cellPainter().geometry(view.grid());
    QVERIFY(view.naturalSize().width() >= static_cast<int>(geometry.width()));
}

void TestResults::fontDialogStartsFromTheDrawnFamily() {
    // The font dialog starts from the family the tables are drawn in, one it lists.
    const QFont font = TableFont();
    const QFont start = FontDialogStart(font);
    QCOMPARE(start.family(), QFontInfo(font).family());
    QVERIFY(QFontDatabase::families().contains(start.family()));
    QCOMPARE(QFontInfo(start).family(), start.family());
}

QTEST_MAIN(TestResults)
#include "test_results.moc"
