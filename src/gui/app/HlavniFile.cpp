// The main window's project commands: New, Open, Save, Save as, Close, Exit,
// and the input window's life.
#include "gui/app/Hlavni.h"

#include "core/project/OpeningCheck.h"
#include "core/project/ProjectFile.h"
#include "core/project/Startup.h"
#include "core/reference/RoughnessClasses.h"
#include "gui/app/OutdatedResults.h"
#include "gui/batch/BatchDialog.h"
#include "gui/common/FileDialogs.h"
#include "gui/common/Messages.h"
#include "gui/project/Projekt.h"
#include "gui/reference/TableEditor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace hydrim::gui {

namespace {

const QString UnnamedProject = QStringLiteral("Nepojmenovaný projekt");
const QString ProjectFilter = QStringLiteral("Projektové soubory (*.snp);;Všechny soubory (*)");

QString FullName(const QString& fileName) {
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
}

std::string DirectoryOf(const QString& fileName) {
    return QDir::toNativeSeparators(QFileInfo(fileName).absolutePath()).toStdString();
}

} // namespace

void THlavni::createProjekt() {
    if (projekt_)
        return;
    auto* projekt = new TProjekt1(state_);
    auto* sub = new ChildWindow(projekt);
    sub->setWindowFlags(sub->windowFlags() & ~Qt::WindowMaximizeButtonHint);
    sub->closeGuard = [this] { return projektMayClose(); };
    connect(sub, &ChildWindow::closed, this, &THlavni::onProjektClosed);
    connect(projekt, &TProjekt1::modified, this, [this] { setModified(true); });
    connect(projekt, &TProjekt1::computeRequested, this, &THlavni::computeProject);
    connect(projekt, &TProjekt1::computeStateChanged, this, [this](bool) { Timer1Timer(); });
    outdated_->watch(projekt);
    connect(projekt, &TProjekt1::inputProblemsChanged, this, &THlavni::showInputProblems);
    projekt_ = projekt;
    projektWindow_ = sub;
    mdi_->addSubWindow(sub);
    projekt->clearProject();
    projekt->setWindowTitle(UnnamedProject);
    showInputProblems(projekt->inputProblems());
    sub->show();
    for (const char* name : {"Zavrit1", "Uloz1", "Ulozjako1"})
        menuItem(QString::fromLatin1(name))->setEnabled(true);
    windowsMenu_->setEnabled(true);
    setModified(false);
    if (projektCreatedHook_)
        projektCreatedHook_(projekt);
}

bool THlavni::projektMayClose() {
    if (!askToSave())
        return false;
    results_->closeTables();
    return true;
}

void THlavni::onProjektClosed() {
    for (const char* name : {"Zavrit1", "Uloz1", "Ulozjako1"})
        menuItem(QString::fromLatin1(name))->setEnabled(false);
    windowsMenu_->setEnabled(false);
    setModified(false);
    speedButtons_[7]->setEnabled(false);
    if (projekt_)
        projekt_->computeButton()->hide();
    projekt_ = nullptr;
    projektWindow_ = nullptr;
    showInputProblems({});
}

bool THlavni::askToSave() {
    if (!projekt_ || !isModified())
        return true;
    switch (AskToSaveChanges(this)) {
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        return false;
    case SaveAnswer::Save:
        break;
    }
    // A save that did not happen (cancelled dialog, write error) keeps the
    // work: the command that asked does not go on.
    return Uloz1Click();
}

void THlavni::Novy1Click() {
    if (!projekt_) {
        createProjekt();
        return;
    }
    if (!askToSave())
        return;
    results_->closeTables();
    projekt_->clearProject();
    projekt_->setWindowTitle(UnnamedProject);
    setModified(false);
}

QString THlavni::chooseFileToOpen() {
    QFileDialog dialog(this, QStringLiteral("Otevřít projekt"), QString::fromStdString(state_.ProjectDir),
                       ProjectFilter);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ChosenFile(dialog);
}

QString THlavni::chooseFileToSave() {
    QFileDialog dialog(this, QStringLiteral("Uložit projekt"), QString::fromStdString(state_.ProjectDir),
                       ProjectFilter);
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("snp"));
    return ChosenFile(dialog);
}

