#include "render/ProgramLine.h"

namespace hydrim::gui {

QString ProgramLine() {
    return QStringLiteral("Hydrim - SPIKA, verze " HYDRIM_VERSION);
}

} // namespace hydrim::gui
