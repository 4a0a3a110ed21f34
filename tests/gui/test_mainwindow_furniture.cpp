// What a desktop program has around its computation: the status bar naming
// missing inputs, the recent projects and the sample projects of a new
// working directory, result windows that leave the input fields in view (and
// tables that show every column), and no unsaved table edits lost when the
// program closes.
#include "MainWindowTestSupport.h"
#include "gui/app/WindowPlacement.h"
#include "gui/reference/LookupDialogs.h"
#include "gui/reference/Srazky.h"
#include "gui/reference/TableEditor.h"
#include "gui/results/ResultGridView.h"
#include "gui/results/TabulkaV1.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace hydrim;
using namespace hydrim::gui;
using namespace hydrim::gui::testing;

class TestMainWindowFurniture : public QObject {
    Q_OBJECT
private slots:
    void statusBarNamesWhatIsMissing() {
        StartedFixture f;
        QVERIFY(f.started);
        auto* status = f.main().findChild<QLabel*>(QStringLiteral("InputStatus"));
        QVERIFY(status);
        QCOMPARE(status->text(),
                 QString("Výpočet zatím nelze spustit – Typ povodí: není zvolen. (a další: 1)"));
        f.projekt()->comboBox(1)->setCurrentIndex(0);
        f.projekt()->comboBox(2)->setCurrentIndex(2);
        QVERIFY(
            status->text().startsWith("Výpočet zatím nelze spustit – Délka údolnice [km]: není vyplněno."));
        QVERIFY(status->toolTip().contains("Intenzita deště [mm.min⁻¹]: není vyplněno."));
        QCOMPARE(f.main().openProjectFile(ExampleProject("variant3-one-slope.snp")),
                 THlavni::OpenResult::Opened);
        QVERIFY(status->text().startsWith("Vstupní údaje jsou úplné"));
    }

    void recentProjectsAndSampleProjects() {
        StartedFixture f;
        QVERIFY(f.started);
        // A new working directory offers the sample projects.
        const QString sample = f.path("PROJEKTY/variant2-two-slopes.snp");
        QVERIFY(QFile::exists(sample));
        QAction* first = f.main().menuItem("Posledni1");
        QVERIFY(first && !first->isVisible());

        QCOMPARE(f.main().openProjectFile(sample), THlavni::OpenResult::Opened);
        QVERIFY(first->isVisible());
        QCOMPARE(first->text(), QString("&1 variant2-two-slopes.snp"));
        QFile stored(f.path("DATA/POSLEDNI.CFG"));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(stored.readAll()), QDir::toNativeSeparators(sample) + "\n");
        stored.close();
        QVERIFY(f.main().saveProjectTo(f.path("PROJEKTY/copy.snp")));
        QCOMPARE(first->text(), QString("&1 copy.snp"));
        QCOMPARE(f.main().menuItem("Posledni2")->text(), QString("&2 variant2-two-slopes.snp"));

