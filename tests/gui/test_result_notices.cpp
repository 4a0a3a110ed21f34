// The warnings of a computation and the out-of-date mark in the result
// windows, and what the program says when it opens a file it cannot take as
// it is: values refused or corrected, items missing, lines it cannot read.
#include "MainWindowTestSupport.h"

#include "core/Engine.h"
#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"
#include "core/results/WarningLists.h"
#include "gui/common/ResultNotice.h"
#include "gui/results/Tabulka.h"
#include "gui/results/TabulkaV1.h"
#include "gui/views/TGrafV1_f.h"
#include "gui/views/TVypisDatV1_f.h"

#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>

using namespace hydrim;
using namespace hydrim::gui;
using namespace hydrim::gui::testing;

namespace {

const std::string DataDir = HYDRIM_SOURCE_DIR "/DATA";

Warnings SomeWarnings() {
    return {{"hydrograph-volume", "Hydrogram levého svahu pro N = 5 let nenese objem odtoku.",
             WarningSubject::LeftSlope, 5},
            {"long-rain", "Déšť pro N = 100 let je delší než 1 den.", WarningSubject::Catchment, 100},
            {"plausibility", "Sklon svahu je mimo obvyklý rozsah.", WarningSubject::LeftSlope, 0},
            {"design-rain-capped", "Návrhový déšť je omezen na 300 min.", WarningSubject::LeftSlope, 0,
             WarningSeverity::Note}};
}

// A project file holding the example with some of its texts replaced.
QString WrittenVariant(const QString& path, const std::function<void(Project&)>& change) {
    Project project;
    if (!ReadProjectFile(ExampleProject("variant1-one-slope.snp").toStdString(), project).ok())
        return {};
    change(project);
    return WriteProjectFile(path.toStdString(), project).Message.empty() ? path : QString();
}

} // namespace

class TestResultNotices : public QObject {
    Q_OBJECT
private slots:
    void warningsShowBelowTablesAndBesideTheirHydrographs();
    void changedInputsMarkTheResultsUntilTheNextComputation();
    void openingListsTheValuesTheWindowRefusedOrCorrected();
    void openingADamagedFileSaysWhatItLackedOrAsksAgain();
    void fallingRainfallIsWarnedOfOnLeavingTheField();
};

void TestResultNotices::warningsShowBelowTablesAndBesideTheirHydrographs() {
    Computation computation =
        LoadAndCompute(ExampleProject("variant1-two-slopes.snp").toStdString(), DataDir);
    QVERIFY(computation.hasResults());
    AppState& state = *computation.State;
    state.BaseDir = HYDRIM_SOURCE_DIR; // the layouts of the shipped DATA

    state.Warnings.clear();
    Error layoutError;
    TTabulkaV1_f quiet(ResultGrids(state, DataDir, layoutError), ResultWarnings(state), QFont());
    QVERIFY(quiet.notice()->isHidden());

    state.Warnings = SomeWarnings();
    TTabulkaV1_f table(ResultGrids(state, DataDir, layoutError), ResultWarnings(state), QFont());
    QVERIFY(!table.notice()->isHidden());
    QCOMPARE(table.notice()->warningTexts().size(), 4);
    // The warnings under their label, the note apart under its own.
    const QString warned = table.notice()->warningsLabel()->text();
    QVERIFY(warned.startsWith(QStringLiteral("Upozornění:\n• Hydrogram")) &&
            !warned.contains(QStringLiteral("300 min")));
    QCOMPARE(table.notice()->notesLabel()->text(),
             QStringLiteral("Poznámka:\n• Návrhový déšť je omezen na 300 min."));
    QVERIFY(!table.notice()->notesLabel()->isHidden());
    QVERIFY(table.notice()->outOfDateLabel()->isHidden());

    // The chart and the time series show the warnings of their return period.
    TGrafV1_f chart(state);
    QCOMPARE(chart.notice()->warningTexts(),
             QStringList({QString::fromStdString(SomeWarnings()[0].Message),
                          QString::fromStdString(SomeWarnings()[2].Message),
                          QString::fromStdString(SomeWarnings()[3].Message)}));
    chart.tabBar()->setCurrentIndex(4); // N = 100
    QCOMPARE(chart.notice()->warnings(), WarningsOfReturnPeriod(SomeWarnings(), 100));
    QVERIFY(chart.notice()->warningsLabel()->text().startsWith(QStringLiteral("Upozornění: Déšť")));
    QCOMPARE(chart.notice()->notesLabel()->text(),
             QStringLiteral("Poznámka: Návrhový déšť je omezen na 300 min."));
    TVypisDatV1_f series(state);
    series.tabBar()->setCurrentIndex(1); // N = 10
    QCOMPARE(series.notice()->warnings(), (Warnings{SomeWarnings()[2], SomeWarnings()[3]}));
    QVERIFY(!series.notice()->isHidden());

    // Notes alone: no "Upozornění" in the window.
    state.Warnings = {SomeWarnings()[3]};
    TTabulkaV1_f noted(ResultGrids(state, DataDir, layoutError), ResultWarnings(state), QFont());
    QVERIFY(!noted.notice()->isHidden());
    QVERIFY(noted.notice()->warningsLabel()->isHidden());
    QVERIFY(!noted.notice()->notesLabel()->isHidden());

    Computation variant2 = LoadAndCompute(ExampleProject("variant2-one-slope.snp").toStdString(), DataDir);
    QVERIFY(variant2.hasResults());
    variant2.State->Warnings = {SomeWarnings()[2]};
    variant2.State->BaseDir = HYDRIM_SOURCE_DIR;
    TTabulka1 table2(Variant23Grid(*variant2.State, DataDir, layoutError), ResultWarnings(*variant2.State),
                     QFont());
    QCOMPARE(table2.notice()->warningTexts(), QStringList{QString::fromStdString(SomeWarnings()[2].Message)});
}

