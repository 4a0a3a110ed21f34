// The message boxes of the program: information, warning and error with one
// OK button, and the question that could discard work.
#pragma once

#include <QString>

class QWidget;

namespace hydrim::gui {

void ShowInformation(QWidget* parent, const QString& text);
void ShowWarning(QWidget* parent, const QString& text);
void ShowError(QWidget* parent, const QString& text);

// "Uložit provedené změny do projektu?" with Yes and No, a question icon and
// an empty title, blocking the whole application. True when Yes was chosen.
bool AskToSaveChanges(QWidget* parent);

inline const char* const SaveChangesQuestion = "Uložit provedené změny do projektu?";

} // namespace hydrim::gui
