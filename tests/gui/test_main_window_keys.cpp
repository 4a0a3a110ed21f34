// The main window's keys pressed as a user presses them: computing (F9, in
// step with the status bar and the compute button, and Alt+P, while Alt+V
// opens "&Výstupy"), Ctrl+T on an open table, F1 and
// Ctrl+Q. The copy keys are tried with the time-series window's commands.
#include "MainWindowTestSupport.h"

#include "gui/app/AboutDialog.h"
#include "gui/app/HelpWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

using namespace hydrim;
using namespace hydrim::gui;
using namespace hydrim::gui::testing;

namespace {

bool TableOpen(MainWindow& main) {
    return main.resultWindows().isOpen(ResultKind::Table, true);
}

QMenu* MenuTitled(MainWindow& main, const QString& title) {
    for (QAction* action : main.menuBar()->actions()) {
        if (action->menu() && action->menu()->title() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

void Activate(MainWindow& main) {
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
}

} // namespace

class TestMainWindowKeys : public QObject {
    Q_OBJECT
private slots:
    void statusBarButtonAndF9AgreeFromAnEmptyProject_data();
    void statusBarButtonAndF9AgreeFromAnEmptyProject();
    void computeKeysComputeAndAltVOpensTheMenu();
    void ctrlTBringsTheOpenTableForward();
    void f1ShowsTheUserGuideAndCtrlQEndsTheProgram();
};

void TestMainWindowKeys::statusBarButtonAndF9AgreeFromAnEmptyProject_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("catchmentType");
    QTest::newRow("Varianta I, dva svahy") << 0 << 1;
    QTest::newRow("Varianta II, jeden svah") << 1 << 0;
    QTest::newRow("Varianta II, dva svahy") << 1 << 1;
    QTest::newRow("Varianta III, dva svahy") << 2 << 1;
}

// A new project typed in field by field, the N list left on the "100" it
// shows: whenever the status bar says the inputs are complete the compute
// button is enabled, and the other way round; F9 then computes.
void TestMainWindowKeys::statusBarButtonAndF9AgreeFromAnEmptyProject() {
    QFETCH(int, variant);
    QFETCH(int, catchmentType);
    StartedFixture f;
    QVERIFY(f.started);
    ProjectInputWindow* inputWindow = f.inputWindow();
    auto* status = f.main().findChild<QLabel*>(QStringLiteral("InputStatus"));
    QAction* f9 = f.main().menuItem(QStringLiteral("Vypocitej1"));
    QVERIFY(status && f9);
    QCOMPARE(f9->shortcut(), QKeySequence(Qt::Key_F9));
    const auto agree = [&] {
        const bool complete = status->text().startsWith(QStringLiteral("Vstupní údaje jsou úplné"));
        return complete == inputWindow->computeButton()->isEnabled();
    };
    const auto type = [&](int k, const char* keys) {
        QTest::keyClicks(inputWindow->edit(k), QString::fromLatin1(keys));
        QVERIFY2(agree(), qPrintable(QStringLiteral("Edit%1: ").arg(k) + status->text()));
    };
    inputWindow->comboBox(1)->setCurrentIndex(catchmentType);
    inputWindow->comboBox(2)->setCurrentIndex(variant);
    QCOMPARE(inputWindow->comboBox(3)->currentText(), QStringLiteral("100"));
    type(5, "1.2");
    type(6, "2.5");
    if (variant == 0) {
        for (const auto& [k, rain] : {std::pair{8, "40"}, {24, "50"}, {25, "60"}, {26, "70"}, {9, "90"}}) {
            type(k, rain);
        }
    } else if (variant == 1) {
        type(8, "60");
        type(9, "60");
    }
    for (const auto& [k, value] : {std::pair{10, "0.8"}, {11, "8"}, {12, "0.12"}, {14, "85"}}) {
        type(k, value);
    }
    inputWindow->comboBox(4)->setCurrentIndex(1);
    if (catchmentType == 1) {
        for (const auto& [k, value] : {std::pair{17, "0.5"}, {18, "6"}, {19, "0.1"}, {21, "80"}}) {
            type(k, value);
        }
        inputWindow->comboBox(5)->setCurrentIndex(2);
    }
    if (variant >= 1) {
        type(15, "60");
    }
    if (variant == 2) {
        type(16, "1.2");
    }
    QVERIFY2(inputWindow->computeButton()->isEnabled(), qPrintable(status->text()));
    QVERIFY(agree());
    if (variant == 1) {
        // Another N and back: still in step.
        inputWindow->comboBox(3)->setCurrentIndex(4);
        QVERIFY(agree() && !inputWindow->computeButton()->isEnabled()); // no rain for N = 50 yet
        type(8, "55");
        QVERIFY(inputWindow->computeButton()->isEnabled());
        inputWindow->comboBox(3)->setCurrentIndex(5);
        QVERIFY(agree() && inputWindow->computeButton()->isEnabled());
    }
    f9->trigger();
    QVERIFY(f.main().resultWindows().isOpen(ResultKind::Table, variant == 0));
}

void TestMainWindowKeys::computeKeysComputeAndAltVOpensTheMenu() {
    StartedFixture f;
    MainWindow& main = f.main();
    QCOMPARE(main.openProjectFile(ExampleProject("variant1-one-slope.snp")), MainWindow::OpenResult::Opened);
    const auto closeTable = [&main] {
        main.resultWindows().close(ResultKind::Table, true);
        FlushClosedWindows();
        QVERIFY(!TableOpen(main));
    };
    // Alt+P clicks "Vy&počítej" the way a shortcut clicks a button: a moment later.
    Activate(main);
    RunUntilSignal(&main.resultWindows(), &ResultWindows::opened,
                   [&main] { QTest::keyClick(&main, Qt::Key_P, Qt::AltModifier); });
    QVERIFY(TableOpen(main));
    closeTable();

    // Alt+V belongs to the menu only: it opens "&Výstupy" and computes nothing.
    Activate(main);
    QMenu* outputs = MenuTitled(main, QStringLiteral("&Výstupy"));
    QVERIFY(outputs);
    RunUntilSignal(outputs, &QMenu::aboutToShow,
                   [&main] { QTest::keyClick(&main, Qt::Key_V, Qt::AltModifier); });
    QCOMPARE(QApplication::activePopupWidget(), static_cast<QWidget*>(outputs));
    QTest::keyClick(outputs, Qt::Key_Escape);
    QVERIFY(!QApplication::activePopupWidget());
    QTest::keyClick(main.menuBar(), Qt::Key_Escape); // leaves the menu bar
    QVERIFY(!TableOpen(main));

    Activate(main);
    QTest::keyClick(&main, Qt::Key_F9);
    QVERIFY(TableOpen(main));
    closeTable();

    // With the inputs incomplete F9 does nothing.
    f.inputWindow()->edit(5)->clear();
    Activate(main);
    QTest::keyClick(&main, Qt::Key_F9);
    QCoreApplication::processEvents();
    QVERIFY(!TableOpen(main));
}

void TestMainWindowKeys::ctrlTBringsTheOpenTableForward() {
    StartedFixture f;
    MainWindow& main = f.main();
    QCOMPARE(main.openProjectFile(ExampleProject("variant1-one-slope.snp")), MainWindow::OpenResult::Opened);
    Activate(main);
    QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_T));
    QVERIFY(TableOpen(main));
    const QPointer<QMdiSubWindow> table = main.resultWindows().subWindow(ResultKind::Table, true);

