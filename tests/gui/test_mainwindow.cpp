// The main window driven as a user drives it: the start, the menus and tool
// buttons and their states, the project file commands with their questions,
// and closing the program.
#include "MainWindowTestSupport.h"

#include "core/project/Startup.h"
#include "gui/app/AboutWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPrinterInfo>
#include <QSet>

using namespace hydrim;
using namespace hydrim::gui;
using namespace hydrim::gui::testing;

namespace {

QString ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll());
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// The options of a start in workingDir with the user's decimal separator,
// opening projectFile when one is named.
StartOptions OptionsFor(const QString& workingDir, const QString& decimalPoint = QStringLiteral("."),
                        const QString& projectFile = QString()) {
    StartOptions options;
    options.workingDir = workingDir.toStdString();
    options.localeDecimalPoint = decimalPoint;
    options.projectFile = projectFile;
    return options;
}

// What a start that stops shows: its one message, answered with OK.
struct StoppedStart {
    bool stopped = false;
    bool answered = false;
    bool windowCreated = false;
    SeenMessage seen;
};

StoppedStart StartThatStops(const StartOptions& options) {
    AppState state;
    StartedProgram program;
    StoppedStart start;
    ModalScript script({Answer(QMessageBox::Ok, &start.seen)});
    start.stopped = !StartProgram(state, options, program);
    start.answered = script.finished();
    start.windowCreated = program.mainWindow != nullptr;
    return start;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startCreatesDirectoriesAndShowsAnEmptyProject();
    void menuCommandsWaitForResultsAndShortcutsReachThem();
    void toolButtonsHaveTheirHints();
    void startKeepsTheUsersDataFiles();
    void firstStartCopiesOnlyTheShippedTables();
    void startStopsWithoutParTable();
    void startStopsOnABadDecimalSeparator();
    void startStopsInARootDirectory();
    void startOpensTheProjectNamedOnTheCommandLine();
    void openingAWrongFileKeepsTheProjectAndAsksAgain();
    void openingADamagedFileKeepsTheProject();
    void typingMarksTheProjectModified();
    void saveAsWritesTheFileAndClearsTheMark();
    void saveOfANamedProjectWritesSilently();
    void failedSaveKeepsTheProjectModified();
    void newAsksToSaveAModifiedProject();
    void newStopsWhenTheWantedSaveIsCancelled();
    void closingTheInputWindowAsksAndDisablesItsCommands();
    void cancellingTheQuestionKeepsTheWindowsOpen();
    void newRecreatesAClosedInputWindowWithoutAsking();
    void closingTheProgramWritesTheProjectDirectory();
    void tableCommandNeedsCompleteInputs();
    void printerCommandsWithoutPrinterSaySo();
    void tableFontIsChosenForNewTables();
    void aboutWindowShowsTheVersion();
    void startIsQuick();
};

void TestMainWindow::startCreatesDirectoriesAndShowsAnEmptyProject() {
    StartedFixture f;
    QVERIFY(f.started);
    QCOMPARE(f.main().windowTitle(), QStringLiteral("Hydrim-SPIKA"));
    QVERIFY(QDir(f.path(QStringLiteral("PROJEKTY"))).exists());
    QVERIFY(QFile::exists(f.path(QStringLiteral("DATA/par.tab"))));
    QVERIFY(QFile::exists(f.path(QStringLiteral("DATA/VarTab7.tab"))));
    QCOMPARE(QString::fromStdString(f.state.ProjectDir),
             QDir::toNativeSeparators(f.path(QStringLiteral("PROJEKTY"))));
    QVERIFY(f.projekt());
    QCOMPARE(f.projekt()->windowTitle(), QStringLiteral("Nepojmenovaný projekt"));
    QVERIFY(!f.projekt()->computeButton()->isVisible());
    QVERIFY(!f.main().isModified());
    QCOMPARE(f.main().mdiArea()->subWindowList().size(), 1);
    // par.tab was read: a coefficient of the published table is in place.
    QVERIFY(f.state.Par.at(3, 1)[0] != 0);
}

