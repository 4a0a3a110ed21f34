#include "gui/views/ExportWorkbook.h"

#include "gui/common/FileDialogs.h"
#include "gui/common/Messages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>

namespace hydrim::gui {

namespace {

constexpr int WaitWidth = 300;
constexpr int WaitHeight = 60;
constexpr int ProgressMaximum = 1000;

WorkbookOpener& Opener() {
    static WorkbookOpener opener = [](const QString& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    return opener;
}

// Reports a failure, or opens the workbook (saying where it is when no
// application opens it).
bool Finish(QWidget* parent, const QString& path, const QString& error) {
    if (!error.isEmpty()) {
        ShowError(parent, error);
        return false;
    }
    if (!Opener()(path)) {
        ShowInformation(
            parent, QStringLiteral("Sešit byl uložen do souboru „%1“.").arg(QDir::toNativeSeparators(path)));
    }
    return true;
}

} // namespace

ExportWaitWindow::ExportWaitWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Počkejte na dokončení exportu!!!"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(WaitWidth, WaitHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    bar_ = new QProgressBar(this);
    bar_->setRange(0, ProgressMaximum);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    layout->addWidget(bar_);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - WaitWidth / 2, area.height() / 2 - WaitHeight / 2);
    }
}

void ExportWaitWindow::setPosition(int position) {
    bar_->setValue(position);
    // The export runs on the user-interface thread: repaint now.
    bar_->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int ExportWaitWindow::position() const {
    return bar_->value();
}

QString RunWithWaitWindow(QWidget* parent, const std::function<Error(const ExportProgress&)>& job) {
    ExportWaitWindow wait(parent);
    wait.show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string error;
    try {
        error = job([&wait](int position) { wait.setPosition(position); }).Message;
    } catch (const std::exception& failure) {
        error = failure.what();
    } catch (...) {
        error = "Export se nezdařil.";
    }
    QApplication::restoreOverrideCursor();
    wait.close();
    return QString::fromStdString(error);
}

void SetWorkbookOpener(WorkbookOpener opener) {
    Opener() = std::move(opener);
}

QString ProposedWorkbookPath(const QString& projectCaption, const std::string& projectDir,
                             const QString& suffix, const QString& fallbackName) {
    const QFileInfo project(projectCaption);
    const bool named = !projectCaption.isEmpty() && projectCaption != QStringLiteral("Nepojmenovaný projekt");
    const QString directory =
        named && project.isAbsolute() ? project.absolutePath() : QString::fromStdString(projectDir);
    const QString name = named ? project.completeBaseName() + suffix : fallbackName;
    return QDir(directory).filePath(name + QStringLiteral(".xlsx"));
}

QString AskWorkbookPath(QWidget* parent, const QString& proposed) {
    return AskSaveFile(parent, QStringLiteral("Export do sešitu"), proposed,
                       QStringLiteral("Sešity (*.xlsx);;Všechny soubory (*)"), QStringLiteral("xlsx"));
}

QString WorkbookTitle(const QString& projectCaption) {
    const QFileInfo project(projectCaption);
    return project.isAbsolute() ? project.fileName() : projectCaption;
}

bool ExportTablesTo(QWidget* parent, const QString& path, const std::vector<ResultGrid>& grids,
                    char separator, const Warnings& warnings, const QString& title) {
    const std::string target = path.toStdString();
    const QString error = RunWithWaitWindow(parent, [&](const ExportProgress& progress) {
        return WriteResultTableWorkbook(target, grids, separator, progress, warnings, title.toStdString());
    });
    return Finish(parent, path, error);
}

bool ExportTimeSeriesTo(QWidget* parent, const QString& path, const std::vector<TimeSeriesSheets>& sets,
                        const Warnings& warnings, const QString& title) {
    const std::string target = path.toStdString();
    const QString error = RunWithWaitWindow(parent, [&](const ExportProgress& progress) {
        return WriteTimeSeriesWorkbook(target, sets, progress, warnings, title.toStdString());
    });
    return Finish(parent, path, error);
}

} // namespace hydrim::gui
