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
    // errors are reported together in one message box. The dialogs are
    // children of mainWindow; the manager itself is owned by its creator and
    // takes the dialogs with it when it goes first.
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

    TSrazky1* rainfall() const;
    TPVPtab1* moisture() const;
    TGamatab1* roughness() const;
    TCNrozhod1* pathChoice() const;
    THSPtab1* soilGroups() const;
    TBPEJtab1* soilUnits() const;
    TCNcis1* curveNumbers() const;
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

    QPointer<TSrazky1> rainfall_;
    QPointer<TPVPtab1> moisture_;
    QPointer<TGamatab1> roughness_;
    QPointer<TCNrozhod1> pathChoice_;
    QPointer<THSPtab1> soilGroups_;
    QPointer<TBPEJtab1> soilUnits_;
    QPointer<TCNcis1> curveNumbers_;
    QPointer<CnWizard> wizard_;
};

} // namespace hydrim::gui
