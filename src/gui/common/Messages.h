// The message boxes of the program: information, warning and error with one
// OK button, and the question that could discard work.
#pragma once

#include <QString>

class QWidget;

namespace hydrim::gui {

void ShowInformation(QWidget* parent, const QString& text);
void ShowWarning(QWidget* parent, const QString& text);
void ShowError(QWidget* parent, const QString& text);

// The answers to the question that could discard work.
enum class SaveAnswer { Save, Discard, Cancel };

// "Uložit provedené změny do projektu?" with "Ano", "Ne" and "Storno", a
// question icon and an empty title, blocking the whole application. Esc and
// the box's close button answer Cancel: the command that asked does not go on.
SaveAnswer AskToSaveChanges(QWidget* parent);

// The same question about other unsaved work, with the same answers.
SaveAnswer AskToSave(QWidget* parent, const QString& question);

inline const char* const SaveChangesQuestion = "Uložit provedené změny do projektu?";

} // namespace hydrim::gui