void TestResultNotices::changedInputsMarkTheResultsUntilTheNextComputation() {
    StartedFixture f;
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant1-two-slopes.snp")),
             THlavni::OpenResult::Opened);
    f.main().computeProject();
    ResultWindows& results = f.main().resultWindows();
    f.main().MenuGraf1Click();
    ResultNotice* table = NoticeOf(results.window(ResultKind::Table, true));
    ResultNotice* chart = NoticeOf(results.window(ResultKind::Chart, true));
    QVERIFY(table && chart);
    QVERIFY(!table->isOutOfDate() && !chart->isOutOfDate());

    // The identification and the description modify the project but are no
    // input of the computation.
    QVERIFY(!f.main().isModified());
    QTest::keyClicks(f.projekt()->edit(EditIdentificationFirst), QStringLiteral("4-16-01-0120"));
    QVERIFY(f.main().isModified());
    f.projekt()->memo()->setPlainText(QStringLiteral("jiný popis"));
    QVERIFY(!table->isOutOfDate());

    f.projekt()->edit(EditAreaL)->setText(QStringLiteral("0.5"));
    QVERIFY(table->isOutOfDate() && chart->isOutOfDate());
    QVERIFY(!table->isHidden() && !table->outOfDateLabel()->isHidden());
    QCOMPARE(table->outOfDateLabel()->text(), QStringLiteral("Výsledky neodpovídají zadání – přepočítejte"));
    QCOMPARE(table->shownWarnings().front().Message, OutOfDateMessage);
    // A window opened from the old results is marked too.
    f.main().Casoverady1Click();
    QVERIFY(NoticeOf(results.window(ResultKind::TimeSeries, true))->isOutOfDate());

    f.main().computeProject();
    QVERIFY(!NoticeOf(results.window(ResultKind::Table, true))->isOutOfDate());
    // A lookup dialog writes its value as typing would.
    f.projekt()->setFieldText(EditCnL, QStringLiteral("81"));
    QVERIFY(NoticeOf(results.window(ResultKind::Table, true))->isOutOfDate());
}

