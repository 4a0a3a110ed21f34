// Helpers of the main-window and result-window tests: a started program in a
// fresh working directory, answering message boxes and file dialogs as a
// user would, and the example projects.
#pragma once

#include "gui/app/Hlavni.h"
#include "gui/app/ShippedData.h"
#include "gui/app/WindowedStart.h"
#include "gui/project/Projekt.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace hydrim::gui::testing {

inline QString ExampleProject(const char* name) {
    return QStringLiteral(HYDRIM_SOURCE_DIR "/examples/") + QString::fromLatin1(name);
}

// What a message box showed before it was answered.
struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the modal windows that appear from now on, one step each, in
// order: a step gets the new modal window (a message box, a file dialog, ...).
// Steps not taken by the end of a test mean a window never appeared.
class ModalScript {
public:
    using Step = std::function<void(QWidget*)>;
    explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        // Modal windows already on screen (left over by an earlier test) are
        // not this script's to answer.
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->isModal())
                handled_.emplace_back(widget);
        }
        QObject::connect(&poll_, &QTimer::timeout, [this] { poll(); });
        poll_.start(10);
    }
    size_t done() const { return next_; }
    bool finished() const { return next_ == steps_.size(); }

private:
    bool handled(const QWidget* widget) const {
        return std::any_of(handled_.begin(), handled_.end(),
                           [widget](const QPointer<QWidget>& seen) { return seen == widget; });
    }
    // The newest modal window this script has not answered yet.
    QWidget* nextModal() const {
        QWidget* active = QApplication::activeModalWidget();
        if (active && !handled(active))
            return active;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->isModal() && !handled(widget))
                return widget;
        }
        return nullptr;
    }
    void poll() {
        if (next_ >= steps_.size())
            return;
        QWidget* modal = nextModal();
        if (!modal)
            return;
        handled_.emplace_back(modal);
        steps_[next_++](modal);
    }
    std::vector<Step> steps_;
    size_t next_ = 0;
    std::vector<QPointer<QWidget>> handled_;
    QTimer poll_;
};

// A step that records a message box and presses one of its buttons.
inline ModalScript::Step Answer(QMessageBox::StandardButton button, SeenMessage* seen = nullptr) {
    return [button, seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY2(box, "a message box was expected");
        if (seen)
            *seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        if (QAbstractButton* b = box->button(button))
            b->click();
        else
            box->done(button);
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
        if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            edit->setText(chosen.fileName());
        else
            dialog->selectFile(chosen.fileName());
        static_cast<QDialog*>(dialog)->accept(); // runs the file dialog's own accept
    };
}

// Deletes the windows that were closed (Qt deletes them from the event loop).
inline void FlushClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The program as started in a fresh working directory with the shipped DATA:
// the tables of the source tree, never what a run left in its DATA or what
// an installation on this machine holds.
class StartedFixture {
public:
    explicit StartedFixture(const QString& decimalPoint = QStringLiteral(".")) {
        options.workingDir = dir.path().toStdString();
        CopyMissingFiles(HYDRIM_SOURCE_DIR "/DATA", dir.filePath(QStringLiteral("DATA")).toStdString(),
                         ShippedTableExtension);
        options.localeDecimalPoint = decimalPoint;
        started = StartProgram(state, options, program);
    }
    THlavni& main() { return *program.mainWindow; }
    TProjekt1* projekt() { return program.mainWindow->projekt(); }
    QString path(const QString& name) const { return dir.filePath(name); }
    // Opens the example project and computes it as the compute button does;
    // false when the program did not start or the project did not open.
    bool computed(const char* example) {
        if (!started || main().openProjectFile(ExampleProject(example)) != THlavni::OpenResult::Opened) {
            return false;
        }
        main().computeProject();
        return true;
    }

    QTemporaryDir dir;
    AppState state;
    StartOptions options;
    StartedProgram program;
    bool started = false;
};

} // namespace hydrim::gui::testing
