// Printing, the PDF files and the spreadsheet export of the result windows,
// as the main window's commands run them: "Tisk &tabulky", "Tisk &grafu",
// the export tool buttons, and the two commands "Uložit tabulku jako PDF…"
// and "Uložit graf jako PDF…" placed after the print items of the file menu
// and enabled with them.
#pragma once

#include "core/results/ResultTable.h"
#include "render/HydrographChartContent.h"
#include "render/PrintJobs.h"

#include <QString>

#include <vector>

class QWidget;

namespace hydrim::gui {

class THlavni;

// Adds "Uložit tabulku jako PDF…" and "Uložit graf jako PDF…" to the file menu.
void AddPdfCommands(THlavni& main);

// Prints the grid of the selected tab of a table window, or a chart window.
void PrintTableWindow(THlavni& main, QWidget* window);
void PrintChartWindow(THlavni& main, QWidget* window);
// Asks for the workbook and exports every grid of a table window, or the
// time series of a family (variantI true for Variant I).
void ExportTableWindow(THlavni& main, QWidget* window);
void ExportTimeSeriesWindow(THlavni& main, QWidget* window, bool variantI);

// What the open windows hold: the grid of the selected tab (printing), all
// grids of a result table window (export), the chart a chart window shows.
// Null / empty for a window of another kind.
const ResultGrid* SelectedGridOf(QWidget* tableWindow);
std::vector<ResultGrid> AllGridsOf(QWidget* tableWindow);
bool ChartContentOf(QWidget* chartWindow, render::HydrographChartContent& content);
// Tabs of a chart window (5 for Variant I, 1 for Variants II / III, 0 for
// none), and the charts of all its tabs or of the shown one, as drawn.
int ChartTabCount(QWidget* chartWindow);
std::vector<render::HydrographChartContent> ChartsOf(QWidget* chartWindow, bool allTabs);

// Asks where to save a PDF file, proposing "<project> - <suffix>.pdf" beside
// the project file (or in the project directory). Empty when cancelled.
QString AskPdfPath(THlavni& main, const QString& suffix);

// What every printed page names (project file, date of the computation) and
// the tables' decimal separator.
render::TablePrintSettings PageSettingsOf(THlavni& main);
// That, with the table font, the description lines and the warnings of a
// table window, for printing it.
render::TablePrintSettings PrintSettingsOf(THlavni& main, QWidget* tableWindow);

// "Uložit … jako PDF…" without the dialogs: writes the tables, or the
// charts, of the current results to path: every tab, or the selected one.
// Returns false after showing the error.
bool SaveTablePdf(THlavni& main, const QString& path, bool allTabs = false);
bool SaveChartPdf(THlavni& main, const QString& path, bool allTabs = false);

} // namespace hydrim::gui
