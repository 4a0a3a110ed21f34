// The icon is compiled into the static GUI library; the linker keeps it only
// when something references its initializer, which this file does.
#include "gui/resources/ResourceInit.h"

#include <QtGlobal>

static void InitHydrimResources() {
    Q_INIT_RESOURCE(hydrim);
}

void hydrim::gui::InitResources() {
    static const bool done = (InitHydrimResources(), true);
    (void)done;
}
