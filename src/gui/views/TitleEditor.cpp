#include "gui/views/TitleEditor.h"

#include "core/series/ChartTexts.h"

#include <QKeyEvent>

namespace hydrim::gui {

TitleEditor::TitleEditor(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignCenter);
    setMaxLength(ChartTitleMaxLength);
    hide();
}

void TitleEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit accepted();
        return;
    case Qt::Key_Escape:
        emit cancelled();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void TitleEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A popup (e.g. the edit box's own context menu) takes the focus only
    // for a moment; anything else ends the edit without a change.
    if (isVisible() && event->reason() != Qt::PopupFocusReason) {
        emit cancelled();
    }
}

} // namespace hydrim::gui
