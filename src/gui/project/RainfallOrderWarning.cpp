#include "gui/project/RainfallOrderWarning.h"

#include "core/project/RainfallOrder.h"
#include "gui/common/Messages.h"

#include <QApplication>
#include <QPointer>

namespace hydrim::gui {

bool WarnOfFallingRainfall(QWidget* parent, int k, int variant, const std::array<QLineEdit*, 27>& edits) {
    std::array<std::string, 27> texts;
    for (size_t i = 1; i < edits.size(); ++i) {
        texts[i] = edits[i] ? edits[i]->text().toStdString() : std::string();
    }
    const std::string warning = FallingRainfallWarning(texts, variant, k);
    if (warning.empty()) {
        return false;
    }
    const QPointer<QWidget> focus = QApplication::focusWidget();
    ShowWarning(parent, QString::fromStdString(warning));
    if (focus && parent && focus->window() == parent->window()) {
        focus->activateWindow();
        focus->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

} // namespace hydrim::gui
