// The batch window: the example table gives the same summary as
// `hydrim-cli batch`, failed rows are shaded, Storno leaves a partial summary,
// and the main window opens the dialog.
#include "../support/TempDirectory.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"
#include "gui/app/Hlavni.h"
#include "gui/batch/BatchDialog.h"

#include <QAction>
#include <QTableWidget>
#include <QTest>

#include <cstdlib>
#include <fstream>
#include <iterator>

using namespace hydrim;
using namespace hydrim::gui;

namespace {

const std::string Source = HYDRIM_SOURCE_DIR;

ParTable ShippedPar() {
    ParTable par;
    ReadParTable(JoinPath(Source + "/DATA", ParTableFileName), par);
    return par;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

class BatchDialogTest : public QObject {
    Q_OBJECT
private slots:
    void givesTheSummaryOfTheCommandLine() {
        test::TempDirectory dir;
        const std::string table = Source + "/examples/catchments.csv";
        BatchDialog dialog(ShippedPar(), QString());
        dialog.addInputs({QString::fromStdString(table)});
        dialog.start();
        dialog.waitForFinished();
        const QString saved = QString::fromStdString(dir.file("dialog.csv"));
        QCOMPARE(dialog.saveSummary(saved), QString());
        const std::string cli = dir.file("cli.csv");
        const std::string command = std::string(HYDRIM_CLI_PATH) + " batch '" + table + "' -o '" + cli +
                                    "' --data '" + Source + "/DATA' 2>/dev/null";
        QCOMPARE(WEXITSTATUS(std::system(command.c_str())), 3);
        QCOMPARE(Slurp(saved.toStdString()), Slurp(cli));

        // The invalid row is shaded, an ok one is not (rows with warnings are shaded too).
        auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("Souhrn"));
        QVERIFY(grid);
        QCOMPARE(grid->rowCount(), static_cast<int>(dialog.rows().size()));
        const int last = grid->rowCount() - 1;
        QCOMPARE(grid->item(last, 5)->text(), QStringLiteral("invalid"));
        QVERIFY(grid->item(last, 0)->background().style() != Qt::NoBrush);
        int ok = 0;
        while (ok < last && grid->item(ok, 5)->text() != QLatin1String("ok")) {
            ++ok;
        }
        QCOMPARE(grid->item(ok, 0)->background().style(), Qt::NoBrush);
        QCOMPARE(dialog.saveSummary(QString::fromStdString(dir.file("s.xlsx"))), QString());
    }

    void stornoLeavesAPartialSummary() {
        BatchDialog dialog(ShippedPar(), QString());
        QStringList inputs;
        for (int i = 0; i < 200; ++i) {
            inputs << QString::fromStdString(Source + "/examples/catchments.csv");
        }
        dialog.addInputs(inputs);
        dialog.start();
        dialog.stop();
        dialog.waitForFinished();
        QVERIFY(!dialog.running());
        QVERIFY(!dialog.rows().empty());
        QCOMPARE(dialog.rows().back().Status, RowStatus::Partial);
    }

    void theMainWindowOpensIt() {
        AppState state;
        THlavni main(state);
        QAction* item = main.findChild<QAction*>(QStringLiteral("DavkovyVypocet1"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("&Dávkový výpočet…"));
        item->trigger();
        auto* dialog = main.findChild<BatchDialog*>(QStringLiteral("BatchDialog"));
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Dávkový výpočet"));
        dialog->close();
    }
};

QTEST_MAIN(BatchDialogTest)
#include "test_batch_dialog.moc"
