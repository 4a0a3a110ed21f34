#include "gui/project/CorrectionMessage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

namespace hydrim::gui {

// Takes the characters typed into one message box. Enter, Esc, Space and Tab
// keep working on the box: they are how a user answers it.
class CorrectionMessageKeys : public QObject {
public:
    CorrectionMessageKeys(const QWidget* box, KeptKeys& kept) : box_(box), kept_(kept) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != box_) {
            return false;
        }
        const auto* press = static_cast<QKeyEvent*>(event);
        const QString text = press->text();
        const bool command = press->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (command || text.isEmpty() || !text.at(0).isPrint() || text.at(0).isSpace()) {
            return false;
        }
        kept_.keys_.push_back({press->key(), press->modifiers(), text});
        return true;
    }

private:
    const QWidget* box_;
    KeptKeys& kept_;
};

void KeptKeys::replayTo(QWidget* target) {
    const std::vector<Key> keys = std::move(keys_);
    keys_.clear();
    for (const Key& key : keys) {
        if (target == nullptr) {
            return;
        }
        QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, key.text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key.key, key.modifiers, key.text);
        QApplication::sendEvent(target, &release);
    }
}

void ShowCorrectionMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                           const QString& detail, KeptKeys& kept) {
    const QString title =
        icon == QMessageBox::Critical ? QStringLiteral("Chyba") : QStringLiteral("Upozornění");
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    CorrectionMessageKeys keys(&box, kept);
    qApp->installEventFilter(&keys);
    box.exec();
    qApp->removeEventFilter(&keys);
}

} // namespace hydrim::gui
