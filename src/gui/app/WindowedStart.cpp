#include "gui/app/WindowedStart.h"

#include "core/project/Startup.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"
#include "gui/app/Hlavni.h"
#include "gui/app/ShippedData.h"
#include "gui/common/Messages.h"
#include "gui/reference/LookupDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace hydrim::gui {

StartedProgram::~StartedProgram() = default;

StartOptions OptionsFromCommandLine(const QStringList& arguments) {
    StartOptions options;
    options.workingDir = QDir::currentPath().toStdString();
    options.executableDir = QCoreApplication::applicationDirPath().toStdString();
    if (arguments.size() > 1)
        options.projectFile = QFileInfo(arguments.at(1)).absoluteFilePath();
    options.localeDecimalPoint = QLocale::system().decimalPoint();
    return options;
}

bool StartProgram(AppState& state, const StartOptions& options, StartedProgram& program) {
    const QString projectsDir =
        QDir(QString::fromStdString(options.workingDir)).filePath(QString::fromStdString(ProjectsDirName));
    const bool newProjectsDir = !QFileInfo::exists(projectsDir);
    if (const Error error = StartupChecks(state, options.workingDir)) {
        ShowError(nullptr, QString::fromStdString(error.Message));
        return false;
    }
    const std::string dataDir = DataDirectory(state);

    // A first start in a new working directory gets the shipped tables.
    const std::string shipped = FindShippedData(ShippedDataCandidates(options.executableDir));
    if (!shipped.empty()) {
        const std::string error = CopyMissingFiles(shipped, dataDir, ShippedTableExtension);
        if (!error.empty())
            ShowWarning(nullptr, QString::fromStdString(error));
    }
    // A new project directory starts with the sample projects to open and learn from.
    const std::string examples =
        newProjectsDir
            ? FindShippedFile(ShippedCandidates(options.executableDir, "examples"), SampleProjectFile)
            : std::string();
    if (!examples.empty()) {
        const std::string error =
            CopyMissingFiles(examples, projectsDir.toStdString(), SampleProjectExtension);
        if (!error.empty())
            ShowWarning(nullptr, QString::fromStdString(error));
    }

    // The windows in their order: the main window, the lookup dialogs, the
    // input window (inside the main window), the about window.
    program.mainWindow = std::make_unique<THlavni>(state);
    THlavni& main = *program.mainWindow;
    auto lookup = std::make_shared<LookupDialogs>(state, dataDir, &main);
    program.lookupDialogs = lookup;
    main.setProjektCreatedHook([dialogs = lookup.get()](TProjekt1* projekt) { dialogs->attach(projekt); });
    main.createProjekt();
    main.show();

    const DecimalSeparatorCheck separator = CheckDecimalSeparator(options.localeDecimalPoint.toStdString());
    if (!separator.ok) {
        ShowError(&main, QString::fromStdString(separator.message));
        return false;
    }
    state.LocaleDecimalSeparator = separator.separator;
    state.InputDecimalSeparator = '.';

    ResetProjectTables(state.CurrentProject.Lookup, state.Reference);
    if (const Error parError = ReadParTable(JoinPath(dataDir, ParTableFileName), state.Par)) {
        ShowError(&main, QString::fromStdString(parError.Message));
        return false;
    }

    if (!options.projectFile.isEmpty()) {
        state.ProjectDir = QFileInfo(options.projectFile).absolutePath().toStdString();
        main.openProjectFile(options.projectFile);
    }
    return true;
}

} // namespace hydrim::gui
