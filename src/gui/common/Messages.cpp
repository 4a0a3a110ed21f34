#include "gui/common/Messages.h"

#include <QMessageBox>
#include <QPushButton>

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

SaveAnswer AskToSaveChanges(QWidget* parent) {
    return AskToSave(parent, QString::fromUtf8(SaveChangesQuestion));
}

SaveAnswer AskToSave(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QString(), question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setWindowModality(Qt::ApplicationModal);
    // The texts are set here rather than left to Qt's translations, whose
    // Cancel reads "Zrušit" where Czech programs ask "Storno".
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ano"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Ne"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Storno"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveAnswer::Save;
    case QMessageBox::No:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

} // namespace hydrim::gui
