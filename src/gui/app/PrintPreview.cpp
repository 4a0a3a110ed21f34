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

// The sentence saying what comes next wraps at about this many characters.
constexpr int MinimumLineCharacters = 48;

bool NoPrinter() {
    return QPrinterInfo::availablePrinterNames().isEmpty();
}

// "5 karet", "3 karty", "1 karta".
QString TabCount(int tabs) {
    if (tabs == 1) {
        return QStringLiteral("1 karta");
    }
    return (tabs >= 2 && tabs <= 4 ? QStringLiteral("%1 karty") : QStringLiteral("%1 karet")).arg(tabs);
}

// The sentence below the choice: what the button does next.
QString NextStep(const TabChoice& choice) {
    const QString paper = choice.charts ? QStringLiteral("každý graf na jedné stránce na šířku")
                                        : QStringLiteral("každá karta na vlastní stránce");
    if (choice.savePdf) {
        return QStringLiteral("Potom zvolíte, kam se soubor PDF uloží (%1).").arg(paper);
    }
    QString text = QStringLiteral("Potom se otevře náhled tisku (%1); ").arg(paper);
    text += NoPrinter() ? QStringLiteral("tiskárna není nainstalována, tlačítko tisku v náhledu proto "
                                         "uloží stránky do souboru PDF.")
                        : QStringLiteral("na tiskárnu je pošle tlačítko tisku v náhledu.");
    return text;
}

} // namespace

std::optional<bool> AskPrintAllTabs(QWidget* parent, const TabChoice& choice) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("RozsahTisku"));
    dialog.setWindowTitle(choice.caption);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        new QLabel(choice.savePdf ? QStringLiteral("Uložit:") : QStringLiteral("Tisknout:"), &dialog));
    auto* all = new QRadioButton(QStringLiteral("&všechny karty (%1)").arg(TabCount(choice.tabs)), &dialog);
    all->setObjectName(QStringLiteral("VsechnyKarty"));
    auto* shown = new QRadioButton(choice.shownTab.isEmpty()
                                       ? QStringLiteral("&jen tuto kartu")
                                       : QStringLiteral("&jen tuto kartu (%1)").arg(choice.shownTab),
                                   &dialog);
    shown->setObjectName(QStringLiteral("TutoKartu"));
    (choice.allTabsFirst ? all : shown)->setChecked(true);
    layout->addWidget(all);
    layout->addWidget(shown);
    auto* next = new QLabel(NextStep(choice), &dialog);
    next->setObjectName(QStringLiteral("DalsiKrok"));
    next->setWordWrap(true);
    next->setMinimumWidth(next->fontMetrics().averageCharWidth() * MinimumLineCharacters);
    layout->addWidget(next);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(choice.savePdf ? QStringLiteral("&Uložit jako PDF…") : QStringLiteral("&Náhled tisku…"));
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
    const QPageLayout::Orientation remembered = printer.pageLayout().orientation();
    printer.setPageOrientation(render::PreviewOrientation(pages, remembered));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("NahledTisku"));
    // Without a printer the preview prints into a PDF file; say so.
    dialog.setWindowTitle(NoPrinter() ? caption + QStringLiteral(" – není nainstalována žádná tiskárna, "
                                                                 "tisk se uloží do souboru PDF")
                                      : caption);
    // The pages are painted on paper of the orientation the preview shows.
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&pages, &settings](QPrinter* target) { render::PrintPagesAsSetUp(*target, pages, settings); });
    dialog.resize(900, 700);
    Run(dialog);
    printer.setPageOrientation(remembered);
}

void SetPrintDialogRunner(PrintDialogRunner runner) {
    Runner() = std::move(runner);
}

} // namespace hydrim::gui