void TestMainWindow::menuCommandsWaitForResultsAndShortcutsReachThem() {
    StartedFixture f;
    THlavni& main = f.main();
    const auto item = [&main](const char* name) { return main.menuItem(QString::fromLatin1(name)); };
    // Before a computation there is nothing to print, chart or list, and the
    // window menu names only the open input window; "&Edituj" serves the
    // time-series window only.
    for (const char* name : {"TiskTab1", "Tiskgrafu1", "MenuGraf1", "Casoverady1"})
        QVERIFY2(!item(name)->isEnabled(), name);
    for (const char* name : {"N2Tabulka1", "N3Graf1", "N4Casoverady1", "N1Hydrogram", "N2Hydrogram"})
        QVERIFY2(!item(name)->isVisible(), name);
    QVERIFY(item("N1Projekt1")->isChecked());
    QVERIFY(!main.editMenu()->isEnabled());

    // Each shortcut belongs to one command only.
    QSet<QKeySequence> shortcuts;
    int withShortcut = 0;
    for (QAction* action : main.findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty()) {
            shortcuts.insert(action->shortcut());
            ++withShortcut;
        }
    }
    QCOMPARE(shortcuts.size(), withShortcut);

    // Ctrl+G opens nothing without results; after a computation it opens
    // the chart and Ctrl+D the time series of the results.
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_G));
    QVERIFY(!main.resultWindows().isOpen(ResultKind::Chart, true));
    QCOMPARE(main.openProjectFile(ExampleProject("variant1-one-slope.snp")), THlavni::OpenResult::Opened);
    main.computeProject();
    QTRY_VERIFY(item("MenuGraf1")->isEnabled());
    QVERIFY(!main.resultWindows().isOpen(ResultKind::Chart, true));
    QVERIFY(!main.resultWindows().isOpen(ResultKind::TimeSeries, true));
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_G));
    QTRY_VERIFY(main.resultWindows().isOpen(ResultKind::Chart, true));
    QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_D));
    QTRY_VERIFY(main.resultWindows().isOpen(ResultKind::TimeSeries, true));
}

void TestMainWindow::toolButtonsHaveTheirHints() {
    StartedFixture f;
    const struct {
        int k;
        const char* hint;
        bool enabled;
        bool checkable;
    } buttons[] = {
        {1, "Otevři projekt", true, false},
        {2, "Nový projekt", true, false},
        {3, "Ulož projekt", false, false},
        {4, "Tisk výsledné tabulky", false, false},
        {7, "Zobrazí tabulku výstupů", false, true},
        {6, "Zoobrazí graf", false, true},
        {5, "Zobrazí časové řady", false, true},
        {8, "Export tabulky do MS Excelu", true, false},
        {9, "Export časových řad do MS Excelu", true, false},
    };
    for (const auto& b : buttons) {
        QToolButton* button = f.main().speedButton(b.k);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), QString::fromUtf8(b.hint));
        if (b.k < 8) // the hidden export buttons are disabled by their tool bar
            QCOMPARE(button->isEnabled(), b.enabled);
        QCOMPARE(button->isCheckable(), b.checkable);
    }
    QVERIFY(!f.main().speedButton(8)->isVisible());
    QVERIFY(!f.main().speedButton(9)->isVisible());
}

void TestMainWindow::startKeepsTheUsersDataFiles() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("DATA")));
    WriteAll(dir.filePath(QStringLiteral("DATA/Gama.tab")), "my own table\r\n");
    AppState state;
    StartedProgram program;
    QVERIFY(StartProgram(state, OptionsFor(dir.path(), QStringLiteral(",")), program));
    QCOMPARE(ReadAll(dir.filePath(QStringLiteral("DATA/Gama.tab"))), QStringLiteral("my own table\r\n"));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("DATA/par.tab"))));
    QCOMPARE(state.LocaleDecimalSeparator, ',');
    QCOMPARE(state.InputDecimalSeparator, '.');
}

