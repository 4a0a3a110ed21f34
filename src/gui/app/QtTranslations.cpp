#include "gui/app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace hydrim::gui {

bool InstallQtTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    // Czech whatever the user's locale: the whole interface is Czech.
    if (!translator->load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace hydrim::gui
