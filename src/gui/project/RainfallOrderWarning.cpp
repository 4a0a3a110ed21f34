#include "gui/project/RainfallOrderWarning.h"

#include "core/project/RainfallOrder.h"

namespace hydrim::gui {

QString FallingRainfallText(int k, int variant, const std::array<QLineEdit*, 27>& edits) {
    std::array<std::string, 27> texts;
    for (size_t i = 1; i < edits.size(); ++i) {
        texts[i] = edits[i] ? edits[i]->text().toStdString() : std::string();
    }
    return QString::fromStdString(FallingRainfallWarning(texts, variant, k));
}

} // namespace hydrim::gui