void TestMainWindow::firstStartCopiesOnlyTheShippedTables() {
    // An installation whose DATA holds, beside its tables, what a run of the
    // program left there: its settings, its recent projects and a backup.
    QTemporaryDir dir;
    const QDir root(dir.path());
    QVERIFY(root.mkpath(QStringLiteral("bin")) && root.mkpath(QStringLiteral("share/hydrim/DATA")) &&
            root.mkpath(QStringLiteral("share/hydrim/examples")));
    for (const QString& table : QDir(QStringLiteral(HYDRIM_SOURCE_DIR "/DATA")).entryList({"*.tab"}))
        QVERIFY(QFile::copy(QStringLiteral(HYDRIM_SOURCE_DIR "/DATA/") + table,
                            root.filePath(QStringLiteral("share/hydrim/DATA/") + table)));
    for (const char* leftOver : {"ADRES.CFG", "POSLEDNI.CFG", "Gama.tab.bak"})
        WriteAll(root.filePath(QStringLiteral("share/hydrim/DATA/") + leftOver), "/home/someone/else.snp\n");
    QVERIFY(QFile::copy(ExampleProject("variant1-one-slope.snp"),
                        root.filePath(QStringLiteral("share/hydrim/examples/variant1-one-slope.snp"))));
    WriteAll(root.filePath(QStringLiteral("share/hydrim/examples/notes.txt")), "not a project\n");

    StartOptions options = OptionsFor(root.filePath(QStringLiteral("work")));
    QVERIFY(root.mkpath(QStringLiteral("work")));
    options.executableDir = root.filePath(QStringLiteral("bin")).toStdString();
    AppState state;
    StartedProgram program;
    QVERIFY(StartProgram(state, options, program));
    const QStringList copied = QDir(root.filePath(QStringLiteral("work/DATA"))).entryList(QDir::Files);
    QCOMPARE(copied, QDir(root.filePath(QStringLiteral("share/hydrim/DATA"))).entryList({"*.tab"}));
    QCOMPARE(QDir(root.filePath(QStringLiteral("work/PROJEKTY"))).entryList(QDir::Files),
             QStringList({QStringLiteral("variant1-one-slope.snp")}));
    QCOMPARE(QString::fromStdString(state.ProjectDir),
             QDir::toNativeSeparators(root.filePath(QStringLiteral("work/PROJEKTY"))));
    QVERIFY(program.mainWindow->recentFiles().isEmpty());
}

void TestMainWindow::startStopsWithoutParTable() {
    QTemporaryDir dir;
    // A directory where the table should be cannot be read as the table.
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("DATA/par.tab")));
    const StoppedStart start = StartThatStops(OptionsFor(dir.path()));
    QVERIFY(start.stopped && start.answered);
    QCOMPARE(start.seen.icon, QMessageBox::Critical);
    QVERIFY2(start.seen.text.contains(QStringLiteral("par.tab")), qPrintable(start.seen.text));
}

void TestMainWindow::startStopsOnABadDecimalSeparator() {
    QTemporaryDir dir;
    const StoppedStart start = StartThatStops(OptionsFor(dir.path(), QStringLiteral("'")));
    QVERIFY(start.stopped && start.answered);
    QCOMPARE(start.seen.text, QStringLiteral("Nastav si správný oddělovač desetinných čísel!"));
    QCOMPARE(start.seen.icon, QMessageBox::Critical);
}

void TestMainWindow::startStopsInARootDirectory() {
    const StoppedStart start = StartThatStops(OptionsFor(QStringLiteral("/")));
    QVERIFY(start.stopped && start.answered);
    QVERIFY(
        start.seen.text.startsWith(QStringLiteral("Tento program nelze spouštět z kořenového adresáře. ")));
    QVERIFY(!start.windowCreated);
}

void TestMainWindow::startOpensTheProjectNamedOnTheCommandLine() {
    QTemporaryDir dir;
    AppState state;
    const StartOptions options =
        OptionsFor(dir.path(), QStringLiteral("."), ExampleProject("variant2-one-slope.snp"));
    StartedProgram program;
    QVERIFY(StartProgram(state, options, program));
    TProjekt1* projekt = program.mainWindow->projekt();
    QCOMPARE(projekt->windowTitle(), QDir::toNativeSeparators(options.projectFile));
    QCOMPARE(projekt->comboBox(2)->currentIndex(), 1);
    QVERIFY(!program.mainWindow->isModified());
}

void TestMainWindow::openingAWrongFileKeepsTheProjectAndAsksAgain() {
    StartedFixture f;
    const QString wrong = f.path(QStringLiteral("wrong.snp"));
    WriteAll(wrong, "This is not a project\r\n1\r\n");
    QTest::keyClicks(f.projekt()->edit(5), QStringLiteral("2.5"));
    const QString before = f.projekt()->edit(5)->text();

    SeenMessage ask, wrongType;
    ModalScript script({Answer(QMessageBox::No, &ask), ChooseFile(wrong), Answer(QMessageBox::Ok, &wrongType),
                        ChooseFile(QString())});
    f.main().Otevri1Click();
    QVERIFY(script.finished());
    QCOMPARE(ask.text, QStringLiteral("Uložit provedené změny do projektu?"));
    QCOMPARE(wrongType.text, QStringLiteral("Nesprávný typ souboru!!"));
    QCOMPARE(wrongType.icon, QMessageBox::Critical);
    QCOMPARE(f.projekt()->edit(5)->text(), before);
    QCOMPARE(f.projekt()->windowTitle(), QStringLiteral("Nepojmenovaný projekt"));
    QVERIFY(f.main().isModified());
    // The dialog's directory becomes the project directory.
    QCOMPARE(QString::fromStdString(f.state.ProjectDir), QDir::toNativeSeparators(f.dir.path()));
}

