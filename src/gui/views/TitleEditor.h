// The edit box placed over a chart title: it takes at most
// ChartTitleMaxLength characters; Enter confirms, Esc and leaving the box
// cancel.
#pragma once

#include <QLineEdit>

namespace hydrim::gui {

class TitleEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit TitleEditor(QWidget* parent = nullptr);

signals:
    void accepted();
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace hydrim::gui
