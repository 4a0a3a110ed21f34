// The main window's construction, its command states and the timer.
#include "gui/app/MainWindow.h"

#include "gui/app/AboutDialog.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/HintTiming.h"
#include "gui/app/OutdatedResults.h"
#include "gui/app/ShippedData.h"
#include "gui/app/ToolIcons.h"
#include "gui/app/output/DesignReportCommand.h"
#include "gui/app/output/PrintExportHooks.h"
#include "gui/project/ProjectInputWindow.h"
#include "gui/resources/ResourceInit.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace hydrim::gui {

namespace {

const QString MainCaption = QStringLiteral("Hydrim-SPIKA");

// Hints of the three toggle buttons, up and down (SpeedButton5, 6, 7).
struct ToggleHints {
    const char* up;
    const char* down;
};
ToggleHints HintsOf(int k) {
    switch (k) {
    case 5:
        return {"Zobrazí časové řady", "Uzavře okno s časovými řadami"};
    case 6:
        return {"Zoobrazí graf", "Uzavře okno s grafem"};
    default:
        return {"Zobrazí tabulku výstupů", "Uzavře okno s tabulkou výstupů"};
    }
}

} // namespace

MainWindow::MainWindow(AppState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), mdi_(new QMdiArea(this)),
      results_(std::make_unique<ResultWindows>(mdi_)), timer_(new QTimer(this)),
      tableFont_(QStringLiteral("Times New Roman"), 12) {
    InitResources();
    setObjectName(QStringLiteral("Hlavni"));
    setWindowTitle(MainCaption);
    setWindowIcon(QIcon(QStringLiteral(":/hydrim/hydrim.svg")));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    // The whole screen where it is larger, so that the result windows find
    // room beside the input window; the title bar takes the rest.
    QSize size(1024, 740);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.expandedTo(screen->availableGeometry().size() - QSize(0, 40));
    }
    resize(size);

    // FormCreate: the hint timing and the default table font.
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        InstallHintTiming(*app);
    }

    buildMenus();
    buildToolBar();
    inputStatus_ = new QLabel(this);
    inputStatus_->setObjectName(QStringLiteral("InputStatus"));
    statusBar()->addWidget(inputStatus_, 1);
    about_ = new AboutDialog(this);

    // The menu commands of the result windows: the PDF commands, the marks of
    // out-of-date results and the design report.
    AddPdfCommands(*this);
    outdated_ = new OutdatedResults(*results_, this);
    InstallDesignReportCommand(*this);
    connect(results_.get(), &ResultWindows::opened, this, &MainWindow::onResultOpened);
    connect(results_.get(), &ResultWindows::closed, this, &MainWindow::onResultClosed);
    connect(results_.get(), &ResultWindows::shown, this, [this](ResultKind kind, bool) {
        const char* item = kind == ResultKind::Table   ? "N2Tabulka1"
                           : kind == ResultKind::Chart ? "N3Graf1"
                                                       : "N4Casoverady1";
        menuItem(QString::fromLatin1(item))->setVisible(true);
        menuItem(QString::fromLatin1(item))->setChecked(true);
    });

    // The command states follow the windows at once; the timer catches what
    // no signal reports (a child window minimised or hidden).
    connect(results_.get(), &ResultWindows::opened, this, &MainWindow::updateCommandStates);
    connect(results_.get(), &ResultWindows::shown, this, &MainWindow::updateCommandStates);
    connect(results_.get(), &ResultWindows::closed, this, &MainWindow::updateCommandStates);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::updateCommandStates);
    timer_->setInterval(200);
    connect(timer_, &QTimer::timeout, this, &MainWindow::updateCommandStates);
    timer_->start();
}

MainWindow::~MainWindow() {
    // The child windows outlive this part of the object while QWidget deletes
    // them; nothing they signal may reach the main window's handlers then.
    timer_->stop();
    if (inputWindow_) {
        inputWindow_->disconnect(this);
    }
    results_->disconnect(this);
    mdi_->disconnect(this);
}

