// Qt's own Czech translations, so the standard dialogs (open, save, font,
// print) and the message-box buttons speak the program's language.
#pragma once

class QCoreApplication;

namespace hydrim::gui {

// Installs "qtbase_cs" from Qt's translations directory into app. Returns
// false when the file is missing: Qt's texts then stay English.
bool InstallQtTranslations(QCoreApplication& app);

} // namespace hydrim::gui
