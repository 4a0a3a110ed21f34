// The top panel of the dialogs that compute an area-weighted value:
// "Vy&počti", "Hodnota:" with the result in red, "&Vložit" and "&Zavřít".
#pragma once

#include "core/reference/LookupWeighting.h"

#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace hydrim::gui {

struct ResultPanel {
    QPushButton* compute = nullptr; // "Vy&počti"
    QLabel* value = nullptr;        // the result, red
    QPushButton* insert = nullptr;  // "&Vložit", enabled by a usable result
    QPushButton* close = nullptr;   // "&Zavřít"
    QHBoxLayout* layout = nullptr;

    // Builds the panel; extra (may be null) goes first, as "<< Zpě&t" does.
    static ResultPanel Create(QWidget* parent, QPushButton* extra = nullptr);

    // Shows a computed value (width 5, 2 decimals) and enables "&Vložit" when
    // it is at least minimum; a failed computation shows nothing.
    void showOutcome(const LookupOutcome& outcome, double minimum);
    void clear();
    QString valueText() const;
};

} // namespace hydrim::gui