QAction* MainWindow::addItem(QMenu* menu, const char* name, const QString& caption,
                             void (MainWindow::*slot)(), const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
    }
    if (slot) {
        connect(action, &QAction::triggered, this, slot);
    }
    items_.insert(action->objectName(), action);
    return action;
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&Soubor"));
    addItem(file, "Novy1", QStringLiteral("&Nový"), &MainWindow::newProject,
            QKeySequence(Qt::CTRL | Qt::Key_N));
    addItem(file, "Zavrit1", QStringLiteral("&Zavřít"), &MainWindow::closeProject)->setEnabled(false);
    addItem(file, "Otevri1", QStringLiteral("&Otevři"), &MainWindow::openProject,
            QKeySequence(Qt::CTRL | Qt::Key_O));
    addItem(file, "DavkovyVypocet1", QStringLiteral("&Dávkový výpočet…"), &MainWindow::openBatchRun);
    file->addSeparator();
    QAction* save =
        addItem(file, "Uloz1", QStringLiteral("&Ulož"), nullptr, QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, &MainWindow::saveProject);
    QAction* saveAs = addItem(file, "Ulozjako1", QStringLiteral("Ulož j&ako..."), nullptr);
    connect(saveAs, &QAction::triggered, this, &MainWindow::saveProjectAs);
    file->addSeparator();
    addItem(file, "TiskTab1", QStringLiteral("Tisk &tabulky"), &MainWindow::printTable)->setEnabled(false);
    addItem(file, "Tiskgrafu1", QStringLiteral("Tisk &grafu"), &MainWindow::printChart)->setEnabled(false);
    addItem(file, "Konfiguracetisku1", QStringLiteral("K&onfigurace tisku"), &MainWindow::configurePrinter);
    file->addSeparator();
    buildRecentItems(file);
    addItem(file, "Konec1", QStringLiteral("&Konec"), &MainWindow::exitProgram,
            QKeySequence(Qt::CTRL | Qt::Key_Q));

    editMenu_ = bar->addMenu(QStringLiteral("&Edituj"));
    editMenu_->setObjectName(QStringLiteral("Edituj1"));
    // The standard copy keys (Ctrl+Shift+C adds the heading rows and columns);
    // "Kopíruj vše" has no standard key and gets none.
    addItem(editMenu_, "Kopiruj1", QStringLiteral("Kopíruj"), &MainWindow::copySelection,
            QKeySequence(Qt::CTRL | Qt::Key_C));
    addItem(editMenu_, "Kopiruj2", QStringLiteral("Kopíruj+"), &MainWindow::copySelectionWithHeadings,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    addItem(editMenu_, "Kopirujvse1", QStringLiteral("Kopíruj vše"), &MainWindow::copyAll);
    editMenu_->setEnabled(false);
    for (QAction* copy : editMenu_->actions()) {
        copy->setEnabled(false);
    }

    QMenu* outputs = bar->addMenu(QStringLiteral("&Výstupy"));
    addItem(outputs, "TabulkaM1", QStringLiteral("&Tabulka"), &MainWindow::showTable,
            QKeySequence(Qt::CTRL | Qt::Key_T));
    addItem(outputs, "MenuGraf1", QStringLiteral("&Graf"), &MainWindow::toggleChart,
            QKeySequence(Qt::CTRL | Qt::Key_G))
        ->setEnabled(false);
    addItem(outputs, "Casoverady1", QStringLiteral("Časové řa&dy"), &MainWindow::toggleTimeSeries,
            QKeySequence(Qt::CTRL | Qt::Key_D))
        ->setEnabled(false);
    hydrographSeparator_ = outputs->addSeparator();
    hydrographSeparator_->setVisible(false);
    auto* hydrographs = new QActionGroup(this);
    for (auto [name, caption, slot] :
         {std::tuple{"N1Hydrogram", "&1 Hydrogram TPV vyvolaný výpočtovým déštěm",
                     &MainWindow::showDesignRainHydrograph},
          std::tuple{"N2Hydrogram", "&2 Hydrogram TPV vyvolaný H1dN",
                     &MainWindow::showDailyRainHydrograph}}) {
        QAction* item = addItem(outputs, name, QString::fromUtf8(caption), slot);
        item->setCheckable(true);
        item->setVisible(false);
        hydrographs->addAction(item);
    }
    menuItem(QStringLiteral("N1Hydrogram"))->setChecked(true);

    windowsMenu_ = bar->addMenu(QStringLiteral("&Okna"));
    windowsMenu_->setObjectName(QStringLiteral("Okna1"));
    auto* windows = new QActionGroup(this);
    for (auto [name, caption, slot] :
         {std::tuple{"N1Projekt1", "&1 Projekt", &MainWindow::activateInputWindow},
          std::tuple{"N2Tabulka1", "&2 Tabulka", &MainWindow::activateTableWindow},
          std::tuple{"N3Graf1", "&3 Graf", &MainWindow::activateChartWindow},
          std::tuple{"N4Casoverady1", "&4 Časové řady", &MainWindow::activateTimeSeriesWindow}}) {
        QAction* item = addItem(windowsMenu_, name, QString::fromUtf8(caption), slot);
        item->setCheckable(true);
        windows->addAction(item);
        item->setVisible(item->objectName() == QLatin1String("N1Projekt1"));
    }
    menuItem(QStringLiteral("N1Projekt1"))->setChecked(true);

    QMenu* options = bar->addMenu(QStringLiteral("Vol&by"));
    addItem(options, "Pismotabulky1", QStringLiteral("Písmo tabulky"), &MainWindow::chooseTableFont);

    QMenu* help = bar->addMenu(QStringLiteral("&Nápověda"));
    addItem(help, "Prirucka1", QStringLiteral("&Uživatelská příručka"), &MainWindow::showUserGuide,
            QKeySequence(Qt::Key_F1));
    addItem(help, "Oprogramu1", QStringLiteral("O programu Hydrim - SPIKA"), &MainWindow::showAbout);

    // F9 computes from wherever the focus is in the main window; the action
    // lives outside the menus, as the compute button lives in the input window.
    QAction* compute = new QAction(QStringLiteral("Vypočítej"), this);
    compute->setObjectName(QStringLiteral("Vypocitej1"));
    compute->setShortcut(QKeySequence(Qt::Key_F9));
    compute->setShortcutContext(Qt::WindowShortcut);
    connect(compute, &QAction::triggered, this, &MainWindow::requestCompute);
    addAction(compute);
    items_.insert(compute->objectName(), compute);
}

