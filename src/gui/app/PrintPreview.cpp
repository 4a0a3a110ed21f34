#include "gui/app/PrintPreview.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace hydrim::gui {

namespace {

PrintDialogRunner& Runner() {
    static PrintDialogRunner runner;
    return runner;
}

int Run(QDialog& dialog) {
    return Runner() ? Runner()(dialog) : dialog.exec();
}

} // namespace

std::optional<bool> AskPrintAllTabs(QWidget* parent, const QString& caption, const QString& shownTab,
                                    bool allTabsFirst) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("RozsahTisku"));
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Tisknout:"), &dialog));
    auto* all = new QRadioButton(QStringLiteral("&všechny karty"), &dialog);
    all->setObjectName(QStringLiteral("VsechnyKarty"));
    auto* shown = new QRadioButton(shownTab.isEmpty() ? QStringLiteral("&jen tuto kartu")
                                                      : QStringLiteral("&jen tuto kartu (%1)").arg(shownTab),
                                   &dialog);
    shown->setObjectName(QStringLiteral("TutoKartu"));
    (allTabsFirst ? all : shown)->setChecked(true);
    layout->addWidget(all);
    layout->addWidget(shown);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Náhled tisku…"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Storno"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (Run(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return all->isChecked();
}

void ShowPrintPreview(QWidget* parent, QPrinter& printer, const std::vector<render::PrintPage>& pages,
                      const render::TablePrintSettings& settings, const QString& caption) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("NahledTisku"));
    // Without a printer the preview prints into a PDF file; say so.
    const bool noPrinter = QPrinterInfo::availablePrinterNames().isEmpty();
    dialog.setWindowTitle(noPrinter ? caption + QStringLiteral(" – není nainstalována žádná tiskárna, "
                                                               "tisk se uloží do souboru PDF")
                                    : caption);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages, &settings](QPrinter* target) { render::PrintPages(*target, pages, settings); });
    dialog.resize(900, 700);
    Run(dialog);
}

void SetPrintDialogRunner(PrintDialogRunner runner) {
    Runner() = std::move(runner);
}

} // namespace hydrim::gui
