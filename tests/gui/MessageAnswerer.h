// Answers every message box with OK as soon as it is shown, and remembers
// what it said: the box's own event loop closes it, without a timer.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QStringList>

namespace hydrim::gui::testing {

class MessageAnswerer : public QObject {
public:
    MessageAnswerer() { qApp->installEventFilter(this); }
    ~MessageAnswerer() override { qApp->removeEventFilter(this); }

    QStringList texts;   // the main text of each box, in order
    QStringList details; // its informative text
    QList<QMessageBox::Icon> icons;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box == nullptr || event->type() != QEvent::Show) {
            return false;
        }
        texts << box->text();
        details << box->informativeText();
        icons << box->icon();
        QMetaObject::invokeMethod(
            box, [box] { box->button(QMessageBox::Ok)->click(); }, Qt::QueuedConnection);
        return false;
    }
};

} // namespace hydrim::gui::testing