void TestResultNotices::openingListsTheValuesTheWindowRefusedOrCorrected() {
    StartedFixture f;
    const QString file = WrittenVariant(f.path(QStringLiteral("spatne.snp")), [](Project& project) {
        project.Rainfall.Texts[2] = "9999999";
        project.Texts.Edit[EditCnL] = "120";
        project.Texts.Edit[EditSlopeL] = "-5";
        project.Texts.Edit[EditRoughnessL] = "1e400";
        project.Texts.Edit[EditAreaL] = "nan";
    });
    QVERIFY(!file.isEmpty());
    SeenMessage seen;
    ModalScript script({Answer(QMessageBox::Ok, &seen)});
    QCOMPARE(f.main().openProjectFile(file), THlavni::OpenResult::Opened);
    QVERIFY(script.finished());
    QCOMPARE(seen.icon, QMessageBox::Warning);
    for (const char* line : {"Číslo CN křivky [40-100]: načteno \"120\", použito \"100\".",
                             "Sklon svahu [%]: načteno \"-5\", hodnota odmítnuta",
                             "Drsnost γ [s]: načteno \"1e400\", hodnota odmítnuta",
                             "N = 10 [mm]: načteno \"9999999\", použito \"500\"."}) {
        QVERIFY2(seen.text.contains(QString::fromUtf8(line)), line);
    }
    QCOMPARE(f.projekt()->edit(EditCnL)->text(), QStringLiteral("100"));
    QCOMPARE(f.projekt()->edit(EditSlopeL)->text(), QString());
    QCOMPARE(f.projekt()->edit(EditRoughnessL)->text(), QString());
    QCOMPARE(f.projekt()->edit(EditRain10)->text(), QStringLiteral("500"));
    QVERIFY(!f.projekt()->computeButton()->isEnabled());
    QVERIFY(f.main().isModified());

    // An ordinary file opens without a word.
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant1-one-slope.snp")), THlavni::OpenResult::Opened);
    QVERIFY(!f.main().isModified());
}

void TestResultNotices::openingADamagedFileSaysWhatItLackedOrAsksAgain() {
    StartedFixture f;
    QFile example(ExampleProject("variant1-two-slopes.snp"));
    QVERIFY(example.open(QIODevice::ReadOnly));
    const QString cut = f.path(QStringLiteral("cut.snp"));
    QFile cutFile(cut);
    QVERIFY(cutFile.open(QIODevice::WriteOnly));
    cutFile.write(example.read(200));
    cutFile.close();
    SeenMessage seen;
    ModalScript script({Answer(QMessageBox::Ok, &seen)});
    QCOMPARE(f.main().openProjectFile(cut), THlavni::OpenResult::Opened);
    QVERIFY(script.finished());
    QVERIFY2(seen.text.contains(QStringLiteral("Chybějící položky byly doplněny prázdné:")),
             qPrintable(seen.text));
    QVERIFY(seen.text.contains(QStringLiteral("plochy druhů pozemků")));

    // A line that cannot be read is quoted short and printable, and the
    // open dialog comes back as after a file of the wrong type.
    const QString garbage = f.path(QStringLiteral("garbage.snp"));
    QFile garbageFile(garbage);
    QVERIFY(garbageFile.open(QIODevice::WriteOnly));
    garbageFile.write("SPIKA NP File\r\n\x07\x1b" + QByteArray(300, 'x') + "\r\n");
    garbageFile.close();
    SeenMessage error;
    ModalScript again({ChooseFile(garbage), Answer(QMessageBox::Ok, &error), ChooseFile(QString())});
    f.main().Otevri1Click();
    QVERIFY(again.finished());
    QCOMPARE(error.icon, QMessageBox::Critical);
    QVERIFY2(error.text.contains(QStringLiteral("\"??xxx")), qPrintable(error.text));
    QVERIFY(error.text.size() < 300);
}

void TestResultNotices::fallingRainfallIsWarnedOfOnLeavingTheField() {
    StartedFixture f;
    TProjekt1* projekt = f.projekt();
    projekt->comboBox(1)->setCurrentIndex(0);
    projekt->comboBox(2)->setCurrentIndex(0);
    QTest::keyClicks(projekt->edit(EditRainN), QStringLiteral("75"));
    QTest::keyClicks(projekt->edit(EditRain10), QStringLiteral("50"));
    SeenMessage seen;
    ModalScript script({Answer(QMessageBox::Ok, &seen)});
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(projekt->edit(EditRain10), &out);
    QTRY_VERIFY(script.finished());
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QVERIFY2(seen.text.contains(QStringLiteral("N = 10 let (50 mm) je menší než pro N = 5 let (75 mm)")),
             qPrintable(seen.text));
    // The values stay as typed: the warning does not correct them.
    QCOMPARE(projekt->edit(EditRain10)->text(), QStringLiteral("50"));
}

QTEST_MAIN(TestResultNotices)
#include "test_result_notices.moc"
