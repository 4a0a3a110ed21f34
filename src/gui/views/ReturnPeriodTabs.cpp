#include "gui/views/ReturnPeriodTabs.h"

#include "core/project/ProjectData.h"

#include <QBoxLayout>
#include <QTabBar>

namespace hydrim::gui {

QTabBar* AddReturnPeriodTabs(QWidget* window) {
    auto* tabs = new QTabBar(window);
    tabs->setObjectName(QStringLiteral("TabControl1"));
    tabs->setExpanding(false);
    for (int i = 1; i < static_cast<int>(ReturnPeriods.size()); ++i) {
        tabs->addTab(QStringLiteral("N = %1").arg(ReturnPeriods[i]));
    }
    if (auto* box = qobject_cast<QBoxLayout*>(window->layout())) {
        box->insertWidget(0, tabs);
    }
    return tabs;
}

} // namespace hydrim::gui
