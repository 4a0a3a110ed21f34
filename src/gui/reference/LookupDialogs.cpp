#include "gui/reference/LookupDialogs.h"

#include "gui/reference/AntecedentMoistureDialog.h"
#include "gui/reference/CnNumberTableDialog.h"
#include "gui/reference/CnPathChoiceDialog.h"
#include "gui/reference/CnSoilGroupDialog.h"
#include "gui/reference/CnSoilUnitDialog.h"
#include "gui/reference/CnWizard.h"
#include "gui/reference/RainfallTableDialog.h"
#include "gui/reference/RoughnessTableDialog.h"

#include <algorithm>

namespace hydrim::gui {

namespace {

constexpr int RoughnessLeft = 1, MoistureLeft = 2, CurveNumberLeft = 3;
constexpr int RoughnessRight = 4, MoistureRight = 5, CurveNumberRight = 6;
constexpr int RainfallButton = 7;
constexpr int VariantList = 2;
constexpr int ReturnPeriodList = 3;
constexpr int LeftCurveTypeList = 4, RightCurveTypeList = 5;

} // namespace

LookupDialogs::LookupDialogs(AppState& state, const std::string& dataDir, QWidget* mainWindow)
    : context_{state, nullptr} {
    rainfall_ = new RainfallTableDialog(context_, dataDir, mainWindow);
    moisture_ = new AntecedentMoistureDialog(context_, mainWindow);
    roughness_ = new RoughnessTableDialog(context_, dataDir, mainWindow);
    pathChoice_ = new CnPathChoiceDialog(context_, mainWindow);
    soilGroups_ = new CnSoilGroupDialog(context_, dataDir, mainWindow);
    soilUnits_ = new CnSoilUnitDialog(context_, dataDir, mainWindow);
    curveNumbers_ = new CnNumberTableDialog(context_, dataDir, mainWindow);
    wizard_ = new CnWizard(context_, pathChoice_, soilGroups_, soilUnits_, curveNumbers_);

    // The soil-unit groups of both slopes start from the table as read,
    // unless a project has filled them already.
    LookupState& lookup = context_.lookup();
    for (auto& groups : lookup.SoilUnitGroups) {
        const bool empty =
            std::all_of(groups.begin(), groups.end(), [](const std::string& g) { return g.empty(); });
        if (empty) {
            groups = state.Reference.SoilUnitGroupsOriginal;
        }
    }

    connect(roughness_, &QDialog::finished, this,
            [this] { slopeDialogClosed(roughness_, RoughnessLeft, RoughnessRight); });
    connect(moisture_, &QDialog::finished, this,
            [this] { slopeDialogClosed(moisture_, MoistureLeft, MoistureRight); });

    for (const Error& error : {rainfall_->readError(), roughness_->readError(), soilGroups_->readError(),
                               soilUnits_->readError(), curveNumbers_->readError()}) {
        if (error) {
            readErrors_.append(QString::fromStdString(error.Message));
        }
    }
    if (!readErrors_.isEmpty()) {
        ShowLookupMessage(mainWindow, QMessageBox::Critical, readErrors_.join(u'\n'));
    }
}

LookupDialogs::~LookupDialogs() {
    // The dialogs work with this manager's state: they may not outlive it.
    for (QDialog* dialog : dialogs()) {
        delete dialog;
    }
}

QList<QDialog*> LookupDialogs::dialogs() const {
    QList<QDialog*> alive;
    for (QDialog* dialog : std::initializer_list<QDialog*>{rainfall_, moisture_, roughness_, pathChoice_,
                                                           soilGroups_, soilUnits_, curveNumbers_}) {
        if (dialog) {
            alive.append(dialog);
        }
    }
    return alive;
}

RainfallTableDialog* LookupDialogs::rainfall() const {
    return rainfall_;
}
AntecedentMoistureDialog* LookupDialogs::moisture() const {
    return moisture_;
}
RoughnessTableDialog* LookupDialogs::roughness() const {
    return roughness_;
}
CnPathChoiceDialog* LookupDialogs::pathChoice() const {
    return pathChoice_;
}
CnSoilGroupDialog* LookupDialogs::soilGroups() const {
    return soilGroups_;
}
CnSoilUnitDialog* LookupDialogs::soilUnits() const {
    return soilUnits_;
}
CnNumberTableDialog* LookupDialogs::curveNumbers() const {
    return curveNumbers_;
}
CnWizard* LookupDialogs::wizard() const {
    return wizard_;
}

void LookupDialogs::attachLink(InputWindowLink* link) {
    closeAll();
    context_.link = link;
}

void LookupDialogs::closeAll() {
    if (wizard_) {
        wizard_->closeAll();
    }
    for (QDialog* dialog : dialogs()) {
        if (dialog->isVisible()) {
            dialog->reject();
        }
    }
}

void LookupDialogs::openLookup(int speedButton, bool leftSlope) {
    if (dialogs().size() != 7 || !wizard_) {
        return; // the main window is going away
    }
    switch (speedButton) {
    case RoughnessLeft:
    case RoughnessRight:
        openRoughness(leftSlope);
        break;
    case MoistureLeft:
    case MoistureRight:
        openMoisture(leftSlope);
        break;
    case CurveNumberLeft:
    case CurveNumberRight:
        if (!wizard_->isOpen()) {
            context_.lookup().DialogForLeftSlope = leftSlope;
        }
        wizard_->open(leftSlope);
        break;
    case RainfallButton:
        openRainfall();
        break;
    default:
        break;
    }
}

void LookupDialogs::openRoughness(bool leftSlope) {
    if (roughness_->isVisible()) {
        roughness_->raise(); // serving one slope; the other slope's button is disabled
        return;
    }
    context_.lookup().DialogForLeftSlope = leftSlope;
    roughness_->setLeftSlope(leftSlope);
    if (context_.link) {
        context_.link->setLookupButtonEnabled(leftSlope ? RoughnessRight : RoughnessLeft, false);
    }
    roughness_->openFor();
}

void LookupDialogs::openMoisture(bool leftSlope) {
    if (moisture_->isVisible()) {
        moisture_->raise();
        return;
    }
    context_.lookup().DialogForLeftSlope = leftSlope;
    moisture_->setLeftSlope(leftSlope);
    const int list = leftSlope ? LeftCurveTypeList : RightCurveTypeList;
    if (context_.link) {
        context_.link->setLookupButtonEnabled(leftSlope ? MoistureRight : MoistureLeft, false);
    }
    moisture_->openFor(context_.link ? context_.link->comboIndex(list) : -1);
}

void LookupDialogs::openRainfall() {
    if (!context_.link) {
        return;
    }
    const int returnPeriod = context_.link->comboIndex(ReturnPeriodList);
    if (returnPeriod < 0) {
        return;
    }
    rainfall_->openFor(context_.link->comboIndex(VariantList), returnPeriod);
}

void LookupDialogs::slopeDialogClosed(LookupWindow* dialog, int leftButton, int rightButton) {
    if (!context_.link) {
        return;
    }
    context_.link->lookupClosed(dialog->leftSlope() ? leftButton : rightButton);
    context_.link->setLookupButtonEnabled(leftButton, true);
    context_.link->setLookupButtonEnabled(rightButton, true);
}

} // namespace hydrim::gui