QToolButton* MainWindow::addSpeedButton(int k, const QString& hint, bool toggle) {
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("SpeedButton%1").arg(k));
    button->setToolTip(hint);
    button->setIcon(ToolIcon(k));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setCheckable(toggle);
    speedButtons_[k] = button;
    return button;
}

void MainWindow::buildToolBar() {
    QToolBar* tools = addToolBar(QStringLiteral("Nástroje"));
    tools->setObjectName(QStringLiteral("ToolBar1"));
    tools->setMovable(false);
    tools->setFloatable(false);
    tools->setContextMenuPolicy(Qt::PreventContextMenu);

    tools->addWidget(addSpeedButton(1, QStringLiteral("Otevři projekt"), false));
    tools->addWidget(addSpeedButton(2, QStringLiteral("Nový projekt"), false));
    tools->addWidget(addSpeedButton(3, QStringLiteral("Ulož projekt"), false));
    tools->addWidget(addSpeedButton(4, QStringLiteral("Tisk výsledné tabulky"), false));
    tools->addSeparator();
    tools->addWidget(addSpeedButton(7, QString::fromUtf8(HintsOf(7).up), true));
    tools->addWidget(addSpeedButton(6, QString::fromUtf8(HintsOf(6).up), true));
    tools->addWidget(addSpeedButton(5, QString::fromUtf8(HintsOf(5).up), true));
    // The export buttons are hidden while there is nothing to export; QToolBar
    // hides widgets through their actions.
    QAction* exportTable =
        tools->addWidget(addSpeedButton(8, QStringLiteral("Export tabulky do MS Excelu"), false));
    QAction* exportSeries =
        tools->addWidget(addSpeedButton(9, QStringLiteral("Export časových řad do MS Excelu"), false));
    exportTable->setObjectName(QStringLiteral("SpeedButton8Action"));
    exportSeries->setObjectName(QStringLiteral("SpeedButton9Action"));
    items_.insert(exportTable->objectName(), exportTable);
    items_.insert(exportSeries->objectName(), exportSeries);
    exportTable->setVisible(false);
    exportSeries->setVisible(false);

    for (int k : {3, 4, 5, 6, 7}) {
        speedButtons_[k]->setEnabled(false);
    }

    connect(speedButtons_[1], &QToolButton::clicked, this, &MainWindow::openProject);
    connect(speedButtons_[2], &QToolButton::clicked, this, &MainWindow::newProject);
    connect(speedButtons_[3], &QToolButton::clicked, this, &MainWindow::saveProject);
    connect(speedButtons_[4], &QToolButton::clicked, this, &MainWindow::printTable);
    connect(speedButtons_[5], &QToolButton::clicked, this, &MainWindow::timeSeriesButtonClicked);
    connect(speedButtons_[6], &QToolButton::clicked, this, &MainWindow::chartButtonClicked);
    connect(speedButtons_[7], &QToolButton::clicked, this, &MainWindow::tableButtonClicked);
    connect(speedButtons_[8], &QToolButton::clicked, this, &MainWindow::exportTable);
    connect(speedButtons_[9], &QToolButton::clicked, this, &MainWindow::exportTimeSeries);
}

