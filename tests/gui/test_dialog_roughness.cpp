// The roughness and antecedent moisture dialogs end to end: typed cells and
// their range checks, the weighted roughness and its insertion, per-slope memory,
// the twin buttons, the curve type chosen by a radio item, and the entries of a
// saved project beside their classes in a table edited since.
#include "MainWindowTestSupport.h"
#include "core/project/InputRules.h"
#include "gui/reference/BPEJtab.h"
#include "gui/reference/CNcis.h"
#include "gui/reference/CNrozhod.h"
#include "gui/reference/GamaTab.h"
#include "gui/reference/HSPtab.h"
#include "gui/reference/LookupDialogs.h"
#include "gui/reference/LookupGrid.h"
#include "gui/reference/PVPtab.h"
#include "gui/reference/Srazky.h"
#include "gui/reference/TableEditor.h"
#include "test_dialog_support.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

using namespace hydrim;
using namespace hydrim::gui;
using namespace dialogtest;

namespace {
constexpr int RoughnessLeft = 1, MoistureLeft = 2, RoughnessRight = 4, MoistureRight = 5;
constexpr int ValueColumn = 3, AreaColumn = 4;
} // namespace

class RoughnessDialogTest : public QObject, private DialogFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { finish(); }

    // Every dialog fits a small screen with its title bar; a table taller
    // than that scrolls.
    void dialogsFitTheScreen() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        for (QDialog* dialog : std::initializer_list<QDialog*>{
                 dialogs->rainfall(), dialogs->moisture(), dialogs->roughness(), dialogs->pathChoice(),
                 dialogs->soilGroups(), dialogs->soilUnits(), dialogs->curveNumbers()}) {
            auto* window = qobject_cast<LookupWindow*>(dialog);
            QVERIFY(window);
            window->showCentred();
            // The title bar a window manager adds still leaves the bottom on the screen.
            QVERIFY2(dialog->y() + dialog->height() + 40 <= screen.bottom() + 1,
                     qPrintable(dialog->windowTitle()));
            QVERIFY2(dialog->width() <= screen.width(), qPrintable(dialog->windowTitle()));
            dialog->hide();
        }
    }

    // Typing never changes what was typed, beyond refusing what is no number.
    void typedValuesStayAsTyped_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("25 in 5-40") << 2 << "25"
                                    << "25";
        QTest::newRow("4 in 5-40, not yet finished") << 2 << "4"
                                                     << "4";
        QTest::newRow("7 in 1-3, not yet finished") << 3 << "7"
                                                    << "7";
        QTest::newRow("letters and a second point refused") << 3 << "2x.5."
                                                            << "2.5";
        QTest::newRow("comma becomes point") << 4 << "2,5"
                                             << "2.5";
    }
    void typedValuesStayAsTyped() {
        QFETCH(int, row);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        MessageRecorder recorder;
        TGamatab1* dialog = openRoughness(true);
        LookupGrid* grid = dialog->StringGrid1;
        typeInto(grid, row, ValueColumn, keys.toUtf8().constData());
        QCOMPARE(grid->text(row, ValueColumn), expected);
        QVERIFY(recorder.messages.isEmpty());
    }

    // The class range is checked once the value is finished: Enter, Tab,
    // leaving the cell or "Vy&počti", each with one out-of-range message.
    void rangeIsCheckedWhenTheValueIsFinished() {
        MessageRecorder recorder;
        TGamatab1* dialog = openRoughness(true);
        LookupGrid* grid = dialog->StringGrid1;
        typeInto(grid, 2, ValueColumn, "4");
        QTest::keyClick(grid->cellEditor(), Qt::Key_Return);
        QCoreApplication::sendPostedEvents(); // Enter closes the editor,
        QCoreApplication::sendPostedEvents(); // then the value is checked
        QCOMPARE(grid->text(2, ValueColumn), QStringLiteral("5"));
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.messages.front().first, QMessageBox::Critical);
        QVERIFY(recorder.last().startsWith(QString::fromStdString(OutOfRangeMessage)));
        QVERIFY(recorder.last().contains(QStringLiteral("Zadaná hodnota: 4\nPřípustné hodnoty: 5 až 40")));

        // Typed and computed at once: the computation uses the bound.
        typeInto(grid, 3, ValueColumn, "7");
        typeInto(grid, 3, AreaColumn, "1");
        dialog->panel.compute->click();
        QCOMPARE(grid->text(3, ValueColumn), QStringLiteral("3"));
        QCOMPARE(recorder.messages.size(), 2);
        QCOMPARE(dialog->panel.value->text(), QStringLiteral(" 3.00"));

        // A value within its range says nothing when it is finished.
        typeInto(grid, 5, ValueColumn, "25");
        QTest::keyClick(grid->cellEditor(), Qt::Key_Tab);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(grid->text(5, ValueColumn), QStringLiteral("25"));
        QCOMPARE(recorder.messages.size(), 2);
    }

    void weightedRoughnessIsInsertedForItsSlope() {
        TGamatab1* dialog = openRoughness(true);
        QVERIFY(!link.buttonEnabled(RoughnessRight)); // the twin is disabled while open
        typeInto(dialog->StringGrid1, 5, ValueColumn, "8");
        typeInto(dialog->StringGrid1, 5, AreaColumn, "1");
        typeInto(dialog->StringGrid1, 6, ValueColumn, "9");
        typeInto(dialog->StringGrid1, 6, AreaColumn, "1");
        QVERIFY(!dialog->panel.insert->isEnabled());
        dialog->panel.compute->click();
        QCOMPARE(dialog->panel.value->text(), QStringLiteral(" 8.50"));
        QVERIFY(dialog->panel.insert->isEnabled());
        dialog->panel.insert->click();

        QCOMPARE(link.fields.value(EditRoughnessL), QStringLiteral(" 8.50"));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(link.closed, QList<int>{RoughnessLeft});
        QVERIFY(link.buttonEnabled(RoughnessRight));
        const auto& left = state.CurrentProject.Lookup.RoughnessInputs[1];
        QCOMPARE(left[0][5], std::string("8"));
        QCOMPARE(left[1][6], std::string("1"));

        // The right slope has its own (empty) entries; the left ones come back.
        openRoughness(false);
        QCOMPARE(dialog->StringGrid1->text(5, ValueColumn), QString());
        QVERIFY(dialog->panel.value->text().isEmpty());
        dialog->reject();
        openRoughness(true);
        QCOMPARE(dialog->StringGrid1->text(6, ValueColumn), QStringLiteral("9"));
        QCOMPARE(dialog->panel.value->text(), QStringLiteral(" 8.50"));
    }

    void closingDiscardsEntries() {
        TGamatab1* dialog = openRoughness(true);
        typeInto(dialog->StringGrid1, 5, ValueColumn, "8");
        dialog->panel.close->click();
        QVERIFY(state.CurrentProject.Lookup.RoughnessInputs[1][0][5].empty());
        QVERIFY(link.fields.isEmpty());
    }

    void zeroAreaSaysWrongInput() {
        MessageRecorder recorder;
        TGamatab1* dialog = openRoughness(true);
        QVERIFY(recorder.messages.isEmpty()); // nothing entered yet: no message on opening
        typeInto(dialog->StringGrid1, 5, ValueColumn, "8");
        typeInto(dialog->StringGrid1, 5, AreaColumn, "0");
        dialog->panel.compute->click();
        QCOMPARE(recorder.last(), QStringLiteral("Špatné zadání"));
        QVERIFY(!dialog->panel.insert->isEnabled());
        QVERIFY(dialog->panel.value->text().isEmpty());
    }

    void resultBelowOneIsNotInserted() {
        TGamatab1* dialog = openRoughness(true);
        typeInto(dialog->StringGrid1, 4, ValueColumn, "0.5");
        typeInto(dialog->StringGrid1, 4, AreaColumn, "2");
        dialog->panel.compute->click();
        QCOMPARE(dialog->panel.value->text(), QStringLiteral(" 0.50"));
        QVERIFY(!dialog->panel.insert->isEnabled());
    }

    void editingDisablesInsertUntilTheNextComputation() {
        TGamatab1* dialog = openRoughness(true);
        typeInto(dialog->StringGrid1, 5, ValueColumn, "8");
        typeInto(dialog->StringGrid1, 5, AreaColumn, "1");
        dialog->panel.compute->click();
        QVERIFY(dialog->panel.insert->isEnabled());
        typeInto(dialog->StringGrid1, 6, AreaColumn, "1");
        QVERIFY(!dialog->panel.insert->isEnabled());
    }

    void moistureDialogChoosesTheCurveType() {
        link.combos = {{4, 1}, {5, -1}};
        dialogs->openLookup(MoistureLeft, true);
        TPVPtab1* dialog = dialogs->moisture();
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->radioItem(1)->isChecked());
        QVERIFY(!link.buttonEnabled(MoistureRight));
        dialog->radioItem(2)->click();
        QCOMPARE(link.combos.value(4), 2);
        QCOMPARE(link.combos.value(5), -1);
        dialog->Button1->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(link.buttonEnabled(MoistureRight));
        QCOMPARE(link.closed, QList<int>{MoistureLeft});

        dialogs->openLookup(MoistureRight, false);
        QCOMPARE(dialog->itemIndex(), -1); // no curve type chosen on the right
        dialog->radioItem(0)->click();
        QCOMPARE(link.combos.value(5), 0);
    }

    void eachDialogKeepsTheSlopeItWasOpenedFor() {
        TGamatab1* roughness = openRoughness(true);
        dialogs->openLookup(MoistureRight, false);
        typeInto(roughness->StringGrid1, 5, ValueColumn, "10");
        typeInto(roughness->StringGrid1, 5, AreaColumn, "1");
        roughness->panel.compute->click();
        roughness->panel.insert->click();
        QCOMPARE(link.fields.value(EditRoughnessL), QStringLiteral("10.00"));
        QVERIFY(!link.fields.contains(EditRoughnessR));
    }

    // A class deleted in "Upravit tabulku" while the project holds entries:
    // the entries below it move up with their classes, in the project and in
    // the grid, and the entry of the class deleted is named and weighs no more.
    void entriesFollowTheirClassesWhenTheTableIsSaved() {
        MessageRecorder recorder;
        TGamatab1* dialog = openRoughness(true);
        for (const auto& [row, value, area] :
             {std::tuple(2, "10", "2"), std::tuple(5, "8", "1"), std::tuple(6, "9", "1")}) {
            dialog->StringGrid1->setText(row, ValueColumn, QString::fromLatin1(value));
            dialog->StringGrid1->setText(row, AreaColumn, QString::fromLatin1(area));
        }
        dialog->panel.compute->click();
        dialog->panel.insert->click();
        openRoughness(true);
        dialog->editButton->click();
        TableEditor* editor = dialog->editor();
        QVERIFY(editor);
        editor->grid->setCurrentCell(0, 0); // "Les 1"
        editor->deleteButton->click();
        editor->saveButton->click();

        QCOMPARE(recorder.messages.size(), 1);
        QVERIFY2(recorder.last().endsWith(
                     QStringLiteral("\n  svah – Les, třída 1, rozsah 5-40: hodnota 10, plocha 2 km²")),
                 qPrintable(recorder.last()));
        const auto& left = state.CurrentProject.Lookup.RoughnessInputs[1];
        QCOMPARE(left[0][4] + left[0][5] + left[0][2], std::string("89"));
        QCOMPARE(dialog->StringGrid1->text(4, ValueColumn), QStringLiteral("8"));
        QCOMPARE(dialog->StringGrid1->text(5, AreaColumn), QStringLiteral("1"));
        QCOMPARE(dialog->StringGrid1->text(2, ValueColumn), QString());
        QCOMPARE(dialog->panel.value->text(), QStringLiteral(" 8.50")); // not the 9.25 of before
    }

    // A user's table loses a class and has its classes reordered after a
    // project was saved: opened again, every entry stands beside its own class,
    // the one whose class is gone is named once and weighs no more.
    void entriesFollowTheirClassesThroughAnEditedTable() {
        using namespace hydrim::gui::testing;
        QTemporaryDir work;
        const QString data = work.filePath(QStringLiteral("DATA"));
        CopyMissingFiles(HYDRIM_SOURCE_DIR "/DATA", data.toStdString(), ShippedTableExtension);
        const auto writeClasses = [&work](std::vector<std::string> classes) {
            classes.insert(classes.begin(), {"Drsnost g:podle povrchu;!", "Povrch;Třída!g"});
            WriteTable(work, "DATA/Gama.tab", classes);
        };
        writeClasses({"Les;1!5-40", "Louka;2!10-30", "Pole;3!2-40"});
        StartOptions options;
        options.workingDir = work.path().toStdString();
        options.localeDecimalPoint = QStringLiteral(".");
        const QString project = work.filePath(QStringLiteral("PROJEKTY/svah.snp"));
        {
            AppState state;
            StartedProgram program;
            QVERIFY(StartProgram(state, options, program));
            auto* lookup = static_cast<LookupDialogs*>(program.lookupDialogs.get());
            lookup->openLookup(RoughnessLeft, true);
            TGamatab1* dialog = lookup->roughness();
            for (const auto& [row, value, area] :
                 {std::tuple(2, "10", "1"), std::tuple(3, "20", "3"), std::tuple(4, "30", "2")}) {
                dialog->StringGrid1->setText(row, ValueColumn, QString::fromLatin1(value));
                dialog->StringGrid1->setText(row, AreaColumn, QString::fromLatin1(area));
            }
            dialog->panel.compute->click();
            QCOMPARE(dialog->panel.value->text(), QStringLiteral("21.67"));
            dialog->panel.insert->click();
            QVERIFY(program.mainWindow->saveProjectTo(project));
        }

        writeClasses({"Pole;3!2-40", "Louka;2!10-30"});
        AppState state;
        StartedProgram program;
        QVERIFY(StartProgram(state, options, program));
        SeenMessage seen;
        ModalScript script({Answer(QMessageBox::Ok, &seen)});
        QCOMPARE(program.mainWindow->openProjectFile(project), THlavni::OpenResult::Opened);
        QVERIFY(script.finished());
        QVERIFY2(seen.text.endsWith(
                     QStringLiteral("\n  svah – Les, třída 1, rozsah 5-40: hodnota 10, plocha 1 km²")),
                 qPrintable(seen.text));
        QVERIFY(program.mainWindow->isModified());
        auto* lookup = static_cast<LookupDialogs*>(program.lookupDialogs.get());
        lookup->openLookup(RoughnessLeft, true);
        LookupGrid* grid = lookup->roughness()->StringGrid1;
        QCOMPARE(grid->text(2, ValueColumn) + " " + grid->text(2, AreaColumn), QStringLiteral("30 2"));
        QCOMPARE(grid->text(3, ValueColumn) + " " + grid->text(3, AreaColumn), QStringLiteral("20 3"));
        QCOMPARE(grid->text(4, ValueColumn) + grid->text(4, AreaColumn), QString());
        QCOMPARE(lookup->roughness()->panel.value->text(), QStringLiteral("24.00"));
    }

private:
    TGamatab1* openRoughness(bool left) {
        dialogs->openLookup(left ? RoughnessLeft : RoughnessRight, left);
        return dialogs->roughness();
    }
    static void typeInto(LookupGrid* grid, int row, int column, const char* keys) {
        TypeIntoCell(grid, row, column, keys);
    }
};

QTEST_MAIN(RoughnessDialogTest)
#include "test_dialog_roughness.moc"
