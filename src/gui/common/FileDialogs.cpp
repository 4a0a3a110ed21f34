#include "gui/common/FileDialogs.h"

#include <QFileDialog>

namespace hydrim::gui {

QString ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString AskSaveFile(QWidget* parent, const QString& title, const QString& proposed, const QString& filter,
                    const QString& suffix) {
    QFileDialog dialog(parent, title, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(proposed);
    return ChosenFile(dialog);
}

} // namespace hydrim::gui
