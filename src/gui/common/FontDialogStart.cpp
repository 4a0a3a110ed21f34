#include "gui/common/FontDialogStart.h"

#include <QFontInfo>

namespace hydrim::gui {

QFont FontDialogStart(const QFont& font) {
    const QFontInfo drawn(font);
    QFont start(font);
    start.setFamily(drawn.family());
    start.setPointSizeF(drawn.pointSizeF());
    return start;
}

} // namespace hydrim::gui
