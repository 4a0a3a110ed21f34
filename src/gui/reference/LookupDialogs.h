// The lookup dialogs of the input window: created once at start (each reads
// its reference table then), opened by the input window's lookup buttons for
// one slope at a time, writing the chosen values back into the input window.
#pragma once

#include "gui/reference/LookupWindow.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <string>

namespace hydrim::gui {

class ProjectInputWindow;
class RainfallTableDialog;
class AntecedentMoistureDialog;
class RoughnessTableDialog;
class CnPathChoiceDialog;
class CnSoilGroupDialog;
class CnSoilUnitDialog;
class CnNumberTableDialog;
class CnWizard;

class LookupDialogs : public QObject {
    Q_OBJECT
public:
    // Creates the seven dialogs, reading their tables from dataDir; read
    // errors are reported together in one message box. The dialogs are
    // children of mainWindow; the manager itself is owned by its creator and
    // takes the dialogs with it when it goes first.
    LookupDialogs(AppState& state, const std::string& dataDir, QWidget* mainWindow);
    ~LookupDialogs() override;

    // Connects the dialogs to an input window (again whenever it is created
    // anew); dialogs still open for a previous window are closed.
    void attach(ProjectInputWindow* window);
    // The same for any implementation of the link (not owned; null detaches).
    void attachLink(InputWindowLink* link);

    // What the lookup button SpeedButtonK of the input window does.
    void openLookup(int speedButton, bool leftSlope);
    void closeAll();

    QStringList readErrors() const { return readErrors_; }

    RainfallTableDialog* rainfall() const;
    AntecedentMoistureDialog* moisture() const;
    RoughnessTableDialog* roughness() const;
    CnPathChoiceDialog* pathChoice() const;
    CnSoilGroupDialog* soilGroups() const;
    CnSoilUnitDialog* soilUnits() const;
    CnNumberTableDialog* curveNumbers() const;
    CnWizard* wizard() const;

private:
    void openRoughness(bool leftSlope);
    void openMoisture(bool leftSlope);
    void openRainfall();
    void slopeDialogClosed(LookupWindow* dialog, int leftButton, int rightButton);
    QList<QDialog*> dialogs() const;

    LookupContext context_;
    std::unique_ptr<InputWindowLink> ownedLink_;
    QPointer<QObject> attachedWindow_;
    QList<QMetaObject::Connection> windowConnections_;
    QStringList readErrors_;

    QPointer<RainfallTableDialog> rainfall_;
    QPointer<AntecedentMoistureDialog> moisture_;
    QPointer<RoughnessTableDialog> roughness_;
    QPointer<CnPathChoiceDialog> pathChoice_;
    QPointer<CnSoilGroupDialog> soilGroups_;
    QPointer<CnSoilUnitDialog> soilUnits_;
    QPointer<CnNumberTableDialog> curveNumbers_;
    QPointer<CnWizard> wizard_;
};

} // namespace hydrim::gui
