// The font a font dialog starts from, so that it shows the font the tables
// are drawn with.
#pragma once

#include <QFont>

namespace hydrim::gui {

// font with the family and size the system actually draws for it: a family
// it lacks ("Times New Roman" on many systems) is replaced by the one drawn
// in its place, which the dialog's list holds.
QFont FontDialogStart(const QFont& font);

} // namespace hydrim::gui
