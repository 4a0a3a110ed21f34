// Answers modal dialogs as a user would, without timers: message boxes and
// file dialogs, one scripted step each.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

namespace hydrim::gui::testing {

// What a message box showed before it was answered.
struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the modal dialogs that appear from now on, one step each, in
// order: a step gets the new dialog (a message box, a file dialog, ...) as
// soon as its own event loop runs. Steps not taken by the end of a test mean
// a dialog never appeared.
class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget*)>;
    explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        // Modal windows already on screen (left over by an earlier test) are
        // not this script's to answer.
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->isModal()) {
                handled_.emplace_back(widget);
            }
        }
        qApp->installEventFilter(this);
    }
    ~ModalScript() override { qApp->removeEventFilter(this); }
    size_t done() const { return done_; }
    bool finished() const { return done_ == steps_.size(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() != QEvent::Show || !dialog || !dialog->isModal() || handled(dialog) ||
            next_ >= steps_.size()) {
            return false;
        }
        handled_.emplace_back(dialog);
        const size_t step = next_++;
        QMetaObject::invokeMethod(
            this,
            [this, step, modal = QPointer<QWidget>(dialog)] {
                if (modal) {
                    steps_[step](modal);
                }
                ++done_;
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    bool handled(const QWidget* widget) const {
        return std::any_of(handled_.begin(), handled_.end(),
                           [widget](const QPointer<QWidget>& seen) { return seen == widget; });
    }
    std::vector<Step> steps_;
    size_t next_ = 0;
    size_t done_ = 0;
    std::vector<QPointer<QWidget>> handled_;
};

// A step that records a message box and presses one of its buttons.
inline ModalScript::Step Answer(QMessageBox::StandardButton button, SeenMessage* seen = nullptr) {
    return [button, seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY2(box, "a message box was expected");
        if (seen) {
            *seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        }
        if (QAbstractButton* b = box->button(button)) {
            b->click();
        } else {
            box->done(button);
        }
    };
}

// A step that chooses fileName in a file dialog (an empty name cancels it).
inline ModalScript::Step ChooseFile(const QString& fileName) {
    return [fileName](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY2(dialog, "a file dialog was expected");
        if (fileName.isEmpty()) {
            dialog->reject();
            return;
        }
        // Choose the directory first and then type the name, as a user does:
        // a name selected together with a new directory can be cleared again
        // while the dialog is still loading that directory.
        const QFileInfo chosen(fileName);
        dialog->setDirectory(chosen.absolutePath());
        if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            edit->setText(chosen.fileName());
        } else {
            dialog->selectFile(chosen.fileName());
        }
        static_cast<QDialog*>(dialog)->accept(); // runs the file dialog's own accept
    };
}

} // namespace hydrim::gui::testing
