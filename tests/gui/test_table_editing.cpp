// The user's own reference tables: stations and roughness classes typed or
// imported in "Upravit tabulku", saved into the working directory's DATA and
// picked after the program is started again; wrong CSV lines and wrong lines
// of a hand-edited file are reported, and nothing is lost.
#include "MainWindowTestSupport.h"
#include "gui/reference/CsvImportPreview.h"
#include "gui/reference/GamaTab.h"
#include "gui/reference/LookupDialogs.h"
#include "gui/reference/Srazky.h"
#include "gui/reference/TableEditor.h"
#include "test_dialog_support.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTableWidget>

using namespace hydrim;
using namespace hydrim::gui;
using namespace hydrim::gui::testing;
using namespace dialogtest;

namespace {

constexpr int RainfallButton = 7, RoughnessLeft = 1;

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Types a cell of the editor as the user commits it.
void SetCell(TableEditor* editor, int row, int column, const QString& text) {
    editor->grid->item(row, column)->setText(text);
}

LookupDialogs* DialogsOf(const StartedProgram& program) {
    return static_cast<LookupDialogs*>(program.lookupDialogs.get());
}

} // namespace

class TableEditingTest : public QObject {
    Q_OBJECT
private slots:
    void typedStationAndImportedClassArePickedAfterARestart() {
        QTemporaryDir dir;
        MessageRecorder messages;
        StartOptions options;
        options.workingDir = dir.path().toStdString();
        options.localeDecimalPoint = QStringLiteral(".");
        const QString stations = dir.filePath(QStringLiteral("DATA/srazky.tab"));
        const QString classes = dir.filePath(QStringLiteral("DATA/Gama.tab"));
        {
            AppState state;
            StartedProgram program;
            QVERIFY(StartProgram(state, options, program));
            const QByteArray shippedStations = Bytes(stations);
            TSrazky1* rainfall = DialogsOf(program)->rainfall();
            QVERIFY(!rainfall->hasStations());
            QVERIFY(rainfall->note()->text().contains(QStringLiteral("„Upravit tabulku“")));
            QVERIFY(rainfall->note()->text().contains(QStringLiteral("„Import z CSV…“")));

            rainfall->Button3->click();
            TableEditor* editor = rainfall->editor();
            QVERIFY(editor && editor->isVisible());
            editor->addButton->click();
            const QStringList typed = {QString(),
                                       QStringLiteral("Šumperk"),
                                       QStringLiteral("45,5"),
                                       QStringLiteral("50"),
                                       QStringLiteral("60"),
                                       QStringLiteral("70"),
                                       QStringLiteral("80"),
                                       QStringLiteral("9")};
            for (int column = 0; column < typed.size(); ++column)
                SetCell(editor, 0, column, typed[column]);
            // Checked on entry: N = 100 below 10 mm and below N = 50.
            QVERIFY(!editor->problems->isHidden());
            QVERIFY(
                editor->problems->text().contains(QStringLiteral("Řádek 1: úhrn pro N = 100 let (9 mm)")));
            QVERIFY(!editor->save());
            QCOMPARE(Bytes(stations), shippedStations);
            SetCell(editor, 0, 7, QStringLiteral("90"));
            QVERIFY(editor->problems->isHidden());
            QCOMPARE(editor->grid->item(0, 2)->text(), QStringLiteral("45.5"));
            editor->saveButton->click();
            QVERIFY(!editor->isModified());
            QVERIFY(rainfall->hasStations()); // the dialog shows the saved table at once
            QVERIFY(rainfall->note()->isHidden());
            QCOMPARE(Bytes(stations + QStringLiteral(".bak")), shippedStations);
            editor->closeButton->click();
            QTRY_VERIFY(!rainfall->editor());

            TGamatab1* roughness = DialogsOf(program)->roughness();
            QVERIFY(!roughness->hasClasses());
            roughness->editButton->click();
            TableEditor* classEditor = roughness->editor();
            QVERIFY(classEditor);
            const QString csv = dir.filePath(QStringLiteral("tridy.csv"));
            WriteBytes(csv, EncodeCp1250("Druh povrchu;Třída;Rozsah\r\n"
                                         "Les;1;5-40\r\n"
                                         "Les;2;40-5\r\n"
                                         "Orná půda;3;2;30\r\n")
                                .c_str());
            classEditor->importFile(csv);
            CsvImportPreview* preview = classEditor->preview();
            QVERIFY(preview && preview->isVisible());
            QCOMPARE(preview->taken->rowCount(), 2);
            QCOMPARE(preview->refused->rowCount(), 1);
            QCOMPARE(preview->refused->item(0, 0)->text(), QStringLiteral("3"));
            QVERIFY(classEditor->rows().empty()); // nothing taken before the choice
            preview->addButton->click();
            QCOMPARE(classEditor->rows().size(), size_t{2});
            QVERIFY(classEditor->save());
            QVERIFY(roughness->hasClasses());
        }
        QVERIFY(QFile::exists(classes + QStringLiteral(".bak")));

        // Started again over the same working directory.
        messages.messages.clear();
        AppState state;
        StartedProgram program;
        QVERIFY(StartProgram(state, options, program));
        QVERIFY(messages.messages.isEmpty());
        TProjekt1* projekt = program.mainWindow->projekt();
        projekt->comboBox(2)->setCurrentIndex(0);
        projekt->comboBox(3)->setCurrentIndex(1);
        DialogsOf(program)->openLookup(RainfallButton, true);
        TSrazky1* rainfall = DialogsOf(program)->rainfall();
        QVERIFY(rainfall->isVisible());
        QCOMPARE(rainfall->StringGrid1->text(1, 1), QStringLiteral("Šumperk"));
        rainfall->StringGrid1->setCurrentGridRow(1, false);
        rainfall->Button1->click();
        QCOMPARE(projekt->edit(EditRainN)->text(), QStringLiteral("50"));
        QCOMPARE(projekt->edit(EditRain100)->text(), QStringLiteral("90"));

        DialogsOf(program)->openLookup(RoughnessLeft, true);
        TGamatab1* roughness = DialogsOf(program)->roughness();
        QCOMPARE(roughness->StringGrid1->text(3, 0), QStringLiteral("Orná půda"));
        TypeIntoCell(roughness->StringGrid1, 3, 3, "1");
        roughness->StringGrid1->finishEditing();
        QCoreApplication::sendPostedEvents();                              // the finished value is checked
        QCOMPARE(roughness->StringGrid1->text(3, 3), QStringLiteral("2")); // the imported minimum
        QCOMPARE(messages.messages.size(), 1);
        TypeIntoCell(roughness->StringGrid1, 2, 3, "8");
        TypeIntoCell(roughness->StringGrid1, 2, 4, "1");
        roughness->panel.compute->click();
        roughness->panel.insert->click();
        QCOMPARE(projekt->edit(EditRoughnessL)->text(), QStringLiteral("8.00"));
    }

