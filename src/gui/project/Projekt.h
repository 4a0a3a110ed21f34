// The project input window: the master copy of the project's inputs while the
// program runs. It filters and corrects what is typed, keeps the rainfall
// texts and the set of filled inputs up to date, shows the fields the chosen
// catchment type and variant need, and offers the compute button.
#pragma once

#include "core/project/FieldLimits.h"
#include "core/project/ProjectData.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <deque>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QGroupBox;
class QLineEdit;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QCloseEvent;
class QKeyEvent;

namespace hydrim::gui {

// The caption of a project that has no file yet.
inline const char* const UntitledProjectCaption = "Nepojmenovaný projekt";

class TProjekt1 : public QWidget {
    Q_OBJECT
public:
    TProjekt1(AppState& state, QWidget* parent = nullptr);

    // Field access for the lookup dialogs and the tests: EditK (1..26),
    // ComboBoxK (1..5), the description memo, the compute button and the
    // lookup buttons SpeedButton1..7.
    QLineEdit* edit(int k) const;
    QComboBox* comboBox(int k) const;
    QPlainTextEdit* memo() const;
    QPushButton* computeButton() const;
    QToolButton* speedButton(int k) const;

    // Empties the window and the project (the New command).
    void clearProject();
    // Shows AppState::CurrentProject (after a project file was read).
    void showProject();
    // Copies the fields into AppState::CurrentProject (before saving and computing).
    void storeProject();

    // What keeps the project from being computed, one Czech sentence per
    // missing or invalid input, in the order of the window; empty exactly
    // when the compute button is enabled. The fields concerned are tinted and
    // their tooltips start with the sentence.
    QStringList inputProblems() const { return problems_; }

    QSize sizeHint() const override;

    // Writes a value into EditK as typing it and leaving the field would:
    // the change reaction (filtering, membership, rainfall texts, modified
    // mark) and then the range corrections with their messages. Used when a
    // lookup dialog writes a value into a field.
    void setFieldText(int k, const QString& text);
    // Writes several values at once (a rainfall row: N = 5 ... N = 100), then
    // runs the range corrections of each, so that the N = 100 rule compares
    // the new values with each other rather than with the old N = 100 value.
    void setFieldTexts(const std::vector<std::pair<int, QString>>& values);

public slots:
    // The compute command (F9): finishes the value being typed (its range
    // check and corrections, with at most one message), then computes when
    // the inputs are complete; otherwise the focus goes to the first field
    // the main window's status bar names.
    void computeCommand();
    // A lookup dialog opened by speedButton(k) was closed: its twin button on
    // the other slope (1 <-> 4, 2 <-> 5), disabled while the dialog was open,
    // is enabled again.
    void lookupClosed(int speedButton);

signals:
    void modified();         // any change: the project counts as modified
    void computeRequested(); // "&Vypočítej" pressed (after storeProject())
    void computeStateChanged(bool enabled);
    // The missing or invalid inputs changed (see inputProblems()).
    void inputProblemsChanged(const QStringList& problems);
    void lookupRequested(int speedButton, bool leftSlope);
    // Emitted from the close event, before the window goes away: the main
    // window asks "Uložit provedené změny do projektu?" here when the project
    // is modified, saves on Yes and closes the result-table windows.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void growToFitContents();
    // Building the window (ProjektLayout.cpp).
    void buildWindow();
    QWidget* buildIdentificationGroup();
    QWidget* buildParametersGroup();
    QWidget* buildDescriptionGroup();
    QWidget* buildCatchmentGroup();
    QWidget* buildSlopeGroup();
    void buildHiddenFields();
    // Shows the identification texts. Typing is limited to
    // IdentificationMaxLength characters, but a longer text of a project file
    // is shown whole.
    void showIdentification(const ProjectTexts& texts);
    void setTabOrder();
    QLineEdit* makeEdit(int k);
    QToolButton* makeSpeedButton(int k, const QString& hint);
    QLabel* makeLabel(int number, const QString& text);
    void connectHandlers();

    // Change handlers.
    void numericFieldChanged(int k);
    void mirrorRainToRightSlope(int k);
    void storeRainfallText(int k, const std::string& text);
    void catchmentTypeChanged();
    void variantChanged();
    void returnPeriodChanged();
    void curveTypeChanged(int comboBox);
    void inputChanged();
    void updateVisibility();
    void setRainLabelForVariant();
    void setMember(int member, bool filled);
    void refreshMembership();
    void writeField(int k, const QString& text);
    int catchmentType() const;
    int variant() const;
    int returnPeriodItem() const;

    // What the corrections of one commit have to say, shown as one message.
    struct ExitReport {
        QString text;        // the message of the first correction
        QStringList details; // what each correction did
        QString warning;     // the rainfall order warning
    };

    // Leaving a field: the corrections run once the focus has moved on, and
    // only for a value typed since its last check.
    void fieldLeft(int k);
    // Enter: the corrections of field EditK run now.
    void commitField(int k);
    // Computing: the corrections of every field typed into since its check.
    void commitTypedFields();
    void runPendingExits();
    void collectExitCorrections(int k, ExitReport& report);
    void showExitReport(const ExitReport& report);

    bool filterRainKey(QLineEdit* field, QKeyEvent* event);
    void speedButtonClicked(int k);
    void computeButtonClicked();

    // Feedback on the inputs (ProjektFeedback.cpp).
    ProjectTexts windowTexts() const;
    void updateProblems();
    void markField(QWidget* field, const QString& tooltip, const QString& problem);

    AppState& state_;
    std::array<QLineEdit*, 27> edits_{};
    std::array<QComboBox*, 6> comboBoxes_{};
    std::array<QToolButton*, 8> speedButtons_{};
    std::array<QLabel*, 24> labels_{};
    QPlainTextEdit* memo_ = nullptr;
    QPushButton* computeButton_ = nullptr;
    QGroupBox* variantGroup_ = nullptr;   // "Varianta"
    QGroupBox* catchmentGroup_ = nullptr; // "Povodí"
    QGroupBox* slopeGroup_ = nullptr;     // "Jeden svah" / "Dva svahy"
    QGroupBox* leftColumn_ = nullptr;
    QGroupBox* rightColumn_ = nullptr;
    std::array<QWidget*, 27> fieldCells_{}; // the cell holding EditK with its lookup button

    bool loading_ = false;   // the window is being filled: no change reactions
    bool rewriting_ = false; // the filter writes a field back
    bool programWrite_ = false;
    bool correcting_ = false;
    bool computeEnabled_ = false;
    std::deque<int> pendingExits_;
    std::array<bool, 27> typedSinceCheck_{}; // EditK typed into since its corrections last ran
    QStringList problems_;
    QPointer<QWidget> firstProblemField_; // the field of the first of problems_
};

} // namespace hydrim::gui
