#include "render/ProgramLine.h"

namespace hydrim::render {

QString ProgramLine() {
    return QStringLiteral("Hydrim - SPIKA, verze " HYDRIM_VERSION);
}

} // namespace hydrim::render
