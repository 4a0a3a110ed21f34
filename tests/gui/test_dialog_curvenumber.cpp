// The curve-number wizard end to end: the path choice, the soil group and
// soil unit tables with their decision panel, the curve number table, the
// per-slope memory and its way through a project file.
#include "DialogTestSupport.h"
#include "core/project/ProjectFile.h"
#include "gui/reference/CnNumberTableDialog.h"
#include "gui/reference/CnPathChoiceDialog.h"
#include "gui/reference/CnSoilGroupDialog.h"
#include "gui/reference/CnSoilUnitDialog.h"
#include "gui/reference/CnWizard.h"
#include "gui/reference/LookupDialogs.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace hydrim;
using namespace hydrim::gui;
using namespace dialogtest;

namespace {
constexpr int CnLeft = 3, CnRight = 6;
constexpr int HspArea = 2, UnitArea = 4, LandUseArea = 4;
} // namespace

class CurveNumberWizardTest : public QObject, private DialogFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { finish(); }

    void soilGroupsLeadToTheirCurveNumberColumn() {
        dialogs->openLookup(CnLeft, true);
        QVERIFY(dialogs->pathChoice()->isVisible());
        QVERIFY(!link.buttonEnabled(CnLeft));
        QVERIFY(!link.buttonEnabled(CnRight));

        dialogs->pathChoice()->filtrationButton->click();
        CnSoilGroupDialog* groups = dialogs->soilGroups();
        QVERIFY(groups->isVisible());
        QVERIFY(!dialogs->pathChoice()->isVisible());
        QVERIFY(!link.buttonEnabled(CnLeft)); // still inside the wizard
        QVERIFY(!groups->decisionPanel->isVisible());

        TypeIntoCell(groups->grid, 2, HspArea, "1");
        TypeIntoCell(groups->grid, 3, HspArea, "1");
        groups->continueButton->click();
        CnNumberTableDialog* numbers = dialogs->curveNumbers();
        QVERIFY(numbers->isVisible());
        QVERIFY(!groups->isVisible());
        // The note says which soil-group columns are not published values.
        QVERIFY(numbers->findChild<QPlainTextEdit*>()->toPlainText().contains(
            QStringLiteral("nejsou v publikované tabulce")));
        QCOMPARE(numbers->category(), 2);
        QCOMPARE(numbers->grid->text(1, 3), QStringLiteral(" pro A-B"));
        QCOMPARE(numbers->grid->text(10, 3), QStringLiteral("65"));

        TypeIntoCell(numbers->grid, 10, LandUseArea, "2");
        TypeIntoCell(numbers->grid, 11, LandUseArea, "2");
        numbers->panel.compute->click();
        QCOMPARE(numbers->panel.value->text(), QStringLiteral("65.00"));
        numbers->panel.insert->click();

        QCOMPARE(link.fields.value(EditCnL), QStringLiteral("65.00"));
        QVERIFY(!dialogs->wizard()->isOpen());
        QVERIFY(link.buttonEnabled(CnLeft));
        QVERIFY(link.buttonEnabled(CnRight));
        const LookupState& lookup = state.CurrentProject.Lookup;
        QCOMPARE(lookup.SoilGroupAreas[1][2], std::string("1"));
        QCOMPARE(lookup.SoilGroupAreas[1][3], std::string("1"));
        QCOMPARE(lookup.LandUseAreas[1][10], std::string("2"));
        QVERIFY(lookup.LeftSoilGroupByFiltration);

        // The right slope starts with its own, empty entries.
        dialogs->openLookup(CnRight, false);
        dialogs->pathChoice()->filtrationButton->click();
        QCOMPARE(groups->grid->text(2, HspArea), QString());
        groups->closeButton->click();
        QVERIFY(link.buttonEnabled(CnLeft));
    }

    void noSoilGroupAreaIsWrongInput() {
        MessageRecorder recorder;
        dialogs->openLookup(CnLeft, true);
        dialogs->pathChoice()->filtrationButton->click();
        dialogs->soilGroups()->continueButton->click();
        QCOMPARE(recorder.last(), QStringLiteral("Špatné zadání"));
        QVERIFY(dialogs->soilGroups()->isVisible());
        QVERIFY(!dialogs->curveNumbers()->isVisible());
    }

    void curveNumberBelowFortyIsNotInserted() {
        dialogs->openLookup(CnLeft, true);
        dialogs->pathChoice()->filtrationButton->click();
        TypeIntoCell(dialogs->soilGroups()->grid, 2, HspArea, "3"); // only A
        dialogs->soilGroups()->continueButton->click();
        CnNumberTableDialog* numbers = dialogs->curveNumbers();
        QCOMPARE(numbers->category(), 1);
        TypeIntoCell(numbers->grid, 2, LandUseArea, "1");
        numbers->panel.compute->click();
        QCOMPARE(numbers->panel.value->text(), QStringLiteral("39.99"));
        QVERIFY(!numbers->panel.insert->isEnabled());
        numbers->grid->finishEditing();
        numbers->grid->setText(2, LandUseArea, QString());
        TypeIntoCell(numbers->grid, 3, LandUseArea, "1");
        numbers->panel.compute->click();
        QCOMPARE(numbers->panel.value->text(), QStringLiteral("40.00"));
        QVERIFY(numbers->panel.insert->isEnabled());
    }

    void areasThatDoNotAddUpToTheSlopeAreWarnedOf() {
        MessageRecorder recorder;
        link.fields[hydrim::EditAreaL] = QStringLiteral("2");
        dialogs->openLookup(CnLeft, true);
        dialogs->pathChoice()->filtrationButton->click();
        TypeIntoCell(dialogs->soilGroups()->grid, 3, HspArea, "1.5");
        dialogs->soilGroups()->continueButton->click();
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.messages.front().first, QMessageBox::Warning);
        QVERIFY(recorder.last().startsWith(
            QStringLiteral("Součet zadaných ploch (1.5 km²) neodpovídá ploše svahu (2 km²).")));
        CnNumberTableDialog* numbers = dialogs->curveNumbers();
        QVERIFY(numbers->isVisible()); // a warning, not a refusal
        TypeIntoCell(numbers->grid, 5, LandUseArea, "2");
        numbers->panel.compute->click();
        numbers->panel.insert->click();
        QCOMPARE(recorder.messages.size(), 1); // the land-use areas add up: nothing more to say
        QVERIFY(link.fields.contains(hydrim::EditCnL));
    }

    void zeroLandUseAreaIsWrongInput() {
        MessageRecorder recorder;
        dialogs->openLookup(CnLeft, true);
        dialogs->pathChoice()->filtrationButton->click();
        TypeIntoCell(dialogs->soilGroups()->grid, 3, HspArea, "1");
        dialogs->soilGroups()->continueButton->click();
        QVERIFY(recorder.messages.isEmpty()); // opening with no areas is quiet
        CnNumberTableDialog* numbers = dialogs->curveNumbers();
        TypeIntoCell(numbers->grid, 5, LandUseArea, "0");
        numbers->panel.compute->click();
        QCOMPARE(recorder.last(), QStringLiteral("Špatné zadání"));
        QVERIFY(!numbers->panel.insert->isEnabled());
        // The closing note row has no curve number and takes no area.
        QVERIFY(!numbers->grid->isCellEditable(52, LandUseArea));
    }

    void soilUnitWithAlternativeIsDecidedFirst() {
        MessageRecorder recorder;
        dialogs->openLookup(CnLeft, true);
        dialogs->pathChoice()->soilUnitsButton->click();
        CnSoilUnitDialog* units = dialogs->soilUnits();
        CnSoilGroupDialog* groups = dialogs->soilGroups();
        QVERIFY(units->isVisible());
        QCOMPARE(units->groupText(5), QStringLiteral("B (C)"));

        TypeIntoCell(units->grid, 5, UnitArea, "2");
        QCoreApplication::processEvents(); // the area is refused once the grid's editor has closed
        QCOMPARE(recorder.last(), QStringLiteral("Nejdříve vyber půdní skupinu!!"));
        QCOMPARE(recorder.messages.back().first, QMessageBox::Warning);
        QCOMPARE(units->areaText(5), QString());
        QVERIFY(groups->isVisible());
        QVERIFY(groups->inDecisionMode());
        QVERIFY(groups->decisionPanel->isVisible());
        QVERIFY(!groups->continueButton->isVisible());
        QVERIFY(!groups->radio(0)->isEnabled());
        QVERIFY(groups->radio(1)->isEnabled());
        QVERIFY(groups->radio(2)->isEnabled());
        QVERIFY(!groups->radio(3)->isEnabled());

        groups->radio(2)->click();
        QCOMPARE(units->groupText(5), QStringLiteral("C"));
        groups->decisionCloseButton->click();
        QVERIFY(!groups->isVisible());
        QVERIFY(units->isVisible());

        TypeIntoCell(units->grid, 5, UnitArea, "2");
        units->grid->finishEditing();
        QCOMPARE(units->areaText(5), QStringLiteral("2"));
        TypeIntoCell(units->grid, 6, UnitArea, "2");
        units->continueButton->click(); // m = (3·2 + 3.5·2) / 4 = 3.25 -> C
        QVERIFY(dialogs->curveNumbers()->isVisible());
        QCOMPARE(dialogs->curveNumbers()->category(), 5);

        dialogs->curveNumbers()->backButton->click(); // back to the soil units
        QVERIFY(units->isVisible());
        QCOMPARE(units->groupText(5), QStringLiteral("C"));
        // Reopening the decision shows the choice made.
        dialogs->wizard()->closeAll();
        QVERIFY(link.buttonEnabled(CnLeft));
    }

    void soilUnitWithoutGroupTakesNoArea() {
        MessageRecorder recorder;
        dialogs->openLookup(CnLeft, true);
        dialogs->pathChoice()->soilUnitsButton->click();
        CnSoilUnitDialog* units = dialogs->soilUnits();
        TypeIntoCell(units->grid, 7, UnitArea, "1");
        QCoreApplication::processEvents(); // the area is refused once the grid's editor has closed
        QVERIFY(!recorder.messages.isEmpty());
        QVERIFY(recorder.last().contains(QStringLiteral("05")));
        QCOMPARE(units->areaText(7), QString());
        QVERIFY(!dialogs->soilGroups()->isVisible());

        // An area that arrives without a group (a project file) is refused
        // when computing, not weighted with another unit's group.
        units->grid->setText(3, UnitArea, QStringLiteral("1"));
        units->grid->setText(7, UnitArea, QStringLiteral("1"));
        units->continueButton->click();
        QVERIFY(recorder.last().contains(QStringLiteral("nemá určenou hydrologickou skupinu")));
        QVERIFY(!dialogs->curveNumbers()->isVisible());
    }

    void entriesTravelThroughTheProjectFile() {
        dialogs->openLookup(CnRight, false);
        dialogs->pathChoice()->soilUnitsButton->click();
        CnSoilUnitDialog* units = dialogs->soilUnits();
        TypeIntoCell(units->grid, 4, UnitArea, "1.5");
        units->continueButton->click(); // A - B only -> category 2
        CnNumberTableDialog* numbers = dialogs->curveNumbers();
        TypeIntoCell(numbers->grid, 20, LandUseArea, "3");
        numbers->panel.compute->click();
        numbers->panel.insert->click();
        QCOMPARE(link.fields.value(EditCnR), QStringLiteral("65.00"));
        QVERIFY(!state.CurrentProject.Lookup.RightSoilGroupByFiltration);
        QVERIFY(state.CurrentProject.Lookup.LeftSoilGroupByFiltration);

        const std::string file = dir.filePath(QStringLiteral("projekt.snp")).toStdString();
        QCOMPARE(WriteProjectFile(file, state.CurrentProject).Message, std::string());
        AppState reloaded;
        reloaded.Reference = state.Reference;
        QVERIFY(ReadProjectFile(file, reloaded.CurrentProject).ok());
        StubLink reloadedLink;
        LookupDialogs again(reloaded, dir.path().toStdString(), nullptr);
        again.attachLink(&reloadedLink);
        again.openLookup(CnRight, false);
        QVERIFY(again.pathChoice()->soilUnitsButton->hasFocus() || !again.pathChoice()->isActiveWindow());
        again.pathChoice()->soilUnitsButton->click();
        QCOMPARE(again.soilUnits()->areaText(4), QStringLiteral("1.5"));
        QCOMPARE(again.soilUnits()->groupText(5), QStringLiteral("B (C)"));
        again.soilUnits()->continueButton->click();
        QCOMPARE(again.curveNumbers()->areaText(20), QStringLiteral("3"));
        QCOMPARE(again.curveNumbers()->panel.value->text(), QStringLiteral("65.00"));
    }
};

QTEST_MAIN(CurveNumberWizardTest)
#include "test_dialog_curvenumber.moc"
