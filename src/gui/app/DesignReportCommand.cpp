#include "gui/app/DesignReportCommand.h"

#include "core/project/Startup.h"
#include "core/results/InputSummary.h"
#include "gui/app/Hlavni.h"
#include "gui/app/PrintExportHooks.h"
#include "gui/app/ResultWindows.h"
#include "gui/common/Messages.h"
#include "gui/project/Projekt.h"
#include "render/DesignReport.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <memory>
#include <optional>
#include <vector>

namespace hydrim::gui {

namespace {

const QString MenuCaption = QStringLiteral("Protokol výpočtu");

std::optional<ComputedProject> Snapshot(THlavni& main) {
    const auto* holder = main.findChild<ComputedProjectHolder*>(QString(), Qt::FindDirectChildrenOnly);
    return holder ? holder->computed : std::nullopt;
}

QWidget* ResultTable(THlavni& main) {
    return main.resultWindows().window(ResultKind::Table, main.state().LastResultVariantI);
}

// The report of the results on screen; false when no result table is open.
bool CurrentReport(THlavni& main, render::DesignReport& report) {
    QWidget* table = ResultTable(main);
    std::vector<ResultGrid> grids = AllGridsOf(table);
    if (grids.empty()) {
        return false;
    }
    AppState state = main.state();
    QDateTime at = QDateTime::currentDateTime();
    if (const std::optional<ComputedProject> computed = Snapshot(main)) {
        state.CurrentProject = computed->project;
        at = computed->at;
    }
    report = render::MakeDesignReport(state, std::move(grids), ReadLookupRowNames(DataDirectory(state)),
                                      ProjectFileName(main), at);
    return true;
}

void PreviewAndPrint(THlavni& main) {
    auto report = std::make_shared<render::DesignReport>();
    if (!CurrentReport(main, *report)) {
        return;
    }
    QPrintPreviewDialog preview(&main.printer(), &main);
    preview.setObjectName(QStringLiteral("ProtokolNahled1"));
    preview.setWindowTitle(MenuCaption);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&main, report](QPrinter* printer) {
                         if (!render::PrintDesignReport(*printer, *report)) {
                             ShowError(&main, QStringLiteral("Tiskárna nemohla zahájit tisk."));
                         }
                     });
    preview.exec();
}

// The submenu after the print items of the file menu, enabled with "Tisk &tabulky".
void AddMenu(THlavni& main) {
    QAction* print = main.menuItem(QStringLiteral("TiskTab1"));
    if (!print) {
        return;
    }
    auto* menu = new QMenu(MenuCaption, &main);
    menu->setObjectName(QStringLiteral("ProtokolVypoctu1"));
    QAction* pdf = menu->addAction(QStringLiteral("Uložit jako PDF…"));
    pdf->setObjectName(QStringLiteral("ProtokolPdf1"));
    QAction* printReport = menu->addAction(QStringLiteral("Tisk…"));
    printReport->setObjectName(QStringLiteral("ProtokolTisk1"));
    THlavni* window = &main;
    QObject::connect(pdf, &QAction::triggered, &main, [window] {
        const QString path = AskPdfPath(*window, QStringLiteral("protokol výpočtu"));
        if (!path.isEmpty()) {
            SaveDesignReportPdf(*window, path);
        }
    });
    QObject::connect(printReport, &QAction::triggered, &main, [window] { PreviewAndPrint(*window); });
    QAction* entry = menu->menuAction();
    entry->setObjectName(QStringLiteral("ProtokolVypoctuMenu1"));
    entry->setEnabled(print->isEnabled());
    QObject::connect(print, &QAction::changed, entry,
                     [print, entry] { entry->setEnabled(print->isEnabled()); });
    QAction* setup = main.menuItem(QStringLiteral("Konfiguracetisku1"));
    for (QObject* object : print->associatedObjects()) {
        if (auto* fileMenu = qobject_cast<QMenu*>(object)) {
            fileMenu->insertAction(setup && fileMenu->actions().contains(setup) ? setup : nullptr, entry);
        }
    }
}

} // namespace

QString ProjectFileName(THlavni& main) {
    const QString caption = main.projekt() ? main.projekt()->windowTitle() : QString();
    const QFileInfo file(caption);
    return file.isAbsolute() ? file.fileName() : caption;
}

QDateTime ResultsComputedAt(THlavni& main) {
    const std::optional<ComputedProject> computed = Snapshot(main);
    return computed ? computed->at : QDateTime::currentDateTime();
}

bool SaveDesignReportPdf(THlavni& main, const QString& path) {
    render::DesignReport report;
    if (!CurrentReport(main, report)) {
        return false;
    }
    const QString error = render::WriteDesignReportPdf(path, report);
    if (!error.isEmpty()) {
        ShowError(&main, error);
        return false;
    }
    return true;
}

void InstallDesignReportCommand(THlavni& main) {
    AddMenu(main);
    auto* holder = new ComputedProjectHolder(&main);
    THlavni* window = &main;
    // A result table opens only after a computation: its inputs are kept
    // so that later typing does not reach the report of these results.
    QObject::connect(
        &main.resultWindows(), &ResultWindows::opened, holder, [window, holder](ResultKind kind, bool) {
            if (kind == ResultKind::Table) {
                holder->computed =
                    ComputedProject{window->state().CurrentProject, QDateTime::currentDateTime()};
            }
        });
}

} // namespace hydrim::gui