    void wrongCsvLinesAreListedAndTheTableIsKeptUntilConfirmed() {
        QTemporaryDir dir;
        WriteAllTables(dir);
        AppState state;
        LookupDialogs dialogs(state, dir.path().toStdString(), nullptr);
        const QString stations = dir.filePath(QStringLiteral("srazky.tab"));
        const QByteArray before = Bytes(stations);
        dialogs.rainfall()->Button3->click();
        TableEditor* editor = dialogs.rainfall()->editor();
        const std::vector<TableRow> original = editor->rows();
        QCOMPARE(original.size(), size_t{6});

        const QString csv = dir.filePath(QStringLiteral("stanice.csv"));
        WriteBytes(csv, "\xEF\xBB\xBF"
                        "Stanice;2;5;10;20;50;100\n"
                        "Znojmo;30;40;50;60;70;80\n"
                        "Brno;30;40;x;60;70;80\n"
                        "Kolín;30;40;50\n");
        editor->importFile(csv);
        CsvImportPreview* preview = editor->preview();
        QCOMPARE(preview->refused->rowCount(), 2);
        QCOMPARE(preview->refused->item(0, 0)->text(), QStringLiteral("3"));
        QVERIFY(preview->refused->item(0, 1)->text().contains(QStringLiteral("„x“ není číslo")));
        QCOMPARE(preview->refused->item(1, 0)->text(), QStringLiteral("4"));
        preview->cancelButton->click();
        QVERIFY(editor->rows() == original);

        editor->importFile(csv);
        editor->preview()->replaceButton->click();
        QCOMPARE(editor->rows().size(), size_t{1});
        QCOMPARE(Bytes(stations), before); // not saved yet
        editor->undoButton->click();
        QVERIFY(editor->rows() == original);
        QVERIFY(!editor->isModified());
    }

