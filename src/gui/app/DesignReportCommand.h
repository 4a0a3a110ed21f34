// The design report in the main window: the file menu's "Protokol výpočtu"
// with "Uložit jako PDF…" and "Tisk…" (a print job shown first in a print
// preview), enabled while the result table of a computation is open. The
// report lists the inputs as they were when the results were computed and
// the date of that computation, whatever was typed since.
#pragma once

#include "core/project/ProjectData.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>

namespace hydrim::gui {

class THlavni;

// The inputs and the time of the computation whose results are on screen.
struct ComputedProject {
    Project project;
    QDateTime at;
};

// Keeps the last ComputedProject for the main window it is a child of.
class ComputedProjectHolder : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    std::optional<ComputedProject> computed;
};

void InstallDesignReportCommand(THlavni& main);

// The name of the project's file, or the caption of an unnamed project, and
// when the results on screen were computed (now when that is not known):
// what the design report and the printed pages name in their headers.
QString ProjectFileName(THlavni& main);
QDateTime ResultsComputedAt(THlavni& main);

// "Uložit jako PDF…" without the dialog: writes the report of the current
// results to path. Returns false (after showing the error) when it could
// not, or when there are no results.
bool SaveDesignReportPdf(THlavni& main, const QString& path);

} // namespace hydrim::gui