void THlavni::DavkovyVypocet1Click() {
    // A window of its own, so the main window stays usable while it runs.
    auto* dialog = new BatchDialog(state_.Par, QString::fromStdString(state_.ProjectDir), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void THlavni::Otevri1Click() {
    if (!askToSave())
        return;
    for (;;) {
        const QString fileName = chooseFileToOpen();
        if (fileName.isEmpty())
            return;
        state_.ProjectDir = DirectoryOf(fileName);
        // A file that could not be read, like one of the wrong type, lets the user choose again.
        if (openProjectFile(fileName) == OpenResult::Opened)
            return;
    }
}

THlavni::OpenResult THlavni::openProjectFile(const QString& fileName) {
    Project loaded = state_.CurrentProject;
    const ProjectReadResult read = ReadProjectFile(fileName.toStdString(), loaded);
    if (!read.ok()) {
        ShowError(this, QString::fromStdString(read.error.Message));
        return read.wrongType ? OpenResult::WrongType : OpenResult::Failed;
    }
    // What the window would not accept is corrected or refused, and said.
    const std::vector<ValueCorrection> corrections = CorrectOpenedProject(loaded);
    // The roughness entries follow their classes in the table as it is now.
    const std::vector<UnplacedRoughnessEntry> unplaced =
        PlaceRoughnessEntries(loaded.Lookup, DataDirectory(state_));
    if (!projekt_)
        createProjekt();
    results_->closeTables();
    state_.CurrentProject = std::move(loaded);
    projekt_->showProject();
    projekt_->setWindowTitle(FullName(fileName));
    setModified(!corrections.empty() || !unplaced.empty());
    rememberRecentFile(fileName);
    Timer1Timer();
    const std::string notices[] = {
        MissingItemsNotice(read, FullName(fileName).toStdString()), CorrectionsNotice(corrections),
        UnplacedRoughnessNotice(unplaced, HasTwoSlopes(state_.CurrentProject.Texts))};
    QStringList shown;
    for (const std::string& notice : notices) {
        if (!notice.empty()) {
            shown << QString::fromStdString(notice);
        }
    }
    if (!shown.isEmpty()) {
        ShowWarning(this, shown.join(QStringLiteral("\n\n")));
    }
    return OpenResult::Opened;
}

bool THlavni::Uloz1Click() {
    if (!projekt_)
        return false;
    if (projekt_->windowTitle() == UnnamedProject)
        return Ulozjako1Click();
    return saveProjectTo(projekt_->windowTitle());
}

bool THlavni::Ulozjako1Click() {
    if (!projekt_)
        return false;
    const QString fileName = chooseFileToSave();
    if (fileName.isEmpty())
        return false;
    state_.ProjectDir = DirectoryOf(fileName);
    return saveProjectTo(fileName);
}

bool THlavni::saveProjectTo(const QString& fileName) {
    if (!projekt_)
        return false;
    projekt_->storeProject();
    if (const Error error = WriteProjectFile(fileName.toStdString(), state_.CurrentProject)) {
        ShowError(this, QString::fromStdString(error.Message));
        return false;
    }
    projekt_->setWindowTitle(FullName(fileName));
    setModified(false);
    rememberRecentFile(fileName);
    return true;
}

void THlavni::Zavrit1Click() {
    if (projektWindow_)
        projektWindow_->close();
}

void THlavni::Konec1Click() {
    close();
}

bool THlavni::tableEditorsMayClose() {
    // An open table editor with unsaved rows asks its own question first;
    // Storno there keeps the program running.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* editor = qobject_cast<TableEditor*>(window);
        if (!editor || !editor->isVisible()) {
            continue;
        }
        editor->reject();
        if (editor->isVisible()) {
            return false;
        }
    }
    return true;
}

void THlavni::closeEvent(QCloseEvent* event) {
    if (!tableEditorsMayClose() || !askToSave()) {
        event->ignore();
        return;
    }
    timer_->stop();
    if (!state_.BaseDir.empty()) {
        if (const Error error = WriteAddressConfig(state_)) {
            ShowError(this, QString::fromStdString(error.Message));
        }
        QDir::setCurrent(QString::fromStdString(state_.BaseDir));
    }
    event->accept();
}

} // namespace hydrim::gui
