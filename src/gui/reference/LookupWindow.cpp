#include "gui/reference/LookupWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

namespace hydrim::gui {

namespace {

// The title bar and frame a window manager adds around a dialog.
constexpr int TitleBarAllowance = 40;
constexpr int SmallestGridHeight = 120;

LookupMessageSink& MessageSink() {
    static LookupMessageSink sink;
    return sink;
}

QString TitleOf(QMessageBox::Icon icon) {
    switch (icon) {
    case QMessageBox::Critical:
        return QStringLiteral("Chyba");
    case QMessageBox::Warning:
        return QStringLiteral("Upozornění");
    default:
        return QStringLiteral("Informace");
    }
}

QScreen* ScreenOf(const QWidget* widget) {
    QScreen* screen = widget->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

} // namespace

void SetLookupMessageSink(LookupMessageSink sink) {
    MessageSink() = std::move(sink);
}

void ShowLookupMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    if (MessageSink()) {
        MessageSink()(icon, text);
        return;
    }
    QMessageBox box(icon, TitleOf(icon), text, QMessageBox::Ok, parent);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

LookupWindow::LookupWindow(LookupContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setModal(false);
}

void LookupWindow::showCentred() {
    // No button presses itself on Enter: Enter belongs to the grids.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (!button->isDefault()) {
            button->setAutoDefault(false);
        }
    }
    // Before its first showing the window has no frame yet: its title bar is
    // reckoned in, so that a window as tall as the screen allows keeps its
    // bottom on the screen.
    const QRect screen = ScreenOf(this)->availableGeometry();
    const QRect frame = frameGeometry();
    const int decoration = frame.height() > height() ? frame.height() - height() : TitleBarAllowance;
    const QSize outer(frame.width(), height() + decoration);
    move(screen.left() + std::max(0, (screen.width() - outer.width()) / 2),
         screen.top() + std::max(0, (screen.height() - outer.height()) / 2));
    show();
    raise();
    activateWindow();
}

void LookupWindow::fixSizeToContent() {
    adjustSize();
    QSize size = sizeHint();
    // On a small screen (1366 x 768 and less) a table taller than the room
    // left by the title bar scrolls inside a window that fits.
    const int room = ScreenOf(this)->availableGeometry().height() - TitleBarAllowance;
    auto* grid = findChild<QTableWidget*>();
    if (size.height() > room && grid) {
        const int cut = size.height() - room;
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        grid->setFixedSize(grid->maximumWidth() + grid->verticalScrollBar()->sizeHint().width(),
                           std::max(grid->maximumHeight() - cut, SmallestGridHeight));
        adjustSize();
        size = sizeHint();
    }
    setFixedSize(size);
}

QLabel* LookupWindow::makeNote(const QString& text) {
    note_ = new QLabel(text, this);
    note_->setWordWrap(true);
    note_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold; padding: 4px;"));
    return note_;
}

int LookupWindow::screenHeightLess40() const {
    return ScreenOf(this)->availableGeometry().height() - TitleBarAllowance;
}

} // namespace hydrim::gui
