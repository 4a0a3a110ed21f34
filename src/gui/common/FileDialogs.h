// The file dialogs of the program: the file a dialog was answered with, and
// the question where to save a new file.
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace hydrim::gui {

// Shows dialog modally; the file chosen, or empty when it was cancelled.
QString ChosenFile(QFileDialog& dialog);

// Asks where to save a file, proposing proposed (directory and name), with
// the file-type filter and the suffix added to a name typed without one.
// The file chosen, or empty when the dialog was cancelled.
QString AskSaveFile(QWidget* parent, const QString& title, const QString& proposed, const QString& filter,
                    const QString& suffix);

} // namespace hydrim::gui
