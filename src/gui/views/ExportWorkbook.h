// The spreadsheet export commands of the main window: the result table
// ("Export tabulky do MS Excelu") and the time series ("Export časových řad
// do MS Excelu"). The user chooses the file in a save dialog preset to the
// project's directory and name; a wait window with a progress bar shows how
// far the export is and closes also when it fails; a failure is reported in
// an error box; the finished workbook is opened in the system's spreadsheet
// application when there is one.
#pragma once

#include "core/project/ProjectData.h"
#include "core/results/ResultTable.h"
#include "export/WorkbookExport.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QProgressBar;

namespace hydrim::gui {

// "Počkejte na dokončení exportu!!!": 300 x 60 pixels, centred on the
// screen, without border icons, a progress bar 0..1000 along the bottom.
class ExportWaitWindow : public QWidget {
    Q_OBJECT
public:
    explicit ExportWaitWindow(QWidget* parent = nullptr);
    void setPosition(int position);
    int position() const;
    QProgressBar* bar() const { return bar_; }

private:
    QProgressBar* bar_;
};

// Runs job with the wait window shown; the window is gone when this
// returns, whatever the job did. Returns the job's error message (empty on
// success); an exception thrown by the job becomes its message.
QString RunWithWaitWindow(QWidget* parent, const std::function<Error(const ExportProgress&)>& job);

// Opens a written workbook; returns false when nothing could open it. The
// default asks the desktop (QDesktopServices); tests replace it.
using WorkbookOpener = std::function<bool(const QString& path)>;
void SetWorkbookOpener(WorkbookOpener opener);

// The file name the save dialog proposes: the project's directory and the
// project file's name with ".xlsx" (suffix is put before the extension, e.g.
// " - časové řady"); an unnamed project gives fallbackName in ProjectDir.
QString ProposedWorkbookPath(const QString& projectCaption, const std::string& projectDir,
                             const QString& suffix, const QString& fallbackName);

// The project's name in the page headers of a workbook: the project file's
// name, or the caption of an unnamed project.
QString WorkbookTitle(const QString& projectCaption);

// Writes the grids / the time series of state to path with the wait
// window, the warnings on a sheet of their own and title in the page
// headers, reports a failure in an error box and opens the workbook.
// Returns true when the workbook was written.
bool ExportTablesTo(QWidget* parent, const QString& path, const std::vector<ResultGrid>& grids,
                    char separator, const Warnings& warnings = {}, const QString& title = {});
bool ExportTimeSeriesTo(QWidget* parent, const QString& path, const std::vector<TimeSeriesSheets>& sets,
                        const Warnings& warnings = {}, const QString& title = {});

// Asks for the file in a save dialog (an empty text when cancelled).
QString AskWorkbookPath(QWidget* parent, const QString& proposed);

} // namespace hydrim::gui
