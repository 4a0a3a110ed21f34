#include "gui/reference/CnWizard.h"

#include "core/reference/LookupWeighting.h"
#include "gui/reference/CnNumberTableDialog.h"
#include "gui/reference/CnPathChoiceDialog.h"
#include "gui/reference/CnSoilGroupDialog.h"
#include "gui/reference/CnSoilUnitDialog.h"
#include "gui/reference/LookupGrid.h"

#include <QPushButton>

namespace hydrim::gui {

namespace {

constexpr int LeftCnButton = 3;
constexpr int RightCnButton = 6;

} // namespace

CnWizard::CnWizard(LookupContext& context, CnPathChoiceDialog* choice, CnSoilGroupDialog* groups,
                   CnSoilUnitDialog* units, CnNumberTableDialog* numbers)
    : QObject(choice), context_(context), choice_(choice), groups_(groups), units_(units), numbers_(numbers) {
    connect(choice_, &CnPathChoiceDialog::filtrationChosen, this, &CnWizard::chooseFiltration);
    connect(choice_, &CnPathChoiceDialog::soilUnitsChosen, this, &CnWizard::chooseSoilUnits);
    connect(groups_, &CnSoilGroupDialog::soilGroupFound, this,
            [this](int category) { showCurveNumbers(category, groups_); });
    connect(units_, &CnSoilUnitDialog::soilGroupFound, this,
            [this](int category) { showCurveNumbers(category, units_); });
    connect(units_, &CnSoilUnitDialog::decisionRequested, this, &CnWizard::openDecision);
    connect(groups_, &CnSoilGroupDialog::groupChosen, this, &CnWizard::decide);
    connect(numbers_, &CnNumberTableDialog::backRequested, this, &CnWizard::back);
    connect(numbers_, &CnNumberTableDialog::insertRequested, this, &CnWizard::insert);
    for (QDialog* window : std::initializer_list<QDialog*>{choice_, groups_, units_, numbers_}) {
        connect(window, &QDialog::finished, this, &CnWizard::updateButtons);
    }
    // Closing the decision panel returns to the soil units.
    connect(groups_, &QDialog::finished, this, [this] {
        if (!groups_->inDecisionMode()) {
            return;
        }
        units_->setDecisionTracking(true);
        if (units_->isVisible()) {
            units_->grid->setFocus();
        }
    });
    // A decision cannot outlive its soil unit table.
    connect(units_, &QDialog::finished, this, [this] {
        if (groups_->inDecisionMode() && groups_->isVisible()) {
            groups_->reject();
        }
    });
}

bool CnWizard::isOpen() const {
    return choice_->isVisible() || groups_->isVisible() || units_->isVisible() || numbers_->isVisible();
}

void CnWizard::updateButtons() {
    if (!context_.link) {
        return;
    }
    const bool enabled = !isOpen();
    context_.link->setLookupButtonEnabled(LeftCnButton, enabled);
    context_.link->setLookupButtonEnabled(RightCnButton, enabled);
}

void CnWizard::closeAll() {
    for (QDialog* window : std::initializer_list<QDialog*>{groups_, units_, numbers_, choice_}) {
        if (window->isVisible()) {
            window->reject();
        }
    }
}

void CnWizard::loadSlope() {
    // All tables show the entries of the slope in focus, so that "&Vložit"
    // stores for this slope only what belongs to it.
    const auto slope = SlopeIndex(leftSlope_);
    const LookupState& lookup = context_.lookup();
    groups_->loadAreas(lookup.SoilGroupAreas[slope]);
    units_->loadUnits(lookup.SoilUnitGroups[slope], lookup.SoilUnitAreas[slope]);
}

void CnWizard::open(bool leftSlope) {
    if (isOpen()) {
        for (QDialog* window : std::initializer_list<QDialog*>{choice_, groups_, units_, numbers_}) {
            if (window->isVisible()) {
                window->raise();
            }
        }
        return;
    }
    leftSlope_ = leftSlope;
    loadSlope();
    const LookupState& lookup = context_.lookup();
    const bool byFiltration =
        leftSlope_ ? lookup.LeftSoilGroupByFiltration : lookup.RightSoilGroupByFiltration;
    choice_->openFor(byFiltration);
    updateButtons();
}

void CnWizard::chooseFiltration() {
    context_.lookup().SoilGroupByFiltration = true;
    groups_->loadAreas(context_.lookup().SoilGroupAreas[SlopeIndex(leftSlope_)]);
    groups_->openAreaMode();
    choice_->reject();
}

void CnWizard::chooseSoilUnits() {
    context_.lookup().SoilGroupByFiltration = false;
    const auto slope = SlopeIndex(leftSlope_);
    units_->loadUnits(context_.lookup().SoilUnitGroups[slope], context_.lookup().SoilUnitAreas[slope]);
    units_->open();
    choice_->reject();
}

void CnWizard::warnOfAreaSum(const std::vector<std::string>& areas, QWidget* table) {
    if (!context_.link) {
        return;
    }
    const QString slopeArea = context_.link->fieldText(leftSlope_ ? EditAreaL : EditAreaR);
    const std::string warning = AreaSumWarning(areas, slopeArea.toStdString());
    if (!warning.empty()) {
        ShowLookupMessage(table, QMessageBox::Warning, QString::fromStdString(warning));
    }
}

void CnWizard::showCurveNumbers(int category, QWidget* from) {
    if (groups_->inDecisionMode() && groups_->isVisible()) {
        groups_->reject();
    }
    std::vector<std::string> areas;
    if (from == groups_) {
        const std::array<std::string, 4> groupAreas = groups_->areasAtoD();
        areas.assign(groupAreas.begin(), groupAreas.end());
    } else {
        for (int row = 3; row <= 66; ++row) {
            areas.push_back(units_->areaText(row).toStdString());
        }
    }
    warnOfAreaSum(areas, from);
    numbers_->showCategory(category);
    numbers_->openWith(context_.lookup().LandUseAreas[SlopeIndex(leftSlope_)]);
    static_cast<QDialog*>(from)->reject();
}

void CnWizard::openDecision(int row) {
    decisionRow_ = row;
    const auto& original = context_.state.Reference.SoilUnitGroupsOriginal[static_cast<size_t>(row)];
    units_->setDecisionTracking(false);
    groups_->openDecisionMode(QString::fromStdString(original), units_->groupText(row));
}

void CnWizard::decide(const QString& letter) {
    if (decisionRow_ >= 0) {
        units_->setGroupText(decisionRow_, letter);
    }
}

void CnWizard::back() {
    if (context_.lookup().SoilGroupByFiltration) {
        groups_->openAreaMode();
    } else {
        units_->open();
    }
    numbers_->reject();
}

void CnWizard::insert() {
    std::vector<std::string> landUseAreas;
    for (int row = 2; row <= 52; ++row) {
        landUseAreas.push_back(numbers_->areaText(row).toStdString());
    }
    warnOfAreaSum(landUseAreas, numbers_);
    LookupState& lookup = context_.lookup();
    const auto slope = SlopeIndex(leftSlope_);
    const std::array<std::string, 4> groupAreas = groups_->areasAtoD();
    for (size_t i = 0; i < groupAreas.size(); ++i) {
        lookup.SoilGroupAreas[slope][i + 2] = CutText(groupAreas[i], LookupState::CellWidth);
    }
    for (int row = 3; row <= 66; ++row) {
        const auto r = static_cast<size_t>(row);
        lookup.SoilUnitGroups[slope][r] =
            CutText(units_->groupText(row).toStdString(), LookupState::GroupWidth);
        lookup.SoilUnitAreas[slope][r] = CutText(units_->areaText(row).toStdString(), LookupState::CellWidth);
    }
    for (int row = 2; row <= 52; ++row) {
        lookup.LandUseAreas[slope][static_cast<size_t>(row)] =
            CutText(numbers_->areaText(row).toStdString(), LookupState::CellWidth);
    }
    (leftSlope_ ? lookup.LeftSoilGroupByFiltration : lookup.RightSoilGroupByFiltration) =
        lookup.SoilGroupByFiltration;
    if (context_.link) {
        context_.link->setFieldText(leftSlope_ ? EditCnL : EditCnR, numbers_->panel.valueText());
    }
    numbers_->reject();
}

} // namespace hydrim::gui
