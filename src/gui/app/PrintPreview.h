// Printing through a preview: the question whether to print every tab of a
// result window or only the shown one, and the preview dialog that shows
// the pages and prints them. On a machine without a printer the preview
// still shows the pages and prints them into a PDF file.
#pragma once

#include "render/PrintJobs.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QDialog;
class QPrinter;
class QWidget;

namespace hydrim::gui {

// What the question about the tabs is asked for, and what comes after it.
struct TabChoice {
    QString caption;          // the dialog's title ("Tisk grafu", "Uložit tabulku jako PDF", ...)
    QString shownTab;         // the name of the tab shown ("VSTUP", "N = 5 let")
    int tabs = 2;             // how many tabs the window has
    bool charts = false;      // chart pages (landscape) rather than table pages
    bool savePdf = false;     // a PDF file is chosen next rather than a print preview shown
    bool allTabsFirst = true; // the default answer
};

// Asks "všechny karty" or "jen tuto kartu", saying what happens next (the
// print preview and how to print from it, or the choice of the PDF file).
// True for all tabs, nothing when the user cancels.
std::optional<bool> AskPrintAllTabs(QWidget* parent, const TabChoice& choice);

// Shows the pages in a print preview titled caption, chart pages on
// landscape paper (the user may turn it there); its print button prints
// them on printer as shown. The printer's orientation is restored after.
void ShowPrintPreview(QWidget* parent, QPrinter& printer, const std::vector<render::PrintPage>& pages,
                      const render::TablePrintSettings& settings, const QString& caption);

// The modal dialogs above are run through this (QDialog::exec unless a test
// replaces it); an empty runner restores exec.
using PrintDialogRunner = std::function<int(QDialog&)>;
void SetPrintDialogRunner(PrintDialogRunner runner);

} // namespace hydrim::gui
