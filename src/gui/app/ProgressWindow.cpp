#include "gui/app/ProgressWindow.h"

#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace hydrim::gui {

ProgressWindow::ProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      bar_(new QProgressBar(this)) {
    setWindowTitle(QStringLiteral("Počkejte na dokončení výpočtu"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(300, 60);
    bar_->setRange(0, 1000);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(bar_);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - 150, area.height() / 2 - 30);
    }
}

void ProgressWindow::setPosition(int position) {
    bar_->setValue(position);
    if (isVisible()) {
        bar_->repaint();
    }
}

} // namespace hydrim::gui
