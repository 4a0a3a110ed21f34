// Makes the compiled-in resources (the program icon) available; safe to call
// more than once.
#pragma once

namespace hydrim::gui {

void InitResources();

} // namespace hydrim::gui