    void entriesOfARemovedClassAreDropped() {
        QTemporaryDir dir;
        WriteAllTables(dir);
        AppState state;
        StubLink link;
        MessageRecorder messages;
        LookupDialogs dialogs(state, dir.path().toStdString(), nullptr);
        dialogs.attachLink(&link);
        dialogs.openLookup(RoughnessLeft, true);
        TGamatab1* roughness = dialogs.roughness();
        TypeIntoCell(roughness->StringGrid1, 16, 3, "10");
        TypeIntoCell(roughness->StringGrid1, 16, 4, "1");
        roughness->editButton->click();
        TableEditor* editor = roughness->editor();
        editor->grid->setCurrentCell(14, 1); // the class of row 16
        editor->deleteButton->click();
        QVERIFY(editor->save());
        QVERIFY(!roughness->StringGrid1->isCellEditable(16, 3));
        QVERIFY(roughness->StringGrid1->text(16, 3).isEmpty());
        roughness->panel.compute->click();
        QVERIFY(roughness->panel.value->text().isEmpty()); // nothing left to weight
    }

    void handEditedWrongLinesAreReportedAndKept() {
        QTemporaryDir dir;
        WriteAllTables(dir);
        std::vector<std::string> lines = RainfallLines();
        lines.push_back("7\tUherský Brod\t30\t4O\t50\t60\t70\t80\t90\t95\t99\t100");
        WriteTable(dir, "srazky.tab", lines);
        const QString stations = dir.filePath(QStringLiteral("srazky.tab"));
        const QByteArray before = Bytes(stations);
        MessageRecorder messages;
        AppState state;
        LookupDialogs dialogs(state, dir.path().toStdString(), nullptr);
        TSrazky1* rainfall = dialogs.rainfall();
        QVERIFY(!rainfall->note()->isHidden());
        QVERIFY(rainfall->note()->text().contains(
            QStringLiteral("řádek 8: úhrn pro N = 5 let „4O“ není číslo s desetinnou tečkou")));

        rainfall->Button3->click();
        TableEditor* editor = rainfall->editor();
        QCOMPARE(editor->rows().size(), size_t{7});
        QVERIFY(!editor->save());
        QVERIFY(messages.last().contains(QStringLiteral("Řádek 7: úhrn pro N = 5 let")));
        QCOMPARE(Bytes(stations), before);
        SetCell(editor, 6, 3, QStringLiteral("40"));
        QVERIFY(editor->save());
        QCOMPARE(Bytes(stations + QStringLiteral(".bak")), before);
        QVERIFY(rainfall->note()->isHidden());
        QCOMPARE(rainfall->StringGrid1->text(7, 1), QStringLiteral("Uherský Brod"));
        QCOMPARE(state.Reference.RainfallTable[10][7], std::string("100")); // the unused column kept

        // Unsaved edits are asked about when the editor closes; "No" drops them.
        editor->grid->setCurrentCell(0, 1);
        editor->deleteButton->click();
        QCOMPARE(editor->rows().size(), size_t{6});
        ModalScript script({Answer(QMessageBox::No)});
        editor->closeButton->click();
        QTRY_VERIFY(script.finished());
        QTRY_VERIFY(!rainfall->editor());
        QCOMPARE(Bytes(stations).count('\n'), 8);
    }
};

QTEST_MAIN(TableEditingTest)
#include "test_table_editing.moc"
