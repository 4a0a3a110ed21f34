#include "gui/common/Messages.h"

#include <QMessageBox>

namespace hydrim::gui {

namespace {

void Show(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

void ShowInformation(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Information, QStringLiteral("Informace"), text);
}

void ShowWarning(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Warning, QStringLiteral("Upozornění"), text);
}

void ShowError(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Critical, QStringLiteral("Chyba"), text);
}

bool AskToSaveChanges(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QString(), QString::fromUtf8(SaveChangesQuestion),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

} // namespace hydrim::gui
