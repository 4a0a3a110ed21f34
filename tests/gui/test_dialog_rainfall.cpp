// The rainfall table dialog end to end: value columns per variant, insertion
// into the input window, the search by first letters, the station memory and empty tables.
#include "gui/reference/LookupDialogs.h"
#include "gui/reference/LookupGrid.h"
#include "gui/reference/Srazky.h"
#include "test_dialog_support.h"

#include "core/reference/CzechOrder.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace hydrim;
using namespace hydrim::gui;
using namespace dialogtest;

namespace {
constexpr int RainfallButton = 7;
}

class RainfallDialogTest : public QObject, private DialogFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { finish(); }

    void variantOneShowsFiveReturnPeriodsAndInsertsThem() {
        link.combos = {{2, 0}, {3, 5}};
        dialogs->openLookup(RainfallButton, true);
        TSrazky1* dialog = dialogs->rainfall();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->StringGrid1->columnCount(), 7);
        // Columns 2..6 hold the value columns of N = 5, 10, 20, 50, 100.
        QCOMPARE(dialog->StringGrid1->text(0, 2), QStringLiteral("5 let"));
        QCOMPARE(dialog->StringGrid1->text(0, 5), QStringLiteral("50 let"));
        QCOMPARE(dialog->StringGrid1->text(0, 6), QStringLiteral("100 let"));
        QCOMPARE(dialog->StringGrid1->currentRow(), 1);

        dialog->StringGrid1->setCurrentGridRow(2, false);
        dialog->Button1->click();
        QCOMPARE(link.fields.value(EditRainN), QStringLiteral("42"));
        QCOMPARE(link.fields.value(EditRain10), QStringLiteral("43"));
        QCOMPARE(link.fields.value(EditRain20), QStringLiteral("44"));
        QCOMPARE(link.fields.value(EditRain50), QStringLiteral("46"));
        QCOMPARE(link.fields.value(EditRain100), QStringLiteral("49"));
        QCOMPARE(link.description, QStringList{QStringLiteral("Beroun")});
        QCOMPARE(state.CurrentProject.Lookup.RainfallStationRow, 2);
        QVERIFY(dialog->isVisible()); // the dialog stays open

        // N = 100 is written before the values it bounds.
        const auto firstHundred = std::find_if(link.writes.begin(), link.writes.end(), [](const auto& write) {
            return write.first == EditRain100 && !write.second.isEmpty();
        });
        const auto firstFive = std::find_if(link.writes.begin(), link.writes.end(), [](const auto& write) {
            return write.first == EditRainN && !write.second.isEmpty();
        });
        QVERIFY(firstHundred < firstFive);

        dialog->Button1->click();
        QCOMPARE(link.description, (QStringList{QStringLiteral("Beroun"), QStringLiteral("Beroun")}));
    }

    void otherVariantsShowTheChosenReturnPeriodAndHundred() {
        link.combos = {{2, 1}, {3, 0}};
        dialogs->openLookup(RainfallButton, true);
        TSrazky1* dialog = dialogs->rainfall();
        QCOMPARE(dialog->StringGrid1->columnCount(), 4);
        QCOMPARE(dialog->StringGrid1->text(0, 2), QStringLiteral("2 roky"));
        QCOMPARE(dialog->StringGrid1->text(0, 3), QStringLiteral("100 let"));
        dialog->StringGrid1->setCurrentGridRow(3, false);
        dialog->Button1->click();
        QCOMPARE(link.fields.value(EditRainN), QStringLiteral("61"));
        QCOMPARE(link.fields.value(EditRain100), QStringLiteral("69"));
        QVERIFY(!link.fields.contains(EditRain10));

        // Switching back to Variant I and reopening shows five value columns
        // and the station inserted last.
        dialog->reject();
        link.combos = {{2, 0}, {3, 0}};
        dialogs->openLookup(RainfallButton, true);
        QCOMPARE(dialog->StringGrid1->columnCount(), 7);
        QCOMPARE(dialog->StringGrid1->currentRow(), 3);
    }

    void noReturnPeriodNoDialog() {
        link.combos = {{2, 1}, {3, -1}};
        dialogs->openLookup(RainfallButton, true);
        QVERIFY(!dialogs->rainfall()->isVisible());
    }

    // A user's table of 579 stations in Czech order: the first letters typed
    // select the station, diacritics and CH as the list sorts them; a pause
    // starts the search anew.
    void typingTheFirstLettersSelectsTheStation() {
        std::vector<std::string> names = {"Adamov",          "Beroun",  "Brandýs nad Labem", "Brno",
                                          "Cetkovice",       "Čáslav",  "Hradec Králové",    "Cheb",
                                          "Sedlec",          "Šumperk", "Ústí nad Labem",    "Žatec",
                                          "Žďár nad Sázavou"};
        for (int i = static_cast<int>(names.size()); i < 579; ++i) {
            names.push_back("Lhota " + std::to_string(1000 + i));
        }
        std::sort(names.begin(), names.end(), CzechLess);
        std::vector<std::string> lines = {RainfallLines().front()};
        for (size_t i = 0; i < names.size(); ++i) {
            lines.push_back(std::to_string(i + 1) + "\t" + names[i] +
                            "\t40\t50\t60\t70\t75\t80\t85\t88\t90\t99");
        }
        WriteTable(dir, "srazky.tab", lines);
        dialogs = std::make_unique<LookupDialogs>(state, dir.path().toStdString(), nullptr);
        dialogs->attachLink(&link);
        link.combos = {{2, 0}, {3, 5}};
        dialogs->openLookup(RainfallButton, true);
        LookupGrid* grid = dialogs->rainfall()->StringGrid1;
        const auto selected = [grid] { return grid->text(grid->currentRow(), 1); };
        const int interval = QApplication::keyboardInputInterval();
        // A search typed after a pause (an interval of 0), its letters in one
        // burst; each letter as a Czech keyboard sends it.
        const auto search = [grid](const QString& typed) {
            for (qsizetype i = 0; i < typed.size(); ++i) {
                QApplication::setKeyboardInputInterval(i == 0 ? 0 : 3600 * 1000);
                QKeyEvent press(QEvent::KeyPress, typed[i].toUpper().unicode(), Qt::NoModifier,
                                typed.mid(i, 1));
                QApplication::sendEvent(grid, &press);
            }
        };

        search(QStringLiteral("brn"));
        QCOMPARE(selected(), QStringLiteral("Brno"));
        QTest::keyClick(grid, Qt::Key_Backspace);
        QCOMPARE(selected(), QStringLiteral("Brandýs nad Labem"));
        for (const auto& [typed, station] :
             std::vector<std::pair<QString, QString>>{{"c", "Cetkovice"},
                                                      {"č", "Čáslav"},
                                                      {"ch", "Cheb"},
                                                      {"s", "Sedlec"},
                                                      {"š", "Šumperk"},
                                                      {"ž", "Žatec"},
                                                      {"žď", "Žďár nad Sázavou"},
                                                      {"usti n", "Ústí nad Labem"}}) {
            search(typed);
            QCOMPARE(selected(), station);
        }
        search(QStringLiteral("žď"));
        QCOMPARE(grid->currentRow(), 579); // the last row of a full table
        search(QStringLiteral("usti"));
        QApplication::setKeyboardInputInterval(interval);

        dialogs->rainfall()->Button1->click();
        QCOMPARE(link.description, QStringList{QStringLiteral("Ústí nad Labem")});
    }

    void emptyTableSaysSo() {
        WriteTable(dir, "srazky.tab", {RainfallLines().front()});
        dialogs = std::make_unique<LookupDialogs>(state, dir.path().toStdString(), nullptr);
        dialogs->attachLink(&link);
        link.combos = {{2, 0}, {3, 5}};
        dialogs->openLookup(RainfallButton, true);
        TSrazky1* dialog = dialogs->rainfall();
        QVERIFY(!dialog->hasStations());
        QVERIFY(dialog->note()->isVisible());
        QVERIFY(dialog->note()->text().contains(QStringLiteral("neobsahuje žádné stanice")));
        QVERIFY(!dialog->Button1->isEnabled());
        for (int row = 1; row < 580; ++row)
            QVERIFY(dialog->StringGrid1->isRowHidden(row));
        dialog->Button1Click();
        QVERIFY(link.writes.isEmpty());
    }

    void missingTablesAreReportedOnce() {
        QTemporaryDir empty;
        MessageRecorder recorder;
        LookupDialogs bare(state, empty.path().toStdString(), nullptr);
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.messages.front().first, QMessageBox::Critical);
        QCOMPARE(bare.readErrors().size(), 5);
        QVERIFY(recorder.last().contains(QStringLiteral("srazky.tab")));
    }
};

QTEST_MAIN(RainfallDialogTest)
#include "test_dialog_rainfall.moc"
