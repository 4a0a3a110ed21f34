// The main window's keys pressed as a user presses them: computing (F9 and
// Alt+P, while Alt+V opens "&Výstupy"), Ctrl+T on an open table, F1 and
// Ctrl+Q. The copy keys are tried with the time-series window's commands.
#include "MainWindowTestSupport.h"

#include "gui/app/AboutWindow.h"
#include "gui/app/HelpWindow.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

using namespace hydrim;
using namespace hydrim::gui;
using namespace hydrim::gui::testing;

namespace {

bool TableOpen(THlavni& main) {
    return main.resultWindows().isOpen(ResultKind::Table, true);
}

void Activate(THlavni& main) {
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
}

} // namespace

class TestMainWindowKeys : public QObject {
    Q_OBJECT
private slots:
    void computeKeysComputeAndAltVOpensTheMenu();
    void ctrlTBringsTheOpenTableForward();
    void f1ShowsTheUserGuideAndCtrlQEndsTheProgram();
};

void TestMainWindowKeys::computeKeysComputeAndAltVOpensTheMenu() {
    StartedFixture f;
    THlavni& main = f.main();
    QCOMPARE(main.openProjectFile(ExampleProject("variant1-one-slope.snp")), THlavni::OpenResult::Opened);
    const auto closeTable = [&main] {
        main.resultWindows().close(ResultKind::Table, true);
        FlushClosedWindows();
        QVERIFY(!TableOpen(main));
    };
    Activate(main);
    QTest::keyClick(&main, Qt::Key_P, Qt::AltModifier);
    QTRY_VERIFY(TableOpen(main));
    closeTable();

    // Alt+V belongs to the menu only: it opens "&Výstupy" and computes nothing.
    Activate(main);
    QTest::keyClick(&main, Qt::Key_V, Qt::AltModifier);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    QCOMPARE(qobject_cast<QMenu*>(QApplication::activePopupWidget())->title(), QStringLiteral("&Výstupy"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QTest::keyClick(main.menuBar(), Qt::Key_Escape); // leaves the menu bar
    QVERIFY(!TableOpen(main));

    Activate(main);
    QTest::keyClick(&main, Qt::Key_F9);
    QTRY_VERIFY(TableOpen(main));
    closeTable();

    // With the inputs incomplete F9 does nothing.
    f.projekt()->edit(5)->clear();
    Activate(main);
    QTest::keyClick(&main, Qt::Key_F9);
    QCoreApplication::processEvents();
    QVERIFY(!TableOpen(main));
}

void TestMainWindowKeys::ctrlTBringsTheOpenTableForward() {
    StartedFixture f;
    THlavni& main = f.main();
    QCOMPARE(main.openProjectFile(ExampleProject("variant1-one-slope.snp")), THlavni::OpenResult::Opened);
    main.Timer1Timer();
    Activate(main);
    QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_T));
    QTRY_VERIFY(TableOpen(main));
    const QPointer<QMdiSubWindow> table = main.resultWindows().subWindow(ResultKind::Table, true);

    // The input window in front, Ctrl+T again: the same table comes forward,
    // neither closed nor computed anew.
    for (int press = 0; press < 2; ++press) {
        Activate(main); // the progress window of the computation took the activation
        main.N1Projekt1Click();
        QCoreApplication::processEvents();
        QVERIFY(main.mdiArea()->activeSubWindow() != table);
        QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_T));
        FlushClosedWindows();
        QVERIFY(table);
        QCOMPARE(main.resultWindows().subWindow(ResultKind::Table, true), table.data());
        QTRY_COMPARE(main.mdiArea()->activeSubWindow(), table.data());
    }
}

void TestMainWindowKeys::f1ShowsTheUserGuideAndCtrlQEndsTheProgram() {
    StartedFixture f;
    THlavni& main = f.main();
    Activate(main);
    QVERIFY(!main.helpWindow());
    QTest::keyClick(&main, Qt::Key_F1);
    QTRY_VERIFY(main.helpWindow() && main.helpWindow()->isVisible());
    QVERIFY(main.helpWindow()->browser()->toPlainText().contains(QStringLiteral("Meze platnosti")));
    main.helpWindow()->close();

    Activate(main);
    QTest::keySequence(&main, QKeySequence(Qt::CTRL | Qt::Key_Q));
    QTRY_VERIFY(!main.isVisible());
}

QTEST_MAIN(TestMainWindowKeys)
#include "test_mainwindow_keys.moc"
