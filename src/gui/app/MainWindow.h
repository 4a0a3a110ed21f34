// The main window: the frame that holds the project input window and the
// result windows as MDI children, with the menu bar, the tool bar and the
// 200 ms timer that keeps the command states in step with the open windows.
// It runs the project file commands, the compute command and dispatches the
// print, export and copy commands to the window of the current results.
#pragma once

#include "core/project/ProjectData.h"
#include "gui/app/ResultWindows.h"

#include <QFont>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QTimer;
class QToolButton;

namespace hydrim::gui {

class ChildWindow;
class OutdatedResults;
class HelpWindow;
class AboutDialog;
class ProjectInputWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- access for the other windows and for the tests ---
    AppState& state() { return state_; }
    QMdiArea* mdiArea() const { return mdi_; }
    ResultWindows& resultWindows() { return *results_; }
    ProjectInputWindow* inputWindow() const; // the input window, or nullptr while it is closed
    QToolButton* speedButton(int k) const;   // SpeedButton1..9
    // Menu items by their Czech object name ("Novy1", "TiskTab1", "N2Tabulka1", ...).
    QAction* menuItem(const QString& name) const;
    QMenu* editMenu() const { return editMenu_; }
    const QFont& tableFont() const { return tableFont_; }
    bool isModified() const;
    // Called when the input window is (re)created, so the lookup dialogs can attach to it.
    void setInputWindowCreatedHook(std::function<void(ProjectInputWindow*)> hook);
    AboutDialog* aboutWindow() const { return about_; }
    // The user guide window, once "Uživatelská příručka" (F1) has opened it.
    HelpWindow* helpWindow() const;
    // The printer chosen in "K&onfigurace tisku" (created on first use).
    QPrinter& printer();

    // --- the commands that do not need a dialog (the tests drive these) ---
    // Reads a project file into the input window. Shows "Nesprávný typ souboru!!"
    // for a file that is not a project file, the message of a read error, and
    // one notice listing the items a damaged file lacked and the values the
    // window refused or corrected (the project then counts as modified).
    enum class OpenResult { Opened, WrongType, Failed };
    OpenResult openProjectFile(const QString& fileName);
    // Writes the project to fileName; returns false (after a message) on failure.
    bool saveProjectTo(const QString& fileName);
    // Creates the input window when it is missing (the start and the New command).
    void createInputWindow();
    // The recently opened or saved project files, the newest first.
    const QStringList& recentFiles() const { return recentFiles_; }

public slots:
    // Menu items and tool buttons.
    void newProject();
    void openProject();
    // Opens the batch run of many catchments ("Dávkový výpočet…").
    void openBatchRun();
    bool saveProject();
    bool saveProjectAs();
    void closeProject();
    void exitProgram();
    void printTable();
    void printChart();
    void configurePrinter();
    void chooseTableFont();
    void showAbout();
    void showUserGuide();
    void showTable();
    void toggleChart();
    void toggleTimeSeries();
    void showDesignRainHydrograph();
    void showDailyRainHydrograph();
    void activateInputWindow();
    void activateTableWindow();
    void activateChartWindow();
    void activateTimeSeriesWindow();
    void timeSeriesButtonClicked();
    void chartButtonClicked();
    void tableButtonClicked();
    void exportTable();
    void exportTimeSeries();
    void copySelection();
    void copySelectionWithHeadings();
    void copyAll();
    // F9: the input window's compute command (the value being typed is finished first).
    void requestCompute();
    // The compute command ("Vy&počítej" and the table button pressed down).
    void computeProject();
    // The 200 ms timer.
    void updateCommandStates();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, void (MainWindow::*slot)(),
                     const QKeySequence& shortcut = {});
    QToolButton* addSpeedButton(int k, const QString& hint, bool toggle);

    // Asks "Uložit provedené změny do projektu?" when the project is modified.
    // Returns false when the user cancelled the question, or wanted to save
    // and the save did not happen: the command that asked stops then.
    bool askToSave();
    void setModified(bool modified);
    bool inputWindowMayClose();
    // Closes the open table editors, each asking about its unsaved rows;
    // false when one of them stays open.
    bool tableEditorsMayClose();
    void onInputWindowClosed();
    void activateChild(QMdiSubWindow* sub);
    // Sizes and places a new result window where it leaves the input fields
    // in view, at least needed large where the area allows (PlaceBeside).
    void placeResultWindow(QMdiSubWindow* sub, QSize wanted, QSize needed = {});
    // The recent-files items under "&Soubor" (MainWindowRecent.cpp).
    void buildRecentItems(QMenu* file);
    void showRecentFiles();
    // Puts a file first in the list (keep) or drops it (a file that no longer opens).
    void rememberRecentFile(const QString& fileName, bool keep = true);
    void openRecentFile(int i);
    QString recentFilesPath() const;
    // The status bar names what keeps the project from being computed.
    void showInputProblems(const QStringList& problems);
    // The project file dialogs; an empty name when cancelled.
    QString chooseFileToOpen();
    QString chooseFileToSave();

    // Command states as the result windows appear and disappear.
    void onResultOpened(ResultKind kind, bool variantI);
    void onResultClosed(ResultKind kind, bool variantI);
    void setToggle(int k, bool down);
    void setExportButtonVisible(int k, bool visible);
    // Opens or closes the chart / time-series window of the current results.
    void toggleView(ResultKind kind, bool open);
    // "&Graf", "Časové řa&dy": the window's tool button pressed or released.
    void toggleFromMenu(ResultKind kind);
    // Redraws the open Variant I chart and time series for the hydrograph chosen.
    void redrawHydrographs();
    // Kopíruj, Kopíruj+, Kopíruj vše (0, 1, 2) on the active table or time series.
    void copyFromResults(int copyKind);

    AppState& state_;
    QMdiArea* mdi_ = nullptr;
    std::unique_ptr<ResultWindows> results_;
    QPointer<ChildWindow> inputSubWindow_;
    QPointer<ProjectInputWindow> inputWindow_;
    AboutDialog* about_ = nullptr;
    QPointer<QWidget> help_; // the HelpWindow
    QTimer* timer_ = nullptr;
    QFont tableFont_;
    std::unique_ptr<QPrinter> printer_;
    std::function<void(ProjectInputWindow*)> inputWindowCreatedHook_;
    OutdatedResults* outdated_ = nullptr;

    QMenu* editMenu_ = nullptr;
    QMenu* windowsMenu_ = nullptr;
    QAction* hydrographSeparator_ = nullptr;
    QHash<QString, QAction*> items_;
    QLabel* inputStatus_ = nullptr;
    QStringList recentFiles_;
    std::vector<QAction*> recentItems_;
    QAction* recentSeparator_ = nullptr;
    QToolButton* speedButtons_[10] = {};
};

} // namespace hydrim::gui