void TestMainWindow::openingADamagedFileKeepsTheProject() {
    StartedFixture f;
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant1-two-slopes.snp")),
             THlavni::OpenResult::Opened);
    const QString area = f.projekt()->edit(10)->text();
    const QString damaged = f.path(QStringLiteral("damaged.snp"));
    WriteAll(damaged, "SPIKA NP File\r\nnot a number\r\n");
    SeenMessage seen;
    ModalScript script({Answer(QMessageBox::Ok, &seen)});
    QCOMPARE(f.main().openProjectFile(damaged), THlavni::OpenResult::Failed);
    QVERIFY(script.finished());
    QVERIFY2(seen.text.contains(QStringLiteral("damaged.snp")), qPrintable(seen.text));
    QCOMPARE(f.projekt()->edit(10)->text(), area);
    QCOMPARE(f.projekt()->windowTitle(), QDir::toNativeSeparators(ExampleProject("variant1-two-slopes.snp")));
}

void TestMainWindow::typingMarksTheProjectModified() {
    StartedFixture f;
    QVERIFY(!f.main().speedButton(3)->isEnabled());
    f.projekt()->comboBox(1)->setCurrentIndex(0);
    QVERIFY(f.main().speedButton(3)->isEnabled());
    QVERIFY(f.main().windowTitle().endsWith(QLatin1Char('*')));
}

void TestMainWindow::saveAsWritesTheFileAndClearsTheMark() {
    StartedFixture f;
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant1-two-slopes.snp")),
             THlavni::OpenResult::Opened);
    f.projekt()->edit(5)->setText(QStringLiteral("3.25"));
    QVERIFY(f.main().isModified());

    const QString chosen = f.path(QStringLiteral("PROJEKTY/Horni potok"));
    ModalScript script({ChooseFile(chosen)});
    QVERIFY(f.main().Ulozjako1Click());
    QVERIFY(script.finished());
    const QString written = chosen + QStringLiteral(".snp"); // the default suffix
    QVERIFY(QFile::exists(written));
    QCOMPARE(f.projekt()->windowTitle(), QDir::toNativeSeparators(written));
    QVERIFY(!f.main().isModified());
    QCOMPARE(f.main().windowTitle(), QStringLiteral("Hydrim-SPIKA"));

    // Reading it back gives the same fields.
    f.main().Novy1Click();
    QVERIFY(f.projekt()->edit(5)->text().isEmpty());
    QCOMPARE(f.main().openProjectFile(written), THlavni::OpenResult::Opened);
    QCOMPARE(f.projekt()->edit(5)->text(), QStringLiteral("3.25"));
    QCOMPARE(f.projekt()->comboBox(1)->currentIndex(), 1);
}

void TestMainWindow::saveOfANamedProjectWritesSilently() {
    StartedFixture f;
    const QString copy = f.path(QStringLiteral("copy.snp"));
    QVERIFY(QFile::copy(ExampleProject("variant3-one-slope.snp"), copy));
    QCOMPARE(f.main().openProjectFile(copy), THlavni::OpenResult::Opened);
    f.projekt()->edit(6)->setText(QStringLiteral("7.5"));
    ModalScript script({}); // no dialog may appear
    QVERIFY(f.main().Uloz1Click());
    QVERIFY(!f.main().isModified());
    QVERIFY(ReadAll(copy).contains(QStringLiteral("\r\n7.5\r\n")));
}

void TestMainWindow::failedSaveKeepsTheProjectModified() {
    StartedFixture f;
    f.projekt()->edit(5)->setText(QStringLiteral("1.5"));
    SeenMessage seen;
    ModalScript script({Answer(QMessageBox::Ok, &seen)});
    QVERIFY(!f.main().saveProjectTo(f.path(QStringLiteral("missing/dir/a.snp"))));
    QVERIFY(script.finished());
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QVERIFY(!seen.text.isEmpty());
    QVERIFY(f.main().isModified());
    QCOMPARE(f.projekt()->windowTitle(), QStringLiteral("Nepojmenovaný projekt"));
}

