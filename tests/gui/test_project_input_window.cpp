// The project input window driven as a user would: typing, pasting, leaving
// fields, choosing lists, with the message boxes answered as they open.
#include "gui/project/ProjectInputWindow.h"

#include "MessageAnswerer.h"
#include "ModalScript.h"
#include "core/project/InputRules.h"
#include "core/project/ProjectFile.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace hydrim;
using namespace hydrim::gui;
using hydrim::gui::testing::MessageAnswerer;
using hydrim::gui::testing::ModalScript;

namespace {

const QString OutOfRange = QString::fromStdString(OutOfRangeMessage);

// Runs the event loop until widget has the focus: once a message box has
// closed, its window gets the activation back a moment later.
void WaitForFocus(QWidget* widget) {
    QEventLoop loop;
    QObject::connect(qApp, &QApplication::focusChanged, &loop, [&loop, widget] {
        if (widget->hasFocus()) {
            loop.quit();
        }
    });
    if (!widget->hasFocus()) {
        loop.exec();
    }
}
const QString Rain100 = QString::fromStdString(Rain100Message);

} // namespace

class TestProjectInputWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AppState> state_;
    std::unique_ptr<ProjectInputWindow> window_;

    QLineEdit* edit(int k) { return window_->edit(k); }
    QComboBox* list(int k) { return window_->comboBox(k); }
    template <typename T> T* child(const char* name) {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }
    bool filled(int member) const { return state_->CurrentProject.Filled.contains(member); }

    void type(int k, const QString& keys) { QTest::keyClicks(edit(k), keys); }
    void replace(int k, const QString& keys) {
        edit(k)->selectAll();
        QTest::keyClick(edit(k), Qt::Key_Delete);
        type(k, keys);
    }
    // Leaving a field as the Tab key does; the corrections run once the
    // focus has moved on.
    void leave(QWidget* widget) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(widget, &out);
        QCoreApplication::sendPostedEvents();
    }
    void leave(int k) { leave(edit(k)); }
    // Lets the nested layouts of the window follow a change of visibility.
    static void settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCoreApplication::processEvents();
        }
    }
    void choose(int type, int variant) {
        list(1)->setCurrentIndex(type);
        list(2)->setCurrentIndex(variant);
    }
    // Every field Variant I needs, one slope.
    void fillVariantIOneSlope() {
        choose(0, 0);
        type(5, "1.2");
        type(6, "2.5");
        type(8, "40");
        type(24, "50");
        type(25, "60");
        type(26, "70");
        type(9, "90");
        type(10, "0.8");
        type(11, "8");
        type(12, "0.12");
        list(4)->setCurrentIndex(1);
        type(14, "75");
    }

