#include "gui/project/RainfallOrderWarning.h"

#include "core/project/RainfallOrder.h"
#include "gui/common/Messages.h"

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
    ShowWarning(parent, QString::fromStdString(warning));
    return true;
}

} // namespace hydrim::gui
