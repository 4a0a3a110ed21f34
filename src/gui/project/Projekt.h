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

namespace hydrim::gui {

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

    // Runs the change reaction of a field as typing would (used when a
    // lookup dialog writes a value into a field).
    void setFieldText(int k, const QString& text);

signals:
    void modified();          // any change: the project counts as modified
    void computeRequested();  // "&Vypočítej" pressed
    void computeStateChanged(bool enabled);
    void lookupRequested(int speedButton, bool leftSlope);
};

} // namespace hydrim::gui
