// The batch window: the example table gives the same summary as
// `hydrim-cli batch` under Czech headers, failed rows are shaded, Storno ends
// a long run keeping the rows done while the progress says how far it is, and
// the main window opens the dialog.
#include "../support/TempDirectory.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"
#include "gui/app/Hlavni.h"
#include "gui/batch/BatchDialog.h"

#include <QAction>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
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

        // Czech headers with units; the invalid row shaded with its status
        // "chyba" and its message in a tooltip, an ok one not shaded.
        auto* grid = dialog.findChild<QTableView*>(QStringLiteral("Souhrn"));
        QVERIFY(grid);
        const QAbstractItemModel* model = grid->model();
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Název"));
        QCOMPARE(model->headerData(16, Qt::Horizontal).toString(), QStringLiteral("Qmax [m³.s⁻¹]"));
        QCOMPARE(model->rowCount(), static_cast<int>(dialog.rows().size()));
        const int last = model->rowCount() - 1;
        QCOMPARE(model->index(last, 5).data().toString(), QStringLiteral("chyba"));
        QVERIFY(model->index(last, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(model->index(last, 6).data(Qt::ToolTipRole).toString().contains(QStringLiteral("Číslo CN")));
        QCOMPARE(model->index(0, 3).data().toString(), QStringLiteral("I"));
        // Numbers with the tables' decimals and the table's decimal comma.
        QVERIFY(model->index(0, 16).data().toString().contains(
            QRegularExpression(QStringLiteral("^\\d+,\\d{3}$"))));
        int ok = 0;
        while (ok < last && model->index(ok, 5).data().toString() != QStringLiteral("v pořádku")) {
            ++ok;
        }
        QVERIFY(ok < last);
        QVERIFY(!model->index(ok, 0).data(Qt::BackgroundRole).isValid());
        QCOMPARE(dialog.saveSummary(QString::fromStdString(dir.file("s.xlsx"))), QString());
    }

    void stornoEndsALongRunKeepingTheRowsDone() {
        BatchDialog dialog(ShippedPar(), QString());
        QStringList inputs;
        for (int i = 0; i < 600; ++i) {
            inputs << QString::fromStdString(Source + "/examples/catchments.csv");
        }
        dialog.addInputs(inputs);
        dialog.show();
        auto* storno = dialog.findChild<QPushButton*>(QStringLiteral("Storno"));
        auto* grid = dialog.findChild<QTableView*>(QStringLiteral("Souhrn"));
        QVERIFY(storno && grid);
        dialog.start();
        QVERIFY(storno->isEnabled());

        // The first rows arrive: the progress counts them and gives the pace.
        QEventLoop rows;
        connect(grid->model(), &QAbstractItemModel::rowsInserted, &rows, &QEventLoop::quit);
        rows.exec();
        const QString progress = dialog.findChild<QLabel*>(QStringLiteral("Stav"))->text();
        QVERIFY2(progress.contains(QRegularExpression(
                     QStringLiteral("^Spočítáno \\d+ z 13200 povodí · \\d+ povodí/s · zbývá \\d+:\\d\\d$"))),
                 qPrintable(progress));

        QEventLoop finished;
        connect(&dialog, &BatchDialog::runFinished, &finished, &QEventLoop::quit);
        QTest::mouseClick(storno, Qt::LeftButton);
        finished.exec();
        QVERIFY(!dialog.running());
        QVERIFY(!storno->isEnabled());
        const std::vector<SummaryRow>& summary = dialog.rows();
        QCOMPARE(summary.back().Status, RowStatus::Partial);
        QVERIFY(summary.size() < 600u * 58u);
        // The rows done are kept in input order: the table's first catchment leads.
        QCOMPARE(summary.front().Id, std::string("K01"));
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
