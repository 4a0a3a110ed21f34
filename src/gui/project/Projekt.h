// The project input window: the master copy of the project's inputs while the
// program runs. It filters and corrects what is typed, keeps the rainfall
// texts and the set of filled inputs up to date, shows the fields the chosen
// catchment type and variant need, and offers the compute button.
#pragma once

#include "project/ProjectData.h"

#include <QWidget>

class QLineEdit;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QCloseEvent;

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

    // Writes a value into EditK as typing it and leaving the field would:
    // the change reaction (filtering, membership, rainfall texts, modified
    // mark) and then the range corrections with their messages. Used when a
    // lookup dialog writes a value into a field.
    void setFieldText(int k, const QString& text);

public slots:
    // A lookup dialog opened by speedButton(k) was closed: its twin button on
    // the other slope (1 <-> 4, 2 <-> 5), disabled while the dialog was open,
    // is enabled again.
    void lookupClosed(int speedButton);

signals:
    void modified();          // any change: the project counts as modified
    void computeRequested();  // "&Vypočítej" pressed (after storeProject())
    void computeStateChanged(bool enabled);
    void lookupRequested(int speedButton, bool leftSlope);
    // Emitted from the close event, before the window goes away: the main
    // window asks "Uložit provedené změny do projektu?" here when the project
    // is modified, saves on Yes and closes the result-table windows.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace hydrim::gui
