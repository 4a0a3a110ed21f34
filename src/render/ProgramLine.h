// The line naming the program and its version ("Hydrim - SPIKA, verze …")
// that every printed table page and every chart carries.
#pragma once

#include <QString>

namespace hydrim::render {

QString ProgramLine();

} // namespace hydrim::render
