// What the lookup dialogs have in common: a window that stays on top, is
// centred on the screen, is shown without blocking the program and reports
// its closing; the messages they show; and the link to the input window.
#pragma once

#include "core/project/Error.h"
#include "core/project/ProjectData.h"
#include "core/reference/LookupWeighting.h"

#include <QDialog>
#include <QMessageBox>

#include <functional>

class QLabel;

namespace hydrim::gui {

// What a lookup dialog may do with the project input window.
class InputWindowLink {
public:
    virtual ~InputWindowLink() = default;
    // Writes EditK as typing it would (change and exit handling).
    virtual void setFieldText(int k, const QString& text) = 0;
    // Item index of ComboBoxK (-1: none) and its change as choosing an item would.
    virtual int comboIndex(int k) const = 0;
    virtual void setComboIndex(int k, int index) = 0;
    // The text of EditK (empty where the window has no such field).
    virtual QString fieldText(int k) const {
        (void)k;
        return {};
    }
    // Appends a line to the project description.
    virtual void appendDescriptionLine(const QString& line) = 0;
    // Enables or disables the lookup button SpeedButtonK.
    virtual void setLookupButtonEnabled(int k, bool enabled) = 0;
    // A dialog opened by SpeedButtonK was closed.
    virtual void lookupClosed(int k) = 0;
};

// What every dialog works with: the program state and the input window (null
// while there is none).
struct LookupContext {
    AppState& state;
    InputWindowLink* link = nullptr;

    LookupState& lookup() { return state.CurrentProject.Lookup; }
};

// Slope index of the per-slope lookup state: 1 left, 0 right.
inline size_t SlopeIndex(bool leftSlope) {
    return leftSlope ? 1 : 0;
}

// Message boxes of the lookup dialogs (one OK button). Tests route them to a
// sink instead of a modal box.
using LookupMessageSink = std::function<void(QMessageBox::Icon icon, const QString& text)>;
void SetLookupMessageSink(LookupMessageSink sink);
void ShowLookupMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text);

// The message of an input the dialogs cannot compute with.
using hydrim::WrongInputMessage;

class LookupWindow : public QDialog {
    Q_OBJECT
public:
    LookupWindow(LookupContext& context, QWidget* parent);

    // Shows the window (not modal), centred on the screen, in front.
    void showCentred();
    // The error of reading the dialog's table file (empty when it was read).
    const Error& readError() const { return readError_; }
    // The red note a dialog shows when its table has no data.
    QLabel* note() const { return note_; }

    // The slope the window serves, kept from its opening: another dialog
    // opened meanwhile for the other slope does not redirect this one.
    void setLeftSlope(bool left) { leftSlope_ = left; }
    bool leftSlope() const { return leftSlope_; }
    size_t slopeIndex() const { return SlopeIndex(leftSlope_); }

protected:
    // Sizes the window to its content and fixes that size.
    void fixSizeToContent();
    // A note line saying plainly what is missing.
    QLabel* makeNote(const QString& text);
    // The height the tall tables use: the screen's less 40 pixels.
    int screenHeightLess40() const;

    LookupContext& context_;
    Error readError_;

private:
    QLabel* note_ = nullptr;
    bool leftSlope_ = true;
};

} // namespace hydrim::gui