        // A file gone since is reported and leaves the list.
        QVERIFY(QFile::remove(f.path("PROJEKTY/copy.snp")));
        SeenMessage seen;
        ModalScript script({Answer(QMessageBox::Ok, &seen)});
        first->trigger();
        QTRY_VERIFY(script.finished());
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(f.main().recentFiles(), QStringList({QDir::toNativeSeparators(sample)}));
        QVERIFY(!f.main().menuItem("Posledni2")->isVisible());
    }

    void recentProjectsSurviveARestartAndSamplesComeOnlyOnce() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("PROJEKTY"));
        StartOptions options;
        options.workingDir = dir.path().toStdString();
        options.localeDecimalPoint = QStringLiteral(".");
        const QString project = ExampleProject("variant1-one-slope.snp");
        {
            AppState state;
            StartedProgram program;
            QVERIFY(StartProgram(state, options, program));
            // The user's own project directory is left as it is.
            QCOMPARE(QDir(dir.filePath("PROJEKTY")).entryList(QDir::Files), QStringList());
            QCOMPARE(program.mainWindow->openProjectFile(project), THlavni::OpenResult::Opened);
        }
        AppState state;
        StartedProgram program;
        QVERIFY(StartProgram(state, options, program));
        QCOMPARE(program.mainWindow->recentFiles(), QStringList({QDir::toNativeSeparators(project)}));
        QVERIFY(program.mainWindow->menuItem("Posledni1")->isVisible());
    }

    void resultWindowsLeaveTheInputFieldsInView() {
        // Beside the input window when there is room, below it next, else at the right edge.
        QCOMPARE(PlaceBeside(QRect(0, 0, 600, 450), QSize(800, 500), QSize(1300, 700), 0),
                 QRect(600, 0, 700, 500));
        QCOMPARE(PlaceBeside(QRect(0, 0, 600, 450), QSize(800, 500), QSize(1300, 700), 1),
                 QRect(624, 24, 676, 500));
        QCOMPARE(PlaceBeside(QRect(0, 0, 600, 300), QSize(800, 500), QSize(800, 700), 0),
                 QRect(0, 300, 800, 400));
        QCOMPARE(PlaceBeside(QRect(0, 0, 600, 450), QSize(500, 400), QSize(800, 600), 0),
                 QRect(300, 0, 500, 400));
        // A table wider than the band beside the input window opens whole
        // at the right edge, over the input window's right part.
        QCOMPARE(PlaceBeside(QRect(0, 0, 775, 540), QSize(900, 600), QSize(1366, 650), 0, QSize(900, 0)),
                 QRect(466, 0, 900, 600));

        StartedFixture f;
        QVERIFY(f.started);
        f.main().resize(1600, 1000);
        QCOMPARE(f.main().openProjectFile(ExampleProject("variant2-one-slope.snp")),
                 THlavni::OpenResult::Opened);
        f.main().computeProject();
        QMdiSubWindow* table = f.main().resultWindows().subWindow(ResultKind::Table, false);
        QVERIFY(table);
        QMdiSubWindow* input =
            f.projekt()->parentWidget() ? qobject_cast<QMdiSubWindow*>(f.projekt()->parentWidget()) : nullptr;
        QVERIFY(input);
        QVERIFY(!table->geometry().intersects(input->geometry()));

        // On a 1366 × 768 screen a Variant I table shows every column.
        f.main().resize(1366, 768);
        QVERIFY(f.computed("variant1-two-slopes.snp"));
        auto* tabs = qobject_cast<TTabulkaV1_f*>(f.main().resultWindows().window(ResultKind::Table, true));
        QVERIFY(tabs);
        QVERIFY(tabs->currentGrid()->naturalSize().width() < f.main().mdiArea()->viewport()->width());
        QCOMPARE(tabs->currentGrid()->horizontalScrollBar()->maximum(), 0);
    }

    void closingTheProgramAsksAboutUnsavedTableEdits() {
        StartedFixture f;
        QVERIFY(f.started);
        TSrazky1* rainfall = static_cast<LookupDialogs*>(f.program.lookupDialogs.get())->rainfall();
        rainfall->Button3->click();
        TableEditor* editor = rainfall->editor();
        QVERIFY(editor);
        editor->addButton->click();
        QVERIFY(editor->isModified());

        QStringList buttons;
        const auto answer = [&buttons](QMessageBox::StandardButton button) {
            return [&buttons, button](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box);
                for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
                    buttons << box->button(b)->text();
                box->button(button)->click();
            };
        };
        {
            ModalScript script({answer(QMessageBox::Cancel)});
            QVERIFY(!f.main().close());
            QTRY_VERIFY(script.finished());
        }
        QCOMPARE(buttons, QStringList({"&Ano", "&Ne", "Storno"}));
        QVERIFY(f.main().isVisible());
        QVERIFY(editor->isVisible());
        ModalScript script({answer(QMessageBox::No)});
        QVERIFY(f.main().close());
        QTRY_VERIFY(script.finished());
    }
};

QTEST_MAIN(TestMainWindowFurniture)
#include "test_mainwindow_furniture.moc"
