// The tab bar "N = 5" ... "N = 100" above the Variant I chart and listing.
#pragma once

class QTabBar;
class QWidget;

namespace hydrim::gui {

// Creates the tab bar and puts it at the top of window's layout.
QTabBar* AddReturnPeriodTabs(QWidget* window);

} // namespace hydrim::gui
