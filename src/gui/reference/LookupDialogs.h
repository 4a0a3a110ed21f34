// The lookup dialogs of the input window: created once at start (each reads
// its reference table then), opened by the input window's lookup buttons for
// one slope at a time, writing the chosen values back into the input window.
#pragma once

#include "reference/LookupWindow.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <string>

namespace hydrim::gui {

class TProjekt1;
class TSrazky1;
class TPVPtab1;
class TGamatab1;
class TCNrozhod1;
class THSPtab1;
class TBPEJtab1;
class TCNcis1;
class CnWizard;

class LookupDialogs : public QObject {
    Q_OBJECT
public:
    // Creates the seven dialogs, reading their tables from dataDir; read
    // errors are reported together in one message box.
    LookupDialogs(AppState& state, const std::string& dataDir, QWidget* mainWindow);
    ~LookupDialogs() override;

    // Connects the dialogs to an input window (again whenever it is created
    // anew); dialogs still open for a previous window are closed.
    void attach(TProjekt1* window);
    // The same for any implementation of the link (not owned; null detaches).
    void attachLink(InputWindowLink* link);

    // What the lookup button SpeedButtonK of the input window does.
    void openLookup(int speedButton, bool leftSlope);
    void closeAll();

    QStringList readErrors() const { return readErrors_; }

    TSrazky1* rainfall() const { return rainfall_; }
    TPVPtab1* moisture() const { return moisture_; }
    TGamatab1* roughness() const { return roughness_; }
    TCNrozhod1* pathChoice() const { return pathChoice_; }
    THSPtab1* soilGroups() const { return soilGroups_; }
    TBPEJtab1* soilUnits() const { return soilUnits_; }
    TCNcis1* curveNumbers() const { return curveNumbers_; }
    CnWizard* wizard() const { return wizard_; }

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

    TSrazky1* rainfall_ = nullptr;
    TPVPtab1* moisture_ = nullptr;
    TGamatab1* roughness_ = nullptr;
    TCNrozhod1* pathChoice_ = nullptr;
    THSPtab1* soilGroups_ = nullptr;
    TBPEJtab1* soilUnits_ = nullptr;
    TCNcis1* curveNumbers_ = nullptr;
    CnWizard* wizard_ = nullptr;
};

} // namespace hydrim::gui