private slots:
    void init() {
        state_ = std::make_unique<AppState>();
        window_ = std::make_unique<ProjectInputWindow>(*state_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() {
        window_.reset();
        state_.reset();
    }

    void startsEmptyWithItsCaptionsAndHints() {
        QCOMPARE(window_->windowTitle(), QString::fromUtf8("Nepojmenovaný projekt"));
        QVERIFY(!child<QGroupBox>("GroupBox5")->isVisible());
        QVERIFY(!child<QGroupBox>("GroupBox6")->isVisible());
        QVERIFY(!child<QGroupBox>("GroupBox7")->isVisible());
        QVERIFY(child<QGroupBox>("GroupBox1")->isVisible()); // the identification, before any choice
        QVERIFY(!window_->computeButton()->isVisible());
        QVERIFY(!window_->computeButton()->isEnabled());
        QCOMPARE(window_->computeButton()->text(), QString::fromUtf8("Vy&počítej"));
        QCOMPARE(window_->computeButton()->toolTip(),
                 QString::fromUtf8("Provede výpočet dle vstupních parametrů (F9)"));
        QCOMPARE(list(3)->currentText(), QString("100"));
        QCOMPARE(state_->CurrentProject.Rainfall.ReturnPeriodIndex, 5);
        QVERIFY(window_->speedButton(7)->isEnabled());
        // The N the list shows counts as chosen: nothing else is filled.
        QCOMPARE(state_->CurrentProject.Filled.bits(), std::bitset<24>().set(ReturnPeriodMember));
        QCOMPARE(list(1)->toolTip(),
                 QString::fromUtf8("Vyber typ povodí\nJeden svah - povodí lze popsat jedním "
                                   "svahem\nDva svahy - povodí lze popsat dvěma svahy"));
        QVERIFY(list(2)->toolTip().endsWith(QString::fromUtf8(
            "Varianta III - maximální průtok při zadané době trvání deště a intenzitě deště")));
        QCOMPARE(window_->speedButton(3)->toolTip(), QString::fromUtf8("Průvodce určením čísla CN křivky "));
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(window_->speedButton(k + 3)->toolTip(), window_->speedButton(k)->toolTip());
        }
        QCOMPARE(window_->speedButton(7)->toolTip(),
                 QString::fromUtf8("Tabulka maximálních 1-denních srážkových úhrnů"));
        QCOMPARE(child<QLabel>("Label21")->text(),
                 QString::fromUtf8("1-denní maximální srážkový\núhrn pro N = 10 [mm]"));
        QCOMPARE(child<QLabel>("Label8")->text(),
                 QString::fromUtf8("1-denní maximální srážkový\núhrn pro N [mm]"));
    }

    void typingKeepsOnlyANumber() {
        choose(0, 0);
        type(5, ",1,2.3x45");
        QCOMPARE(edit(5)->text(), QString("1.234"));
        QVERIFY(filled(0));
        type(6, "0");
        QCOMPARE(edit(6)->text(), QString("0"));
        QVERIFY(!filled(1)); // zero is not a usable value
        type(6, ".5");
        QCOMPARE(edit(6)->text(), QString("0.5"));
        QVERIFY(filled(1));
        // A point typed in front of an existing one is refused.
        edit(6)->setCursorPosition(1);
        QTest::keyClick(edit(6), Qt::Key_Period);
        QCOMPARE(edit(6)->text(), QString("0.5"));
        QCOMPARE(edit(6)->cursorPosition(), 1);
        // Backspace to empty removes the membership.
        edit(5)->end(false);
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(edit(5), Qt::Key_Backspace);
        }
        QCOMPARE(edit(5)->text(), QString());
        QVERIFY(!filled(0));
    }

    void pastedTextIsFilteredWhole() {
        choose(1, 2);
        QApplication::clipboard()->setText("plocha 3,25 km2");
        edit(10)->paste();
        QCOMPARE(edit(10)->text(), QString("3.252")); // the digits of the text, cut to five
        edit(10)->selectAll();
        QApplication::clipboard()->setText("abc");
        edit(10)->paste();
        QCOMPARE(edit(10)->text(), QString());
        QVERIFY(!filled(8));
        QApplication::clipboard()->setText("x7,5");
        edit(24)->paste();
        QCOMPARE(edit(24)->text(), QString("7.5"));
        QApplication::clipboard()->setText("1.2.3");
        edit(16)->paste();
        QCOMPARE(edit(16)->text(), QString("1.23"));
        // Whatever was pasted, every numeric field holds a number or nothing.
        for (int k : {10, 16, 24}) {
            QVERIFY(edit(k)->text().isEmpty() || FieldValue(edit(k)->text().toStdString()).has_value());
        }
    }

    void rainfallKeyFilter() {
        choose(0, 0);
        type(24, ".a-1,5.x");
        QCOMPARE(edit(24)->text(), QString("1.5"));
        QVERIFY(filled(5));
        type(25, "0");
        QVERIFY(filled(6)); // the N = 10, 20, 50 fields count any text
        QTest::keyClick(edit(25), Qt::Key_Backspace);
        QVERIFY(!filled(6));
        QCOMPARE(state_->CurrentProject.Rainfall.Texts[2], std::string("1.5"));
    }

    void visibilityPerTypeAndVariant() {
        list(1)->setCurrentIndex(0);
        QVERIFY(child<QGroupBox>("GroupBox5")->isVisible());
        QVERIFY(!child<QGroupBox>("GroupBox6")->isVisible());
        QVERIFY(!window_->computeButton()->isVisible());

        list(2)->setCurrentIndex(0); // one slope, Variant I
        QVERIFY(child<QGroupBox>("GroupBox6")->isVisible());
        QVERIFY(window_->computeButton()->isVisible());
        QCOMPARE(child<QGroupBox>("GroupBox7")->title(), QString("Jeden svah"));
        QCOMPARE(child<QGroupBox>("GroupBox8")->title(), QString());
        QVERIFY(!child<QGroupBox>("GroupBox9")->isVisible());
        for (int k : {5, 6, 8, 9, 24, 25, 26, 10, 11, 12, 14}) {
            QVERIFY2(edit(k)->isVisible(), qPrintable(QString("Edit%1").arg(k)));
        }
        for (int k : {7, 13, 15, 16, 17, 20, 21, 22, 23}) {
            QVERIFY2(!edit(k)->isVisible(), qPrintable(QString("Edit%1").arg(k)));
        }
        QVERIFY(!list(3)->isVisible() && !child<QLabel>("Label7")->isVisible());
        QVERIFY(list(4)->isVisible() && !list(5)->isVisible());
        QVERIFY(window_->speedButton(7)->isVisible());
        QCOMPARE(child<QLabel>("Label8")->text(),
                 QString::fromUtf8("1-denní maximální srážkový\núhrn pro N = 5 [mm]"));
        settle();
        const int rain100RowVariantI = edit(9)->mapTo(window_.get(), QPoint()).y();
        QVERIFY(rain100RowVariantI > edit(26)->mapTo(window_.get(), QPoint()).y());

        list(1)->setCurrentIndex(1); // two slopes
        QCOMPARE(child<QGroupBox>("GroupBox7")->title(), QString("Dva svahy"));
        QCOMPARE(child<QGroupBox>("GroupBox8")->title(), QString::fromUtf8("Levý"));
        QVERIFY(child<QGroupBox>("GroupBox9")->isVisible());
        QVERIFY(edit(17)->isVisible() && edit(21)->isVisible() && list(5)->isVisible());
        QVERIFY(window_->speedButton(4)->isVisible() && window_->speedButton(6)->isVisible());

        list(2)->setCurrentIndex(1); // Variant II
        settle();
        QVERIFY(list(3)->isVisible() && child<QLabel>("Label7")->isVisible());
        // The right slope's rain duration is the left one's: shown once.
        QVERIFY(edit(15)->isVisible() && !edit(22)->isVisible());
        QVERIFY(!edit(16)->isVisible() && !edit(23)->isVisible() && !edit(24)->isVisible());
        QVERIFY(!child<QLabel>("Label21")->isVisible() && !child<QLabel>("Label16")->isVisible());
        QCOMPARE(child<QLabel>("Label8")->text(),
                 QString::fromUtf8("1-denní maximální srážkový\núhrn pro N [mm]"));
        const int rain100RowVariantII = edit(9)->mapTo(window_.get(), QPoint()).y();
        QVERIFY(rain100RowVariantII > edit(8)->mapTo(window_.get(), QPoint()).y());
        QVERIFY(rain100RowVariantII < rain100RowVariantI);

        list(2)->setCurrentIndex(2); // Variant III
        QVERIFY(!edit(8)->isVisible() && !edit(9)->isVisible() && !list(3)->isVisible());
        QVERIFY(!window_->speedButton(7)->isVisible());
        QVERIFY(edit(15)->isVisible() && edit(16)->isVisible() && !edit(22)->isVisible() &&
                !edit(23)->isVisible());
        QVERIFY(child<QLabel>("Label16")->isVisible());
    }

    void computeButtonFollowsTheRequiredMembers() {
        QSignalSpy states(window_.get(), &ProjectInputWindow::computeStateChanged);
        fillVariantIOneSlope();
        QVERIFY(window_->computeButton()->isEnabled());
        QCOMPARE(states.count(), 1);
        QCOMPARE(states.last().at(0).toBool(), true);

        // Emptying N = 20 removes member 6 only.
        const std::bitset<24> before = state_->CurrentProject.Filled.bits();
        replace(25, "");
        std::bitset<24> expected = before;
        expected.reset(6);
        QCOMPARE(state_->CurrentProject.Filled.bits(), expected);
        QVERIFY(!window_->computeButton()->isEnabled());
        QCOMPARE(states.last().at(0).toBool(), false);
        type(25, "60");
        QVERIFY(window_->computeButton()->isEnabled());

        // Two slopes need the right slope as well.
        list(1)->setCurrentIndex(1);
        QVERIFY(!window_->computeButton()->isEnabled());
        type(17, "0.5");
        type(18, "6");
        type(19, "0.1");
        list(5)->setCurrentIndex(2);
        QVERIFY(!window_->computeButton()->isEnabled());
        type(21, "80");
        QVERIFY(window_->computeButton()->isEnabled());

        // Variant III wants the rain's duration and intensity, typed once
        // for both slopes (the right slope's hidden fields follow).
        list(2)->setCurrentIndex(2);
        QVERIFY(!window_->computeButton()->isEnabled());
        type(15, "60");
        QVERIFY(!window_->computeButton()->isEnabled());
        type(16, "1.1");
        QCOMPARE(edit(22)->text(), QStringLiteral("60"));
        QCOMPARE(edit(23)->text(), QStringLiteral("1.1"));
        QVERIFY(window_->computeButton()->isEnabled());
        // A zero curve-number text takes the member away again.
        replace(21, "0");
        QVERIFY(!window_->computeButton()->isEnabled());
    }

    void rangeCorrectionsWithMessages() {
        MessageAnswerer messages;
        choose(0, 0);
        type(9, "450");
        type(24, "600");
        leave(24);
        QCOMPARE(messages.texts, QStringList({OutOfRange})); // the N = 100 correction said with it
        QVERIFY(messages.details.front().contains(Rain100));
        QVERIFY(!messages.icons.contains(QMessageBox::Warning));
        QCOMPARE(edit(24)->text(), QString("500"));
        QCOMPARE(edit(9)->text(), QString("500"));
        QCOMPARE(state_->CurrentProject.Rainfall.Texts[5], std::string("500"));

        type(14, "35");
        leave(14);
        QCOMPARE(edit(14)->text(), QString("40"));
        type(8, "5");
        leave(8);
        QCOMPARE(edit(8)->text(), QString("10"));
        QCOMPARE(messages.texts.size(), 3);

        // N = 100 below the largest of the others takes it.
        replace(24, "60");
        type(25, "95");
        replace(9, "90");
        leave(9);
        QCOMPARE(edit(9)->text(), QString("95"));
        QCOMPARE(messages.texts.last(), Rain100);

        // A duration of 5 on the left slope sets 10 on both.
        choose(1, 1);
        type(15, "5");
        leave(15);
        QCOMPARE(edit(15)->text(), QString("10"));
        QCOMPARE(edit(22)->text(), QString("10"));
        QVERIFY(filled(13) && filled(21));
        // Intensities are kept equal without a message.
        const int shown = messages.texts.size();
        type(23, "1.4");
        leave(23);
        QCOMPARE(edit(16)->text(), QString("1.4"));
        QCOMPARE(messages.texts.size(), shown);
    }

    void variantIIWithN100() {
        MessageAnswerer messages;
        choose(0, 1);
        QCOMPARE(list(3)->currentIndex(), 5);
        type(9, "90");
        type(8, "80");
        leave(8);
        QCOMPARE(edit(9)->text(), QString("80"));
        QCOMPARE(messages.texts, QStringList({Rain100}));

        // Leaving the list with N = 100 and different texts.
        list(3)->setCurrentIndex(2);
        replace(8, "70"); // N = 10
        list(3)->setCurrentIndex(5);
        QCOMPARE(edit(8)->text(), QString("80")); // the N = 100 text comes back
        edit(8)->setText("75");
        leave(list(3));
        QCOMPARE(edit(9)->text(), QString("75"));
        QCOMPARE(messages.texts.size(), 2);
    }

    void rainfallTextsSurviveSwitchingVariants() {
        choose(0, 0);
        type(8, "41");
        type(24, "52");
        type(25, "63");
        type(26, "74");
        type(9, "85");
        list(2)->setCurrentIndex(1);
        list(3)->setCurrentIndex(2); // N = 10
        QCOMPARE(edit(8)->text(), QString("52"));
        replace(8, "55");
        list(3)->setCurrentIndex(1); // N = 5
        QCOMPARE(edit(8)->text(), QString("41"));
        list(2)->setCurrentIndex(0);
        QCOMPARE(edit(8)->text(), QString("41"));
        QCOMPARE(edit(24)->text(), QString("55"));
        QCOMPARE(edit(26)->text(), QString("74"));
        const RainfallTexts& rain = state_->CurrentProject.Rainfall;
        QCOMPARE(rain.Texts[1], std::string("41"));
        QCOMPARE(rain.Texts[2], std::string("55"));
        QCOMPARE(rain.Texts[5], std::string("85"));
        QCOMPARE(rain.ReturnPeriodIndex, 1);
    }

    void showAndStoreRoundTrip() {
        Project project;
        project.Texts.Description = {"Povodí Bílého potoka", "", "Žďár nad Sázavou", ""};
        project.Texts.CatchmentType = 1;
        project.Texts.Variant = 1;
        project.Texts.ReturnPeriodItem = 3;
        project.Texts.CnTypeItemL = 0;
        project.Texts.CnTypeItemR = 2;
        const std::pair<int, const char*> fields[] = {
            {5, "2.4"},  {6, "1.5"},  {10, "0.75"}, {11, "12"},  {12, "0.1"},  {14, "72"}, {15, "60"},
            {16, "1.2"}, {17, "0.5"}, {18, "9.5"},  {19, "0.2"}, {21, "81.5"}, {22, "60"}, {23, "1.2"}};
        for (auto [k, text] : fields) {
            project.Texts.Edit[static_cast<size_t>(k)] = text;
        }
        project.Rainfall.Texts = {"", "45", "55", "66", "77", "99"};
        project.Rainfall.ReturnPeriodIndex = 3;
        state_->CurrentProject = project;
        QSignalSpy modified(window_.get(), &ProjectInputWindow::modified);
        window_->showProject();

        QCOMPARE(edit(8)->text(), QString("66")); // the N = 20 text
        QCOMPARE(edit(9)->text(), QString("99"));
        QCOMPARE(edit(21)->text(), QString("81.5"));
        QCOMPARE(window_->memo()->toPlainText(),
                 QString::fromUtf8("Povodí Bílého potoka\n\nŽďár nad Sázavou\n\n"));
        QVERIFY(edit(15)->isVisible() && list(3)->isVisible() && !edit(24)->isVisible());
        QVERIFY(window_->computeButton()->isVisible() && window_->computeButton()->isEnabled());
        QVERIFY(modified.count() >= 1);
        for (int m : {0, 1, 2, 3, 4, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22}) {
            QVERIFY2(filled(m), qPrintable(QString("member %1").arg(m)));
        }

        state_->CurrentProject.Texts = ProjectTexts{};
        window_->storeProject();
        const ProjectTexts& stored = state_->CurrentProject.Texts;
        QCOMPARE(stored.Description, project.Texts.Description);
        QCOMPARE(stored.CatchmentType, 1);
        QCOMPARE(stored.Variant, 1);
        QCOMPARE(stored.ReturnPeriodItem, 3);
        QCOMPARE(stored.CnTypeItemL, 0);
        QCOMPARE(stored.CnTypeItemR, 2);
        for (auto [k, text] : fields) {
            QCOMPARE(stored.Edit[static_cast<size_t>(k)], std::string(text));
        }
        QCOMPARE(stored.Edit[8], std::string("66"));
        QCOMPARE(state_->CurrentProject.Rainfall.Texts, project.Rainfall.Texts);

        // Showing the stored project again changes nothing.
        const Project again = state_->CurrentProject;
        window_->showProject();
        window_->storeProject();
        QCOMPARE(state_->CurrentProject.Texts, again.Texts);
    }

    // The identification texts are typed like any text, limited in length,
    // and come back from the project file; a longer text of a file is not cut.
    void identificationIsTypedSavedAndReadBack() {
        QSignalSpy modified(window_.get(), &ProjectInputWindow::modified);
        type(1, "4-16-01-0120");
        QVERIFY(modified.count() >= 1);
        edit(2)->insert(QString::fromUtf8("Bezejmenný přítok Jihlavy")); // as an input method types
        type(4, QString(IdentificationMaxLength + 10, QChar('x')));
        QCOMPARE(edit(4)->text().size(), IdentificationMaxLength);
        QVERIFY(!window_->computeButton()->isEnabled());
        window_->storeProject();
        const std::string longProfile(IdentificationMaxLength + 20, 'p');
        state_->CurrentProject.Texts.Edit[3] = longProfile;

        QTemporaryDir dir;
        const std::string file = dir.filePath("identifikace.snp").toStdString();
        QVERIFY(!WriteProjectFile(file, state_->CurrentProject));
        window_->clearProject();
        for (int k = 1; k <= 4; ++k) {
            QCOMPARE(edit(k)->text(), QString());
        }
        Project read;
        QVERIFY(ReadProjectFile(file, read).ok());
        state_->CurrentProject = read;
        window_->showProject();
        QCOMPARE(edit(1)->text(), QString("4-16-01-0120"));
        QCOMPARE(edit(2)->text(), QString::fromUtf8("Bezejmenný přítok Jihlavy"));
        QCOMPARE(edit(3)->text().toStdString(), longProfile);
        QCOMPARE(edit(3)->cursorPosition(), 0); // its beginning in view
        QCOMPARE(edit(4)->text(), QString(IdentificationMaxLength, QChar('x')));
        window_->clearProject();
        type(3, QString(IdentificationMaxLength + 10, QChar('y')));
        QCOMPARE(edit(3)->text().size(), IdentificationMaxLength);
    }

    void showingADamagedProjectKeepsFieldsNumeric() {
        Project project;
        project.Texts.CatchmentType = 7; // no such item
        project.Texts.Variant = 0;
        project.Texts.ReturnPeriodItem = -1;
        project.Texts.Edit[10] = "12a,5";
        project.Texts.Edit[11] = "123.456"; // longer than typing allows, kept whole
        project.Rainfall.Texts[1] = "x40";
        state_->CurrentProject = project;
        window_->showProject();
        QCOMPARE(list(1)->currentIndex(), -1);
        QCOMPARE(edit(10)->text(), QString("12.5"));
        QCOMPARE(edit(11)->text(), QString("123.456"));
        QCOMPARE(edit(8)->text(), QString("40"));
        QVERIFY(!window_->speedButton(7)->isEnabled());
        QVERIFY(!child<QGroupBox>("GroupBox5")->isVisible());
        QVERIFY(window_->computeButton()->isVisible());
        QVERIFY(!window_->computeButton()->isEnabled());
        QVERIFY(!filled(2));
    }

    void clearingEmptiesWindowAndProject() {
        fillVariantIOneSlope();
        window_->memo()->setPlainText("popis");
        state_->CurrentProject.Lookup.RainfallStationRow = 17;
        state_->CurrentProject.ChartTitle1 = "Graf";
        window_->setWindowTitle("/tmp/a.snp");
        QSignalSpy states(window_.get(), &ProjectInputWindow::computeStateChanged);
        window_->clearProject();

        QCOMPARE(window_->windowTitle(), QString::fromUtf8("Nepojmenovaný projekt"));
        QCOMPARE(states.count(), 1);
        QVERIFY(!window_->computeButton()->isVisible() && !window_->computeButton()->isEnabled());
        QVERIFY(!child<QGroupBox>("GroupBox5")->isVisible() && !child<QGroupBox>("GroupBox6")->isVisible());
        for (int k = 1; k <= 26; ++k) {
            QVERIFY(edit(k)->text().isEmpty());
        }
        QVERIFY(window_->memo()->toPlainText().isEmpty());
        QCOMPARE(list(1)->currentIndex(), -1);
        QCOMPARE(list(4)->currentIndex(), -1);
        QCOMPARE(list(3)->currentIndex(), 5);
        const Project& project = state_->CurrentProject;
        QCOMPARE(project.Filled.bits(), std::bitset<24>().set(ReturnPeriodMember));
        QCOMPARE(project.Rainfall.ReturnPeriodIndex, 5);
        QCOMPARE(project.Rainfall.Texts[1], std::string());
        QCOMPARE(project.Lookup.RainfallStationRow, 1);
        QCOMPARE(project.ChartTitle1, DefaultChartTitle);
    }

    void lookupButtonsServeOneSlope() {
        choose(1, 0);
        QSignalSpy requests(window_.get(), &ProjectInputWindow::lookupRequested);
        window_->speedButton(1)->click();
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.last().at(0).toInt(), 1);
        QCOMPARE(requests.last().at(1).toBool(), true);
        QVERIFY(state_->CurrentProject.Lookup.DialogForLeftSlope);
        QVERIFY(!window_->speedButton(4)->isEnabled());
        window_->lookupClosed(1);
        QVERIFY(window_->speedButton(4)->isEnabled());

        window_->speedButton(5)->click();
        QCOMPARE(requests.last().at(0).toInt(), 5);
        QCOMPARE(requests.last().at(1).toBool(), false);
        QVERIFY(!state_->CurrentProject.Lookup.DialogForLeftSlope);
        QVERIFY(!window_->speedButton(2)->isEnabled());
        window_->speedButton(6)->click(); // the CN wizard has no twin
        QVERIFY(window_->speedButton(3)->isEnabled());

        window_->speedButton(7)->click();
        QCOMPARE(requests.last().at(0).toInt(), 7);
    }

    void valuesFromLookupDialogsAreCorrectedAtOnce() {
        MessageAnswerer messages;
        choose(0, 0);
        window_->setFieldText(14, "35.5");
        QCOMPARE(edit(14)->text(), QString("40"));
        QCOMPARE(messages.texts, QStringList({OutOfRange}));
        QVERIFY(filled(12));
        window_->setFieldText(10, "123.45"); // a computed area is not cut to five characters
        QCOMPARE(edit(10)->text(), QString("123.45"));
        QVERIFY(filled(8));
    }

    void aRainfallRowIsWrittenWithoutSpuriousMessages() {
        MessageAnswerer messages;
        choose(0, 0);
        type(9, "50");
        window_->setFieldTexts({{8, "61.2"}, {24, "72.4"}, {25, "80.1"}, {26, "91.3"}, {9, "104.5"}});
        QCOMPARE(edit(26)->text(), QString("91.3"));
        QCOMPARE(edit(9)->text(), QString("104.5"));
        QVERIFY(messages.texts.isEmpty());
        QVERIFY(window_->computeButton()->isEnabled() ==
                false); // the valley line and slope are still missing
        for (int m = 3; m <= 7; ++m) {
            QVERIFY(filled(m));
        }
        // Values out of order are still put right.
        window_->setFieldTexts({{8, "120"}, {9, "110"}});
        QCOMPARE(edit(9)->text(), QString("120"));
        QCOMPARE(messages.texts, QStringList({Rain100}));
    }

    void computeRunsOnCorrectedValues() {
        MessageAnswerer messages;
        fillVariantIOneSlope();
        QSignalSpy computes(window_.get(), &ProjectInputWindow::computeRequested);
        replace(14, "30");
        // Not finished yet, the value is named as a problem and the button is
        // off; the compute command (F9) finishes it first.
        QVERIFY(!window_->computeButton()->isEnabled());
        QCOMPARE(window_->inputProblems().size(), 1);
        window_->computeCommand();
        QCOMPARE(computes.count(), 1);
        QCOMPARE(edit(14)->text(), QString("40"));
        QCOMPARE(state_->CurrentProject.Texts.Edit[14], std::string("40"));
        QCOMPARE(state_->CurrentProject.Texts.Variant, 0);
        QCOMPARE(messages.texts, QStringList({OutOfRange}));
    }

    // A value is judged once it is finished (Enter, leaving the field,
    // computing), never while it is typed, and only once.
    void valueIsCheckedWhenFinished() {
        MessageAnswerer messages;
        choose(0, 0);
        type(14, "1");
        QCOMPARE(edit(14)->text(), QString("1"));
        type(14, "20");
        QTest::keyClick(edit(14), Qt::Key_Return);
        QCOMPARE(edit(14)->text(), QString("100"));
        QCOMPARE(messages.texts, QStringList({OutOfRange}));
        leave(14);
        QTest::keyClick(edit(14), Qt::Key_Return);
        QCOMPARE(messages.texts.size(), 1);
    }

    // One typo, one message: the value out of range, the N = 100 rain it
    // raises and the order of the rainfall it breaks are said together.
    void oneTypoGivesOneMessage() {
        MessageAnswerer messages;
        choose(0, 0);
        type(9, "90");
        type(25, "60");
        type(24, "52999");
        leave(24);
        QCOMPARE(messages.texts, QStringList({OutOfRange}));
        QCOMPARE(edit(24)->text(), QString("500"));
        QCOMPARE(edit(9)->text(), QString("500"));
        QVERIFY(messages.details.front().contains(Rain100));
        QVERIFY(messages.details.front().contains(QString::fromUtf8("N = 20 let (60 mm) je menší než")));
        leave(24); // passing through again
        QCOMPARE(messages.texts.size(), 1);
    }

    // Empty fields reached by Tab are no error; with N = 100 chosen the empty
    // N = 100 field takes the N field's rain without a message.
    void tabbingThroughEmptyFieldsSaysNothing() {
        MessageAnswerer messages;
        choose(1, 1);
        for (QWidget* field : {static_cast<QWidget*>(edit(5)), static_cast<QWidget*>(list(3)),
                               static_cast<QWidget*>(edit(8)), static_cast<QWidget*>(edit(9)),
                               static_cast<QWidget*>(edit(14)), static_cast<QWidget*>(edit(15))}) {
            leave(field);
        }
        type(8, "60");
        leave(8);
        leave(9);
        QCOMPARE(edit(9)->text(), QString("60"));
        QCOMPARE(messages.texts, QStringList());
    }

    void tabbingMovesDownTheFieldsAndCorrects() {
        MessageAnswerer messages;
        choose(0, 0);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        edit(8)->setFocus(Qt::TabFocusReason);
        QVERIFY(edit(8)->hasFocus());
        QTest::keyClicks(edit(8), "600");
        QTest::keyClick(edit(8), Qt::Key_Tab);
        QCoreApplication::processEvents(); // the correction runs once the focus has moved on
        QCOMPARE(edit(8)->text(), QString("500"));
        QCOMPARE(messages.texts, QStringList({OutOfRange}));
        WaitForFocus(edit(24)); // N = 10 follows N = 5
        QTest::keyClick(edit(24), Qt::Key_Tab);
        QVERIFY(edit(25)->hasFocus());
        QTest::keyClick(edit(25), Qt::Key_Tab);
        QTest::keyClick(edit(26), Qt::Key_Tab);
        QVERIFY(edit(9)->hasFocus());
        QTest::keyClick(edit(9), Qt::Key_Tab);
        QVERIFY(edit(10)->hasFocus());
    }

    void missingInputsAreNamedAndMarked() {
        QCOMPARE(list(1)->placeholderText(), QString("Vyber typ povodí"));
        QCOMPARE(window_->inputProblems().value(0), QString("Typ povodí: není zvolen."));
        QVERIFY(list(1)->property("inputProblem").toBool());
        QSignalSpy changed(window_.get(), &ProjectInputWindow::inputProblemsChanged);
        choose(0, 0);
        QVERIFY(!changed.isEmpty());
        const QString missing = QStringLiteral("Délka údolnice [km]: není vyplněno.");
        QVERIFY(window_->inputProblems().contains(missing));
        QVERIFY(edit(5)->property("inputProblem").toBool());
        QVERIFY(edit(5)->toolTip().startsWith(missing));
        QVERIFY(list(4)->property("inputProblem").toBool());

        fillVariantIOneSlope();
        QVERIFY(window_->computeButton()->isEnabled());
        QCOMPARE(window_->inputProblems(), QStringList());
        QVERIFY(!edit(5)->property("inputProblem").toBool());
        QCOMPARE(edit(5)->toolTip(),
                 QString("Délka údolnice [km]\nJednotka: km\nPřípustné hodnoty: větší než "
                         "0\nNejvýše 5 znaků, desetinná tečka"));
        const QStringList textFields = {"Memo1", "Edit1", "Edit2", "Edit3", "Edit4"}; // identification texts
        for (QLineEdit* field : window_->findChildren<QLineEdit*>()) {
            if (field->isVisibleTo(window_.get()) && !textFields.contains(field->objectName())) {
                QVERIFY2(field->toolTip().contains("Jednotka: ") &&
                             field->toolTip().contains("Přípustné hodnoty: "),
                         qPrintable(field->objectName()));
            }
        }
        // A value typed beyond its range is named until leaving the field corrects it.
        replace(14, "120");
        QCOMPARE(window_->inputProblems(),
                 QStringList({"Číslo CN křivky [40-100]: hodnota musí ležet v rozmezí 40 až 100."}));
        QVERIFY(edit(14)->property("inputProblem").toBool());
    }

    void correctionMessageNamesTheFieldAndKeepsKeysTypedMeanwhile() {
        QStringList seen;
        ModalScript answer({[&seen](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            seen << box->text() << box->informativeText();
            QTest::keyClicks(box, "25"); // the user goes on typing the next value
            box->button(QMessageBox::Ok)->click();
        }});
        choose(1, 0);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        edit(14)->setFocus(Qt::TabFocusReason);
        QVERIFY(edit(14)->hasFocus());
        QTest::keyClicks(edit(14), "120");
        QTest::keyClick(edit(14), Qt::Key_Tab);
        QCoreApplication::processEvents(); // the correction runs once the focus has moved on
        QVERIFY(answer.finished());
        QCOMPARE(edit(14)->text(), QString("100"));
        QCOMPARE(seen, QStringList({OutOfRange, "Pole: Číslo CN křivky (levý svah)\nZadaná hodnota: 120\n"
                                                "Přípustné hodnoty: 40 až 100\nNová hodnota: 100"}));
        WaitForFocus(edit(17)); // the right slope's area follows in Variant I
        QCOMPARE(edit(17)->text(), QString("25"));
    }

    void closingLetsTheMainWindowAsk() {
        QSignalSpy closing(window_.get(), &ProjectInputWindow::closing);
        type(5, "1");
        window_->close();
        QCOMPARE(closing.count(), 1);
    }

    // Pictures of the window for a look by eye, written when
    // HYDRIM_SCREENSHOT_DIR names a directory.
    void screenshots() {
        const QString directory = qEnvironmentVariable("HYDRIM_SCREENSHOT_DIR");
        fillVariantIOneSlope();
        list(1)->setCurrentIndex(1);
        type(17, "0.5");
        window_->memo()->setPlainText(QString::fromUtf8("Povodí Bílého potoka nad obcí Kamenice"));
        settle();
        const QPixmap variantI = window_->grab();
        QVERIFY(!variantI.isNull());
        list(1)->setCurrentIndex(0);
        list(2)->setCurrentIndex(2);
        type(15, "60");
        type(16, "1.2");
        settle();
        const QPixmap variantIII = window_->grab();
        QVERIFY(variantIII.size() == variantI.size());
        if (!directory.isEmpty()) {
            QVERIFY(variantI.save(QDir(directory).filePath("projekt_variant1_two_slopes.png")));
            QVERIFY(variantIII.save(QDir(directory).filePath("projekt_variant3_one_slope.png")));
        }
    }
};

QTEST_MAIN(TestProjectInputWindow)
#include "test_project_input_window.moc"
