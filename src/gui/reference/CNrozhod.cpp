#include "gui/reference/CNrozhod.h"

#include "gui/reference/CellText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace hydrim::gui {

TCNrozhod1::TCNrozhod1(LookupContext& context, QWidget* parent) : LookupWindow(context, parent) {
    setWindowTitle(QStringLiteral("Průvodce určením čísla CN křivky"));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* caption = new QLabel(QStringLiteral("Odvození hydrologické skupiny půd (HSP)"), this);
    caption->setFont(LookupFont(12, true));
    Button1 = new QPushButton(QStringLiteral("- dle filtračního součinitele"), this);
    Button2 = new QPushButton(QStringLiteral("- dle HPJ (druhé a třetí číslo kódu BPEJ)"), this);
    Button3 = new QPushButton(QStringLiteral("&Zavřít"), this);
    for (QPushButton* button : {Button1, Button2}) {
        button->setFont(LookupFont(11));
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 10px;"));
    }
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(Button3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(Button1);
    layout->addWidget(Button2);
    layout->addSpacing(6);
    layout->addLayout(closeRow);

    connect(Button1, &QPushButton::clicked, this, &TCNrozhod1::filtrationChosen);
    connect(Button2, &QPushButton::clicked, this, &TCNrozhod1::soilUnitsChosen);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    fixSizeToContent();
}

void TCNrozhod1::openFor(bool byFiltration) {
    showCentred();
    (byFiltration ? Button1 : Button2)->setFocus();
}

} // namespace hydrim::gui
