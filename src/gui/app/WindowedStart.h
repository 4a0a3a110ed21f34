// The start of the windowed program: the working-directory checks, the data
// directory (filled from the shipped copy on a first start), the windows in
// their order, the locale's decimal separator, the coefficient table "par.tab"
// and an optional project named on the command line.
#pragma once

#include "core/project/ProjectData.h"

#include <QStringList>

#include <memory>
#include <string>

namespace hydrim::gui {

class MainWindow;

struct StartedProgram {
    std::unique_ptr<MainWindow> mainWindow;
    std::shared_ptr<void> lookupDialogs; // owner of the lookup dialogs
    ~StartedProgram();
};

struct StartOptions {
    std::string workingDir;     // BaseDir
    std::string executableDir;  // for finding the shipped data beside the installation
    QString projectFile;        // opened after the start when not empty
    QString localeDecimalPoint; // the user's decimal separator setting
};

// The options of this process: the current directory, the executable's
// directory, the first command-line argument as project file, QLocale::system().
StartOptions OptionsFromCommandLine(const QStringList& arguments);

// Runs the start sequence. On a failure it shows the message, returns false
// and leaves program empty or with windows that must not enter the message loop.
bool StartProgram(AppState& state, const StartOptions& options, StartedProgram& program);

} // namespace hydrim::gui
