// The lookup dialogs attached to the program's input window.
#include "gui/project/ProjectInputWindow.h"
#include "gui/reference/LookupDialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace hydrim::gui {

namespace {

class ProjectInputLink : public InputWindowLink {
public:
    explicit ProjectInputLink(ProjectInputWindow* window) : window_(window) {}

    void setFieldText(int k, const QString& text) override {
        if (window_) {
            window_->setFieldText(k, text);
        }
    }
    QString fieldText(int k) const override {
        QLineEdit* field = window_ ? window_->edit(k) : nullptr;
        return field ? field->text() : QString();
    }
    int comboIndex(int k) const override {
        QComboBox* list = window_ ? window_->comboBox(k) : nullptr;
        return list ? list->currentIndex() : -1;
    }
    void setComboIndex(int k, int index) override {
        if (QComboBox* list = window_ ? window_->comboBox(k) : nullptr) {
            list->setCurrentIndex(index);
        }
    }
    void appendDescriptionLine(const QString& line) override {
        if (QPlainTextEdit* memo = window_ ? window_->memo() : nullptr) {
            memo->appendPlainText(line);
        }
    }
    void setLookupButtonEnabled(int k, bool enabled) override {
        if (QToolButton* button = window_ ? window_->speedButton(k) : nullptr) {
            button->setEnabled(enabled);
        }
    }
    void lookupClosed(int k) override {
        if (window_) {
            window_->lookupClosed(k);
        }
    }

private:
    QPointer<ProjectInputWindow> window_;
};

} // namespace

void LookupDialogs::attach(ProjectInputWindow* window) {
    for (const QMetaObject::Connection& connection : windowConnections_) {
        disconnect(connection);
    }
    windowConnections_.clear();
    attachLink(nullptr);
    ownedLink_ = window ? std::make_unique<ProjectInputLink>(window) : nullptr;
    attachLink(ownedLink_.get());
    attachedWindow_ = window;
    if (!window) {
        return;
    }
    windowConnections_.append(
        connect(window, &ProjectInputWindow::lookupRequested, this, &LookupDialogs::openLookup));
    windowConnections_.append(connect(window, &QObject::destroyed, this, [this] {
        attachLink(nullptr);
        ownedLink_.reset();
    }));
}

} // namespace hydrim::gui
