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

// Asks "všechny karty" or "jen tuto kartu" (named shownTab) under caption;
// allTabsFirst chooses the default. True for all tabs, nothing when the user
// cancels.
std::optional<bool> AskPrintAllTabs(QWidget* parent, const QString& caption, const QString& shownTab,
                                    bool allTabsFirst);

// Shows the pages in a print preview titled caption; its print button
// prints them on printer.
void ShowPrintPreview(QWidget* parent, QPrinter& printer, const std::vector<render::PrintPage>& pages,
                      const render::TablePrintSettings& settings, const QString& caption);

// The modal dialogs above are run through this (QDialog::exec unless a test
// replaces it); an empty runner restores exec.
using PrintDialogRunner = std::function<int(QDialog&)>;
void SetPrintDialogRunner(PrintDialogRunner runner);

} // namespace hydrim::gui
