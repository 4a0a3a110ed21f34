// The desktop program: the start sequence, then the message loop until the
// main window closes.
#include "gui/app/MainWindow.h"
#include "gui/app/QtTranslations.h"
#include "gui/app/WindowedStart.h"
#include "gui/resources/ResourceInit.h"

#include <QApplication>

int main(int argc, char** argv) {
    static hydrim::AppState state;
    QApplication app(argc, argv);
    hydrim::gui::InitResources();
    hydrim::gui::InstallQtTranslations(app);
    QApplication::setApplicationName(QStringLiteral("Hydrim 6.0"));
    QApplication::setApplicationVersion(QStringLiteral(HYDRIM_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("hydrim"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/hydrim/hydrim.svg")));

    hydrim::gui::StartedProgram program;
    if (!hydrim::gui::StartProgram(state, hydrim::gui::OptionsFromCommandLine(QApplication::arguments()),
                                   program)) {
        return 1;
    }
    return QApplication::exec();
}
