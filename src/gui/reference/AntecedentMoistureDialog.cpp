#include "gui/reference/AntecedentMoistureDialog.h"

#include "core/reference/MoistureGroups.h"
#include "gui/reference/CellText.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace hydrim::gui {

namespace {

constexpr int LeftCurveTypeList = 4;
constexpr int RightCurveTypeList = 5;

} // namespace

AntecedentMoistureDialog::AntecedentMoistureDialog(LookupContext& context, QWidget* parent)
    : LookupWindow(context, parent) {
    setWindowTitle(QStringLiteral("Skupiny PVP"));
    setFont(LookupFont(11));

    const MoistureGroupTable& groups = MoistureGroups();
    auto* title = new QLabel(QString::fromStdString(groups.Title), this);
    title->setFont(LookupFont(12, true));
    title->setAlignment(Qt::AlignCenter);

    auto* groupHeading = new QLabel(QString::fromStdString(groups.GroupHeading), this);
    auto* rainHeading = new QLabel(QString::fromStdString(groups.RainHeading), this);
    for (QLabel* heading : {groupHeading, rainHeading}) {
        heading->setFont(LookupFont(11, true));
        heading->setAlignment(Qt::AlignCenter);
    }

    // Both boxes carry a title line, so the radio items and the rainfall
    // lines of each group stand on the same rows.
    constexpr int RowHeight = 30;
    auto* radioBox = new QGroupBox(QStringLiteral(" "), this);
    auto* radioLayout = new QVBoxLayout(radioBox);
    radioLayout->setSpacing(0);
    moistureChoice = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* item = new QRadioButton(QString::fromStdString(groups.Items[static_cast<size_t>(i)]), radioBox);
        item->setFixedHeight(RowHeight);
        moistureChoice->addButton(item, i);
        radioLayout->addWidget(item);
    }

    auto* rainBox = new QGroupBox(QString::fromStdString(groups.SeasonsTitle), this);
    auto* rainLayout = new QVBoxLayout(rainBox);
    rainLayout->setSpacing(0);
    for (const std::string& line : groups.RainLines) {
        auto* label = new QLabel(QString::fromStdString(line), rainBox);
        label->setFixedHeight(RowHeight);
        rainLayout->addWidget(label);
    }

    closeButton = new QPushButton(QStringLiteral("&Zavřít"), this);
    closeButton->setDefault(true);

    auto* table = new QGridLayout;
    table->addWidget(groupHeading, 0, 0);
    table->addWidget(rainHeading, 0, 1);
    table->addWidget(radioBox, 1, 0);
    table->addWidget(rainBox, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(table);
    layout->addLayout(buttons);

    connect(moistureChoice, &QButtonGroup::idClicked, this, &AntecedentMoistureDialog::chooseMoisture);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    fixSizeToContent();
}

QRadioButton* AntecedentMoistureDialog::radioItem(int index) const {
    return static_cast<QRadioButton*>(moistureChoice->button(index));
}

int AntecedentMoistureDialog::itemIndex() const {
    return moistureChoice->checkedId();
}

void AntecedentMoistureDialog::openFor(int curveTypeItem) {
    // A group with an exclusive check cannot show "none" otherwise.
    moistureChoice->setExclusive(false);
    for (QAbstractButton* item : moistureChoice->buttons()) {
        item->setChecked(moistureChoice->id(item) == curveTypeItem);
    }
    moistureChoice->setExclusive(true);
    showCentred();
}

void AntecedentMoistureDialog::chooseMoisture(int index) {
    if (context_.link) {
        context_.link->setComboIndex(leftSlope() ? LeftCurveTypeList : RightCurveTypeList, index);
    }
}

} // namespace hydrim::gui