ProjectInputWindow* MainWindow::inputWindow() const {
    return inputWindow_.data();
}

QToolButton* MainWindow::speedButton(int k) const {
    return k >= 1 && k <= 9 ? speedButtons_[k] : nullptr;
}

QAction* MainWindow::menuItem(const QString& name) const {
    return items_.value(name, nullptr);
}

void MainWindow::setInputWindowCreatedHook(std::function<void(ProjectInputWindow*)> hook) {
    inputWindowCreatedHook_ = std::move(hook);
    if (inputWindow_ && inputWindowCreatedHook_) {
        inputWindowCreatedHook_(inputWindow_);
    }
}

bool MainWindow::isModified() const {
    return speedButtons_[3]->isEnabled();
}

void MainWindow::setModified(bool modified) {
    speedButtons_[3]->setEnabled(modified);
    setWindowTitle(modified ? MainCaption + QLatin1Char('*') : MainCaption);
}

void MainWindow::setExportButtonVisible(int k, bool visible) {
    menuItem(QStringLiteral("SpeedButton%1Action").arg(k))->setVisible(visible);
}

void MainWindow::setToggle(int k, bool down) {
    QToolButton* button = speedButtons_[k];
    const QSignalBlocker blocker(button);
    button->setChecked(down);
    button->setToolTip(QString::fromUtf8(down ? HintsOf(k).down : HintsOf(k).up));
}

void MainWindow::onResultOpened(ResultKind kind, bool variantI) {
    switch (kind) {
    case ResultKind::Table:
        menuItem(QStringLiteral("TiskTab1"))->setEnabled(true);
        menuItem(QStringLiteral("MenuGraf1"))->setEnabled(true);
        speedButtons_[4]->setEnabled(true);
        speedButtons_[6]->setEnabled(true);
        speedButtons_[7]->setEnabled(true);
        setToggle(7, true);
        setExportButtonVisible(8, true);
        break;
    case ResultKind::Chart:
        menuItem(QStringLiteral("Tiskgrafu1"))->setEnabled(true);
        menuItem(QStringLiteral("Casoverady1"))->setEnabled(true);
        speedButtons_[5]->setEnabled(true);
        setToggle(6, true);
        // Only the Variant I chart has the hydrograph of the 1-day rainfall to switch to.
        hydrographSeparator_->setVisible(variantI);
        menuItem(QStringLiteral("N1Hydrogram"))->setVisible(variantI);
        menuItem(QStringLiteral("N2Hydrogram"))->setVisible(variantI);
        break;
    case ResultKind::TimeSeries:
        setToggle(5, true);
        setExportButtonVisible(9, true);
        break;
    }
}

