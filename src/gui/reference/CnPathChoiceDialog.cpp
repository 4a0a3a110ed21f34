#include "gui/reference/CnPathChoiceDialog.h"

#include "gui/reference/CellText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hydrim::gui {

CnPathChoiceDialog::CnPathChoiceDialog(LookupContext& context, QWidget* parent)
    : LookupWindow(context, parent) {
    setWindowTitle(QStringLiteral("Průvodce určením čísla CN křivky"));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* caption = new QLabel(QStringLiteral("Odvození hydrologické skupiny půd (HSP)"), this);
    caption->setFont(LookupFont(12, true));
    filtrationButton = new QPushButton(QStringLiteral("- dle filtračního součinitele"), this);
    soilUnitsButton = new QPushButton(QStringLiteral("- dle HPJ (druhé a třetí číslo kódu BPEJ)"), this);
    closeButton = new QPushButton(QStringLiteral("&Zavřít"), this);
    for (QPushButton* button : {filtrationButton, soilUnitsButton}) {
        button->setFont(LookupFont(11));
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 10px;"));
    }
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(filtrationButton);
    layout->addWidget(soilUnitsButton);
    layout->addSpacing(6);
    layout->addLayout(closeRow);

    connect(filtrationButton, &QPushButton::clicked, this, &CnPathChoiceDialog::filtrationChosen);
    connect(soilUnitsButton, &QPushButton::clicked, this, &CnPathChoiceDialog::soilUnitsChosen);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    fixSizeToContent();
}

void CnPathChoiceDialog::openFor(bool byFiltration) {
    showCentred();
    (byFiltration ? filtrationButton : soilUnitsButton)->setFocus();
}

} // namespace hydrim::gui
