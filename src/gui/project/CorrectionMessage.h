// The message that announces the corrections of a value on leaving a field.
// The user who tabbed on keeps typing into the next field while the message
// opens: the characters typed into the message are kept and handed to the
// next field once the message is closed, so they are not lost.
#pragma once

#include <QKeySequence>
#include <QMessageBox>
#include <QString>

#include <vector>

class QWidget;

namespace hydrim::gui {

// The characters typed while correction messages were open.
class KeptKeys {
public:
    // Sends the kept characters to target as key presses, then forgets them.
    void replayTo(QWidget* target);
    bool empty() const { return keys_.empty(); }

private:
    friend class CorrectionMessageKeys;
    struct Key {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
    };
    std::vector<Key> keys_;
};

// Shows the message text (an error "Chyba" or a warning "Upozornění", one
// button OK) with detail as its second paragraph; characters typed into it
// are added to kept.
void ShowCorrectionMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                           const QString& detail, KeptKeys& kept);

} // namespace hydrim::gui