void MainWindow::onResultClosed(ResultKind kind, bool variantI) {
    switch (kind) {
    case ResultKind::Table:
        setExportButtonVisible(8, false);
        for (const char* name : {"TiskTab1", "MenuGraf1", "TabulkaM1"}) {
            menuItem(QString::fromLatin1(name))->setEnabled(false);
        }
        for (int k : {4, 5, 6}) {
            speedButtons_[k]->setEnabled(false);
        }
        // The chart and time series show the results of this table.
        results_->close(ResultKind::TimeSeries, variantI);
        results_->close(ResultKind::Chart, variantI);
        for (int k : {5, 6, 7}) {
            setToggle(k, false);
        }
        menuItem(QStringLiteral("N2Tabulka1"))->setVisible(false);
        break;
    case ResultKind::Chart:
        // The time series lists the hydrographs of the chart: it closes with it.
        results_->close(ResultKind::TimeSeries, variantI);
        menuItem(QStringLiteral("Tiskgrafu1"))->setEnabled(false);
        menuItem(QStringLiteral("Casoverady1"))->setEnabled(false);
        speedButtons_[5]->setEnabled(false);
        setToggle(6, false);
        hydrographSeparator_->setVisible(false);
        menuItem(QStringLiteral("N1Hydrogram"))->setVisible(false);
        menuItem(QStringLiteral("N2Hydrogram"))->setVisible(false);
        menuItem(QStringLiteral("N1Hydrogram"))->setChecked(true);
        state_.HydrographFromDesignRain = true;
        menuItem(QStringLiteral("N3Graf1"))->setVisible(false);
        break;
    case ResultKind::TimeSeries:
        setToggle(5, false);
        menuItem(QStringLiteral("N4Casoverady1"))->setVisible(false);
        setExportButtonVisible(9, false);
        break;
    }
}

HelpWindow* MainWindow::helpWindow() const {
    return static_cast<HelpWindow*>(help_.data());
}

void MainWindow::showUserGuide() {
    if (!help_) {
        const std::string dir = FindShippedFile(
            ShippedCandidates(QCoreApplication::applicationDirPath().toStdString(), "help"), UserGuideFile);
        help_ = new HelpWindow(dir, this);
    }
    helpWindow()->showGuide();
}

void MainWindow::showInputProblems(const QStringList& problems) {
    if (!inputWindow_) {
        inputStatus_->clear();
        inputStatus_->setToolTip(QString());
    } else if (problems.isEmpty()) {
        inputStatus_->setText(
            QStringLiteral("Vstupní údaje jsou úplné: výpočet spustí tlačítko „Vypočítej“ nebo F9."));
        inputStatus_->setToolTip(QString());
    } else {
        QString text = QStringLiteral("Výpočet zatím nelze spustit – ") + problems.constFirst();
        if (problems.size() > 1) {
            text += QStringLiteral(" (a další: %1)").arg(problems.size() - 1);
        }
        inputStatus_->setText(text);
        inputStatus_->setToolTip(problems.join(QLatin1Char('\n')));
    }
}

void MainWindow::updateCommandStates() {
    QMdiSubWindow* active = mdi_->activeSubWindow();
    ResultKind kind{};
    bool variantI = false;
    const bool isResult = results_->identify(active, kind, variantI);

    // 1. The copy commands serve the time-series and the result-table windows.
    const bool seriesActive = isResult && kind == ResultKind::TimeSeries;
    const bool copyable = seriesActive || (isResult && kind == ResultKind::Table);
    editMenu_->setEnabled(copyable);
    // A disabled menu leaves its items' shortcuts alive: Ctrl+C must not
    // reach a result window from another window.
    for (QAction* copy : editMenu_->actions()) {
        copy->setEnabled(copyable);
    }
    if (seriesActive) {
        menuItem(QStringLiteral("N4Casoverady1"))->setChecked(true);
    }

    // 2. Tick the window list item of the active child.
    if (active && active == inputSubWindow_) {
        menuItem(QStringLiteral("N1Projekt1"))->setChecked(true);
    } else if (isResult && kind == ResultKind::Chart) {
        menuItem(QStringLiteral("N3Graf1"))->setChecked(true);
    } else if (isResult && kind == ResultKind::Table) {
        menuItem(QStringLiteral("N2Tabulka1"))->setChecked(true);
    }

    // 3. The table command is available while the inputs are complete.
    bool anyChild = false;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        anyChild = anyChild || sub->isVisible();
    }
    QAction* tableItem = menuItem(QStringLiteral("TabulkaM1"));
    if (anyChild) {
        if (inputWindow_ && inputWindow_->computeButton()->isEnabled()) {
            speedButtons_[7]->setEnabled(true);
            tableItem->setEnabled(true);
        } else if (!speedButtons_[7]->isChecked()) {
            speedButtons_[7]->setEnabled(false);
            tableItem->setEnabled(false);
        }
    } else {
        speedButtons_[7]->setEnabled(false);
    }
}

} // namespace hydrim::gui
