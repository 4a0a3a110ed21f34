#include "gui/reference/ResultPanel.h"

#include "core/reference/LookupEntry.h"
#include "gui/reference/CellText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace hydrim::gui {

ResultPanel ResultPanel::Create(QWidget* parent, QPushButton* extra) {
    ResultPanel panel;
    panel.compute = new QPushButton(QStringLiteral("Vy&počti"), parent);
    auto* caption = new QLabel(QStringLiteral("Hodnota:"), parent);
    caption->setFont(LookupFont(12, true));
    panel.value = new QLabel(parent);
    panel.value->setFont(LookupFont(12, true));
    panel.value->setStyleSheet(QStringLiteral("color: red;"));
    panel.value->setMinimumWidth(panel.value->fontMetrics().horizontalAdvance(QStringLiteral("000.00")) + 6);
    panel.insert = new QPushButton(QStringLiteral("&Vložit"), parent);
    panel.insert->setEnabled(false);
    panel.close = new QPushButton(QStringLiteral("&Zavřít"), parent);
    panel.layout = new QHBoxLayout;
    if (extra) {
        panel.layout->addWidget(extra);
    }
    panel.layout->addWidget(panel.compute);
    panel.layout->addSpacing(8);
    panel.layout->addWidget(caption);
    panel.layout->addWidget(panel.value);
    panel.layout->addStretch();
    panel.layout->addWidget(panel.insert);
    panel.layout->addWidget(panel.close);
    return panel;
}

void ResultPanel::showOutcome(const LookupOutcome& outcome, double minimum) {
    if (!outcome.ok()) {
        clear();
        return;
    }
    value->setText(QString::fromStdString(FormatLookupResult(outcome.value)));
    insert->setEnabled(outcome.value >= minimum);
}

void ResultPanel::clear() {
    value->clear();
    insert->setEnabled(false);
}

QString ResultPanel::valueText() const {
    return value->text();
}

} // namespace hydrim::gui