void TestMainWindow::newAsksToSaveAModifiedProject() {
    StartedFixture f;
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant2-two-slopes.snp")),
             THlavni::OpenResult::Opened);
    f.projekt()->edit(5)->setText(QStringLiteral("4"));
    SeenMessage seen;
    ModalScript script({Answer(QMessageBox::No, &seen)});
    f.main().Novy1Click();
    QVERIFY(script.finished());
    QCOMPARE(seen.text, QStringLiteral("Uložit provedené změny do projektu?"));
    QVERIFY(seen.title.isEmpty());
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(f.projekt()->windowTitle(), QStringLiteral("Nepojmenovaný projekt"));
    QVERIFY(f.projekt()->edit(5)->text().isEmpty());
    QCOMPARE(f.projekt()->comboBox(1)->currentIndex(), -1);
    QVERIFY(!f.main().isModified());

    // Not modified: no question.
    ModalScript none({});
    f.main().Novy1Click();
    QCOMPARE(none.done(), size_t(0));
}

void TestMainWindow::newStopsWhenTheWantedSaveIsCancelled() {
    StartedFixture f;
    f.projekt()->edit(5)->setText(QStringLiteral("4"));
    ModalScript script({Answer(QMessageBox::Yes), ChooseFile(QString())});
    f.main().Novy1Click();
    QVERIFY(script.finished());
    // The user wanted the work kept: nothing was discarded.
    QCOMPARE(f.projekt()->edit(5)->text(), QStringLiteral("4"));
    QVERIFY(f.main().isModified());
}

void TestMainWindow::closingTheInputWindowAsksAndDisablesItsCommands() {
    StartedFixture f;
    f.projekt()->edit(5)->setText(QStringLiteral("4"));
    SeenMessage seen;
    ModalScript script({Answer(QMessageBox::No, &seen)});
    f.main().Zavrit1Click();
    FlushClosedWindows();
    QVERIFY(script.finished());
    QCOMPARE(seen.text, QStringLiteral("Uložit provedené změny do projektu?"));
    QVERIFY(!f.projekt());
    for (const char* name : {"Zavrit1", "Uloz1", "Ulozjako1"})
        QVERIFY2(!f.main().menuItem(QString::fromLatin1(name))->isEnabled(), name);
    QVERIFY(!f.main().isModified());
    QVERIFY(!f.main().speedButton(7)->isEnabled());
}

namespace {

// A step that reads the question's button texts and then dismisses the box
// as a user would without choosing: Esc, or the title bar's close button.
ModalScript::Step Dismiss(bool escape, QStringList* buttonTexts) {
    return [escape, buttonTexts](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY2(box, "a message box was expected");
        for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
            QVERIFY(box->button(button));
            buttonTexts->append(box->button(button)->text().remove(QLatin1Char('&')));
        }
        if (escape)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
    };
}

} // namespace

void TestMainWindow::cancellingTheQuestionKeepsTheWindowsOpen() {
    StartedFixture f;
    f.projekt()->edit(5)->setText(QStringLiteral("4"));
    QStringList texts;
    {
        ModalScript script({Dismiss(true, &texts)});
        f.main().Zavrit1Click();
        FlushClosedWindows();
        QVERIFY(script.finished());
    }
    QCOMPARE(texts, QStringList({QStringLiteral("Ano"), QStringLiteral("Ne"), QStringLiteral("Storno")}));
    QVERIFY(f.projekt());
    QCOMPARE(f.projekt()->edit(5)->text(), QStringLiteral("4"));
    QVERIFY(f.main().isModified());

    // The program stays as well, whether Esc or the close button answers.
    for (bool escape : {true, false}) {
        ModalScript script({Dismiss(escape, &texts)});
        QVERIFY(!f.main().close());
        QVERIFY(script.finished());
        QVERIFY(f.main().isVisible());
        QVERIFY(f.projekt());
        QVERIFY(f.main().isModified());
    }
    ModalScript discard({Answer(QMessageBox::No)});
    QVERIFY(f.main().close());
    QVERIFY(discard.finished());
}

void TestMainWindow::newRecreatesAClosedInputWindowWithoutAsking() {
    StartedFixture f;
    f.main().Zavrit1Click();
    FlushClosedWindows();
    QVERIFY(!f.projekt());
    ModalScript none({});
    f.main().Novy1Click();
    QCOMPARE(none.done(), size_t(0));
    QVERIFY(f.projekt());
    QCOMPARE(f.projekt()->windowTitle(), QStringLiteral("Nepojmenovaný projekt"));
    QVERIFY(f.main().menuItem(QStringLiteral("Zavrit1"))->isEnabled());
    // Opening works into the new window as well.
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant1-one-slope.snp")), THlavni::OpenResult::Opened);
}

