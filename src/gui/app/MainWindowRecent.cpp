// The main window's list of recently opened and saved projects under
// "&Soubor", kept in "DATA/POSLEDNI.CFG" of the working directory (UTF-8,
// one file name a line, the newest first).
#include "core/project/Startup.h"
#include "core/project/TextCodec.h"
#include "gui/app/MainWindow.h"
#include "gui/project/ProjectInputWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSaveFile>

namespace hydrim::gui {

namespace {

constexpr int MaxRecentFiles = 6;
const char* const RecentFilesName = "POSLEDNI.CFG";

} // namespace

QString MainWindow::recentFilesPath() const {
    if (state_.BaseDir.empty()) {
        return {};
    }
    return QString::fromStdString(JoinPath(DataDirectory(state_), RecentFilesName));
}

void MainWindow::buildRecentItems(QMenu* file) {
    for (int i = 0; i < MaxRecentFiles; ++i) {
        auto* item = new QAction(this);
        item->setObjectName(QStringLiteral("Posledni%1").arg(i + 1));
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, i] { openRecentFile(i); });
        file->addAction(item);
        items_.insert(item->objectName(), item);
        recentItems_.push_back(item);
    }
    recentSeparator_ = file->addSeparator();
    recentSeparator_->setVisible(false);

    QFile stored(recentFilesPath());
    if (!recentFilesPath().isEmpty() && stored.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QStringList lines = QString::fromUtf8(stored.readAll()).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            const QString name = line.trimmed();
            if (!name.isEmpty() && !recentFiles_.contains(name) && recentFiles_.size() < MaxRecentFiles) {
                recentFiles_ << name;
            }
        }
    }
    showRecentFiles();
}

void MainWindow::showRecentFiles() {
    for (int i = 0; i < MaxRecentFiles; ++i) {
        QAction* item = recentItems_[static_cast<size_t>(i)];
        const bool used = i < recentFiles_.size();
        item->setVisible(used);
        if (used) {
            const QString& name = recentFiles_.at(i);
            item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(name).fileName()));
            item->setToolTip(name);
            item->setStatusTip(name);
        }
    }
    recentSeparator_->setVisible(!recentFiles_.isEmpty());
}

void MainWindow::rememberRecentFile(const QString& fileName, bool keep) {
    const QString name = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
    recentFiles_.removeAll(name);
    if (keep) {
        recentFiles_.prepend(name);
    }
    while (recentFiles_.size() > MaxRecentFiles) {
        recentFiles_.removeLast();
    }
    showRecentFiles();
    // The list is a convenience: a directory that cannot be written keeps it
    // for this run only, without troubling the user.
    const QString path = recentFilesPath();
    if (path.isEmpty()) {
        return;
    }
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly | QIODevice::Text)) {
        out.write(recentFiles_.join(QLatin1Char('\n')).toUtf8() + '\n');
        out.commit();
    }
}

void MainWindow::openRecentFile(int i) {
    if (i < 0 || i >= recentFiles_.size() || !askToSave()) {
        return;
    }
    const QString name = recentFiles_.at(i);
    state_.ProjectDir = QDir::toNativeSeparators(QFileInfo(name).absolutePath()).toStdString();
    if (openProjectFile(name) != OpenResult::Opened) {
        rememberRecentFile(name, false);
    }
}

} // namespace hydrim::gui