    // The input window in front, Ctrl+T again: the same table comes forward,
    // neither closed nor computed anew.
    for (int press = 0; press < 2; ++press) {
        Activate(main); // the progress window of the computation took the activation
        main.activateInputWindow();
        QCoreApplication::processEvents();
        QVERIFY(main.mdiArea()->activeSubWindow() != table);
        QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_T));
        FlushClosedWindows();
        QVERIFY(table);
        QCOMPARE(main.resultWindows().subWindow(ResultKind::Table, true), table.data());
        QCOMPARE(main.mdiArea()->activeSubWindow(), table.data());
    }
}

void TestMainWindowKeys::f1ShowsTheUserGuideAndCtrlQEndsTheProgram() {
    StartedFixture f;
    MainWindow& main = f.main();
    Activate(main);
    QVERIFY(!main.helpWindow());
    QTest::keyClick(&main, Qt::Key_F1);
    QVERIFY(main.helpWindow() && main.helpWindow()->isVisible());
    QVERIFY(main.helpWindow()->browser()->toPlainText().contains(QStringLiteral("Meze platnosti")));
    main.helpWindow()->close();

    Activate(main);
    QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_Q));
    QVERIFY(!main.isVisible());
}

QTEST_MAIN(TestMainWindowKeys)
#include "test_main_window_keys.moc"
