// Tool-tip ("hint") timing of the whole application: shown 100 ms after the
// mouse comes to rest, and kept for 20 seconds.
#pragma once

class QApplication;

namespace hydrim::gui {

inline constexpr int HintDelayMs = 100;
inline constexpr int HintVisibleMs = 20000;

// Installs the timing once per application; later calls do nothing.
void InstallHintTiming(QApplication& app);

} // namespace hydrim::gui
