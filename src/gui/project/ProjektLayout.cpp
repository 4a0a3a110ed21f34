// The controls of the project input window and their arrangement: the
// identification of the catchment across the top, the calculation parameters
// and the description under it, the valley line and rainfall on the left,
// the slopes on the right, the compute button below.
#include "gui/project/Projekt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace hydrim::gui {

namespace {

const QString RainLabelFirstLine = QStringLiteral("1-denní maximální srážkový\n");

const QString TypeHint = QStringLiteral("Vyber typ povodí\n"
                                        "Jeden svah - povodí lze popsat jedním svahem\n"
                                        "Dva svahy - povodí lze popsat dvěma svahy");
const QString VariantHint =
    QStringLiteral("Vyber variantu výpočtu\n"
                   "Varianta I - max N-letý průtok vyvolaný deštěm kritické doby trvání\n"
                   "Varianta II - max průtok při zadané době trvání deště a době opakování deště\n"
                   "Varianta III - maximální průtok při zadané době trvání deště a intenzitě deště");
const QString RoughnessHint = QStringLiteral("Tabulka doporučených hodnot drsnosti");
const QString MoistureHint = QStringLiteral("Skupiny předchozích vláhových podmínek");
const QString CurveNumberHint = QStringLiteral("Průvodce určením čísla CN křivky ");
const QString RainfallTableHint = QStringLiteral("Tabulka maximálních 1-denních srážkových úhrnů");
const QString ComputeHint = QStringLiteral("Provede výpočet dle vstupních parametrů (F9)");

// Room for five characters and the frame.
int FieldWidth(const QWidget* widget) {
    return widget->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
}

QComboBox* MakeList(const QString& name, const QStringList& items, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    list->setCurrentIndex(-1);
    return list;
}

// Keeps widget's place in its layout while it is hidden, so that the fields
// around it stay where they are.
void KeepPlaceWhenHidden(QWidget* widget) {
    auto policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

QLineEdit* TProjekt1::makeEdit(int k) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("Edit%1").arg(k));
    field->setFixedWidth(FieldWidth(field));
    edits_[static_cast<size_t>(k)] = field;
    return field;
}

QToolButton* TProjekt1::makeSpeedButton(int k, const QString& hint) {
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("SpeedButton%1").arg(k));
    button->setText(QStringLiteral("…"));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    speedButtons_[static_cast<size_t>(k)] = button;
    return button;
}

QLabel* TProjekt1::makeLabel(int number, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("Label%1").arg(number));
    labels_[static_cast<size_t>(number)] = label;
    return label;
}

void TProjekt1::buildWindow() {
    setWindowTitle(QString::fromUtf8(UntitledProjectCaption));
    buildHiddenFields();

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(6);
    layout->addWidget(buildIdentificationGroup(), 0, 0, 1, 2);
    layout->addWidget(buildParametersGroup(), 1, 0);
    layout->addWidget(buildDescriptionGroup(), 1, 1);
    // The catchment and slope groups keep their own height, top-aligned.
    const auto addTopAligned = [layout](QWidget* group, int column) {
        auto* stack = new QVBoxLayout;
        stack->addWidget(group);
        stack->addStretch(1);
        layout->addLayout(stack, 2, column);
    };
    addTopAligned(buildCatchmentGroup(), 0);
    addTopAligned(buildSlopeGroup(), 1);

    // Alt+P: Alt+V opens the menu "&Výstupy".
    computeButton_ = new QPushButton(QStringLiteral("Vy&počítej"), this);
    computeButton_->setObjectName(QStringLiteral("BitBtn1"));
    computeButton_->setToolTip(ComputeHint);
    computeButton_->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    computeButton_->setMinimumWidth(110);
    KeepPlaceWhenHidden(computeButton_);
    layout->addWidget(computeButton_, 3, 1, Qt::AlignRight | Qt::AlignBottom);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(1, 1);
    setTabOrder();
}

