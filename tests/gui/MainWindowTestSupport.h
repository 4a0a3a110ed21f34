// Helpers of the main-window and result-window tests: a started program in a
// fresh working directory, answering message boxes and file dialogs as a
// user would, and the example projects.
#pragma once

#include "gui/app/MainWindow.h"
#include "gui/app/ShippedData.h"
#include "gui/app/WindowedStart.h"
#include "gui/project/ProjectInputWindow.h"

#include "ModalScript.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace hydrim::gui::testing {

inline QString ExampleProject(const char* name) {
    return QStringLiteral(HYDRIM_SOURCE_DIR "/examples/") + QString::fromLatin1(name);
}

// Runs action, then the event loop until sender emits signal (at once when
// the action emitted it already): for what Qt does a moment later, such as
// the click a button's shortcut animates.
template <typename Sender, typename Signal, typename Action>
void RunUntilSignal(Sender* sender, Signal signal, Action action) {
    QEventLoop loop;
    bool emitted = false;
    const QMetaObject::Connection connection = QObject::connect(sender, signal, &loop, [&emitted, &loop] {
        emitted = true;
        loop.quit();
    });
    action();
    if (!emitted) {
        loop.exec();
    }
    QObject::disconnect(connection);
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
    MainWindow& main() { return *program.mainWindow; }
    ProjectInputWindow* inputWindow() { return program.mainWindow->inputWindow(); }
    QString path(const QString& name) const { return dir.filePath(name); }
    // Opens the example project and computes it as the compute button does;
    // false when the program did not start or the project did not open.
    bool computed(const char* example) {
        if (!started || main().openProjectFile(ExampleProject(example)) != MainWindow::OpenResult::Opened) {
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
