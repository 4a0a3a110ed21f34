#include "gui/reference/LookupWindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace hydrim::gui {

namespace {

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
    for (QPushButton* button : findChildren<QPushButton*>())
        if (!button->isDefault())
            button->setAutoDefault(false);
    const QRect screen = ScreenOf(this)->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(screen.center());
    move(frame.topLeft().x() < screen.left() ? screen.left() : frame.topLeft().x(),
         frame.topLeft().y() < screen.top() ? screen.top() : frame.topLeft().y());
    show();
    raise();
    activateWindow();
}

void LookupWindow::fixSizeToContent() {
    adjustSize();
    setFixedSize(sizeHint());
}

QLabel* LookupWindow::makeNote(const QString& text) {
    note_ = new QLabel(text, this);
    note_->setWordWrap(true);
    note_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold; padding: 4px;"));
    return note_;
}

int LookupWindow::screenHeightLess40() const {
    return ScreenOf(this)->availableGeometry().height() - 40;
}

} // namespace hydrim::gui