void TProjekt1::setTabOrder() {
    // Down the valley line and rainfall (N = 5, 10, 20, 50, then 100), then
    // down the left slope and the right slope.
    const std::vector<QWidget*> order = {
        comboBoxes_[1], comboBoxes_[2], memo_,      edits_[5],  edits_[6],     comboBoxes_[3], edits_[8],
        edits_[24],     edits_[25],     edits_[26], edits_[9],  edits_[10],    edits_[11],     edits_[12],
        comboBoxes_[4], edits_[14],     edits_[15], edits_[16], edits_[17],    edits_[18],     edits_[19],
        comboBoxes_[5], edits_[21],     edits_[22], edits_[23], computeButton_};
    for (size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

QWidget* TProjekt1::buildParametersGroup() {
    auto* group = new QGroupBox(QStringLiteral("Parametry výpočtu"), this);
    group->setObjectName(QStringLiteral("GroupBox2"));
    auto* row = new QHBoxLayout(group);

    auto* typeGroup = new QGroupBox(QStringLiteral("Typ povodí"), group);
    typeGroup->setObjectName(QStringLiteral("GroupBox4"));
    auto* typeLayout = new QVBoxLayout(typeGroup);
    comboBoxes_[1] = MakeList(QStringLiteral("ComboBox1"),
                              {QStringLiteral("Jeden svah"), QStringLiteral("Dva svahy")}, typeGroup);
    comboBoxes_[1]->setToolTip(TypeHint);
    comboBoxes_[1]->setPlaceholderText(QStringLiteral("Vyber typ povodí"));
    typeLayout->addWidget(comboBoxes_[1]);

    variantGroup_ = new QGroupBox(QStringLiteral("Varianta"), group);
    variantGroup_->setObjectName(QStringLiteral("GroupBox5"));
    auto* variantLayout = new QVBoxLayout(variantGroup_);
    comboBoxes_[2] = MakeList(
        QStringLiteral("ComboBox2"),
        {QStringLiteral("Varianta I"), QStringLiteral("Varianta II"), QStringLiteral("Varianta III")},
        variantGroup_);
    comboBoxes_[2]->setToolTip(VariantHint);
    comboBoxes_[2]->setPlaceholderText(QStringLiteral("Vyber variantu"));
    variantLayout->addWidget(comboBoxes_[2]);
    KeepPlaceWhenHidden(variantGroup_);

    row->addWidget(typeGroup, 1);
    row->addWidget(variantGroup_, 1);
    return group;
}

QWidget* TProjekt1::buildDescriptionGroup() {
    auto* group = new QGroupBox(QStringLiteral("Popis projektu"), this);
    group->setObjectName(QStringLiteral("GroupBox3"));
    auto* layout = new QVBoxLayout(group);
    memo_ = new QPlainTextEdit(group);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setTabChangesFocus(true);
    memo_->setMaximumHeight(memo_->fontMetrics().lineSpacing() * 4 + 12);
    layout->addWidget(memo_);
    return group;
}

QWidget* TProjekt1::buildCatchmentGroup() {
    catchmentGroup_ = new QGroupBox(QStringLiteral("Povodí"), this);
    catchmentGroup_->setObjectName(QStringLiteral("GroupBox6"));
    KeepPlaceWhenHidden(catchmentGroup_);

    // One row per field; hidden rows take no room, so the N = 100 row sits
    // under the N = 50 row in Variant I and under the N row in Variant II.
    auto* grid = new QGridLayout(catchmentGroup_);
    grid->setVerticalSpacing(5);
    auto addRow = [&](int row, QLabel* label, QWidget* field) {
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1, Qt::AlignLeft);
    };
    addRow(0, makeLabel(5, QStringLiteral("Délka údolnice [km]")), makeEdit(EditValleyLength));
    addRow(1, makeLabel(6, QStringLiteral("Sklon údolnice [%]")), makeEdit(EditValleySlope));

    comboBoxes_[3] = MakeList(QStringLiteral("ComboBox3"),
                              {QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("10"),
                               QStringLiteral("20"), QStringLiteral("50"), QStringLiteral("100")},
                              catchmentGroup_);
    comboBoxes_[3]->setFixedWidth(FieldWidth(comboBoxes_[3]) + 24);
    addRow(2, makeLabel(7, QStringLiteral("Doba opakování N [roky]")), comboBoxes_[3]);

    // The rainfall-table button sits right beside the N field.
    auto* rainCell = new QWidget(catchmentGroup_);
    auto* rainLayout = new QHBoxLayout(rainCell);
    rainLayout->setContentsMargins(0, 0, 0, 0);
    rainLayout->setSpacing(4);
    rainLayout->addWidget(makeEdit(EditRainN));
    rainLayout->addWidget(makeSpeedButton(7, RainfallTableHint));
    rainLayout->addStretch(1);
    fieldCells_[EditRainN] = rainCell;
    addRow(3, makeLabel(8, RainLabelFirstLine + QStringLiteral("úhrn pro N [mm]")), rainCell);
    addRow(4, makeLabel(21, RainLabelFirstLine + QStringLiteral("úhrn pro N = 10 [mm]")),
           makeEdit(EditRain10));
    addRow(5, makeLabel(22, RainLabelFirstLine + QStringLiteral("úhrn pro N = 20 [mm]")),
           makeEdit(EditRain20));
    addRow(6, makeLabel(23, RainLabelFirstLine + QStringLiteral("úhrn pro N = 50 [mm]")),
           makeEdit(EditRain50));
    addRow(7, makeLabel(9, RainLabelFirstLine + QStringLiteral("úhrn pro N = 100 [mm]")),
           makeEdit(EditRain100));
    // The columns keep their width when rows hide, so the fields stay in place.
    int labelWidth = 0;
    for (int number : {5, 6, 7, 8, 9, 21, 22, 23}) {
        labelWidth = std::max(labelWidth, labels_[static_cast<size_t>(number)]->sizeHint().width());
    }
    grid->setColumnMinimumWidth(0, labelWidth);
    grid->setColumnMinimumWidth(
        1, std::max(comboBoxes_[3]->minimumWidth(),
                    edits_[EditRainN]->minimumWidth() + 4 + speedButtons_[7]->sizeHint().width()));
    grid->setColumnStretch(2, 1);
    return catchmentGroup_;
}

QWidget* TProjekt1::buildSlopeGroup() {
    slopeGroup_ = new QGroupBox(QStringLiteral("Jeden svah"), this);
    slopeGroup_->setObjectName(QStringLiteral("GroupBox7"));
    KeepPlaceWhenHidden(slopeGroup_);

    // The two slope columns are frames laid under their cells, so the row
    // labels on the left line up with the fields of both columns.
    auto* grid = new QGridLayout(slopeGroup_);
    grid->setVerticalSpacing(5);
    grid->setHorizontalSpacing(8);
    constexpr int FirstRow = 1, BottomRow = 8;
    leftColumn_ = new QGroupBox(QString(), slopeGroup_);
    leftColumn_->setObjectName(QStringLiteral("GroupBox8"));
    rightColumn_ = new QGroupBox(QStringLiteral("Pravý"), slopeGroup_);
    rightColumn_->setObjectName(QStringLiteral("GroupBox9"));
    grid->addWidget(leftColumn_, 0, 1, BottomRow + 1, 1);
    grid->addWidget(rightColumn_, 0, 2, BottomRow + 1, 1);
    grid->addItem(new QSpacerItem(0, fontMetrics().height() + 2, QSizePolicy::Minimum, QSizePolicy::Fixed), 0,
                  0);
    grid->addItem(new QSpacerItem(0, 4, QSizePolicy::Minimum, QSizePolicy::Fixed), BottomRow, 0);

    const QString rowLabels[] = {
        QStringLiteral("Plocha svahu [km<sup>2</sup>]"),
        QStringLiteral("Sklon svahu [%]"),
        QStringLiteral("Drsnost γ [s]"),
        QStringLiteral("Typ CN křivky [1,2,3]"),
        QStringLiteral("Číslo CN křivky [%1]").arg(QString::fromStdString(BoundsText(CurveNumberLimits))),
        QStringLiteral("Doba trvání deště [min]"),
        QStringLiteral("Intenzita deště [mm.min<sup>-1</sup>]")};
    int labelWidth = 0;
    for (int i = 0; i < 7; ++i) {
        QLabel* label = makeLabel(10 + i, rowLabels[i]);
        label->setTextFormat(Qt::RichText);
        grid->addWidget(label, FirstRow + i, 0);
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    }
    grid->setColumnMinimumWidth(0, labelWidth);

    const int buttonWidth = makeSpeedButton(1, RoughnessHint)->sizeHint().width();
    // One cell per row and slope: the field, then its lookup button or a gap
    // of the button's width so that all fields of a column line up.
    auto addCell = [&](int row, int column, QWidget* field, QToolButton* button) {
        auto* cell = new QWidget(slopeGroup_);
        auto* cellLayout = new QHBoxLayout(cell);
        cellLayout->setContentsMargins(10, 0, 10, 0);
        cellLayout->setSpacing(4);
        cellLayout->addWidget(field);
        if (button != nullptr) {
            button->setFixedWidth(buttonWidth);
            cellLayout->addWidget(button);
        } else {
            cellLayout->addSpacing(buttonWidth);
        }
        cellLayout->addStretch(1);
        grid->addWidget(cell, row, column);
        return cell;
    };
    for (int side = 0; side < 2; ++side) {
        const bool left = side == 0;
        const int column = left ? 1 : 2;
        const int firstEdit = left ? EditAreaL : EditAreaR;
        const int firstButton = left ? 1 : 4;
        const int listNumber = left ? 4 : 5;
        comboBoxes_[static_cast<size_t>(listNumber)] =
            MakeList(QStringLiteral("ComboBox%1").arg(listNumber),
                     {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, slopeGroup_);
        QComboBox* curveType = comboBoxes_[static_cast<size_t>(listNumber)];
        curveType->setFixedWidth(FieldWidth(curveType));
        QToolButton* roughness = left ? speedButtons_[1] : makeSpeedButton(4, RoughnessHint);
        for (int i = 0; i < 7; ++i) {
            const int k = firstEdit + i;
            QWidget* field = i == 3 ? static_cast<QWidget*>(curveType) : makeEdit(k);
            QToolButton* button = nullptr;
            if (i == 2) {
                button = roughness;
            } else if (i == 3) {
                button = makeSpeedButton(firstButton + 1, MoistureHint);
            } else if (i == 4) {
                button = makeSpeedButton(firstButton + 2, CurveNumberHint);
            }
            fieldCells_[static_cast<size_t>(k)] = addCell(FirstRow + i, column, field, button);
        }
    }
    // The curve-type lists stand in the place of the never-shown Edit13 and Edit20.
    grid->setColumnStretch(3, 1);
    return slopeGroup_;
}

QWidget* TProjekt1::buildIdentificationGroup() {
    // Two pairs of a caption and a text per row keep the group low, so the
    // window still fits a small screen.
    auto* group = new QGroupBox(QStringLiteral("Informace o povodí"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(5);
    grid->setHorizontalSpacing(8);
    const QString captions[] = {QStringLiteral("Identifikační číslo"), QStringLiteral("Tok"),
                                QStringLiteral("Závěrový profil"), QStringLiteral("Lokalita")};
    for (int k = EditIdentificationFirst; k <= EditIdentificationLast; ++k) {
        const int row = (k - EditIdentificationFirst) / 2;
        const int column = (k - EditIdentificationFirst) % 2 * 2;
        QLabel* label = makeLabel(k, captions[k - EditIdentificationFirst]);
        QLineEdit* field = makeEdit(k);
        field->setMinimumWidth(FieldWidth(field) * 3);
        field->setMaximumWidth(QWIDGETSIZE_MAX);
        field->setMaxLength(IdentificationMaxLength);
        label->setBuddy(field);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return group;
}

void TProjekt1::showEvent(QShowEvent* event) {
    // The window opens with the focus in its first field, so that its keys
    // (Alt+P) work before the user clicks into it.
    if (focusWidget() == nullptr) {
        edits_[EditIdentificationFirst]->setFocus(Qt::OtherFocusReason);
    }
    QWidget::showEvent(event);
}

void TProjekt1::buildHiddenFields() {
    // Edit7, Edit13 and Edit20 hold nothing and are never shown.
    for (int k : {7, 13, 20}) {
        makeEdit(k)->hide();
    }
}

} // namespace hydrim::gui