void TestMainWindow::closingTheProgramWritesTheProjectDirectory() {
    StartedFixture f;
    const QString elsewhere = f.path(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(elsewhere));
    QVERIFY(QFile::copy(ExampleProject("variant1-one-slope.snp"), elsewhere + QStringLiteral("/p.snp")));
    ModalScript script({ChooseFile(elsewhere + QStringLiteral("/p.snp"))});
    f.main().Otevri1Click();
    QVERIFY(script.finished());
    QVERIFY(f.main().close());
    const QString config = ReadAll(f.path(QStringLiteral("DATA/ADRES.CFG")));
    QCOMPARE(config, QDir::toNativeSeparators(elsewhere) + QStringLiteral("\r\n"));
}

void TestMainWindow::tableCommandNeedsCompleteInputs() {
    StartedFixture f;
    f.main().Timer1Timer();
    QVERIFY(!f.main().speedButton(7)->isEnabled());
    f.main().TabulkaM1Click();
    QVERIFY(!f.main().resultWindows().isOpen(ResultKind::Table, true));
    QVERIFY(!f.main().resultWindows().isOpen(ResultKind::Table, false));
    QCOMPARE(f.main().openProjectFile(ExampleProject("variant1-one-slope.snp")), THlavni::OpenResult::Opened);
    f.main().Timer1Timer();
    QVERIFY(f.main().speedButton(7)->isEnabled());
    QVERIFY(f.main().menuItem(QStringLiteral("TabulkaM1"))->isEnabled());
}

void TestMainWindow::printerCommandsWithoutPrinterSaySo() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("a printer is installed on this machine");
    StartedFixture f;
    // Printing itself goes through a preview, which needs no printer; the
    // printer set-up has nothing to offer.
    SeenMessage seen;
    ModalScript script({Answer(QMessageBox::Ok, &seen)});
    f.main().menuItem(QStringLiteral("Konfiguracetisku1"))->setEnabled(true);
    f.main().menuItem(QStringLiteral("Konfiguracetisku1"))->trigger();
    QVERIFY(script.finished());
    QCOMPARE(seen.text, QStringLiteral("Nejsou nainstalovány žádné tiskárny !!"));
    QCOMPARE(seen.icon, QMessageBox::Information);
}

void TestMainWindow::tableFontIsChosenForNewTables() {
    StartedFixture f;
    QCOMPARE(f.main().tableFont().pointSize(), 12);
    QFont chosen = f.main().tableFont();
    chosen.setPointSize(14);
    SeenMessage seen;
    ModalScript script({[chosen](QWidget* modal) {
                            auto* dialog = qobject_cast<QFontDialog*>(modal);
                            QVERIFY(dialog);
                            dialog->setCurrentFont(chosen);
                            dialog->accept();
                        },
                        Answer(QMessageBox::Ok, &seen)});
    f.main().Pismotabulky1Click();
    QVERIFY(script.finished());
    QCOMPARE(seen.text, QStringLiteral("Změna se projeví po vytvoření nové tabulky."));
    QCOMPARE(f.main().tableFont().pointSize(), 14);
}

void TestMainWindow::aboutWindowShowsTheVersion() {
    StartedFixture f;
    QVERIFY(!f.main().aboutWindow()->isVisible());
    f.main().menuItem(QStringLiteral("Oprogramu1"))->trigger();
    TOAplikaci* about = f.main().aboutWindow();
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QCOMPARE(about->windowTitle(), QStringLiteral("O Aplikaci"));
    QStringList texts;
    for (const QLabel* label : about->findChildren<QLabel*>())
        texts << label->text();
    QVERIFY(texts.contains(QStringLiteral("Hydrim - SPIKA, verze 6.0.4")));
    QVERIFY(texts.contains(QStringLiteral("Program pro výpočet maximálních\nprůtoků na malých povodích")));
}

void TestMainWindow::startIsQuick() {
    QTemporaryDir dir;
    AppState state;
    const StartOptions options =
        OptionsFor(dir.path(), QStringLiteral("."), ExampleProject("variant1-two-slopes.snp"));
    StartedProgram program;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(StartProgram(state, options, program));
    const QPixmap painted = program.mainWindow->grab();
    const qint64 elapsed = clock.elapsed();
    QVERIFY(!painted.isNull());
    // Measured, not asserted: the timing depends on the machine.
    qInfo("start with a first-start data copy and a project, painted: %lld ms",
          static_cast<long long>(elapsed));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
