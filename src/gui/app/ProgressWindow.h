// The small window "Počkejte na dokončení výpočtu" with a progress bar
// (0..1000) that a running computation moves. The computation runs on the
// user-interface thread, so the bar is repainted directly.
#pragma once

#include <QWidget>

class QProgressBar;

namespace hydrim::gui {

class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);
    void setPosition(int position);
    QProgressBar* bar() const { return bar_; }

private:
    QProgressBar* bar_;
};

} // namespace hydrim::gui
