// "Nápověda": the user guide shipped with the program ("help/napoveda.html"
// of the installation, or of the source tree when run from the build tree),
// shown in a window of its own beside the main window.
#pragma once

#include <QWidget>

#include <string>

class QTextBrowser;

namespace hydrim::gui {

inline const char* const UserGuideFile = "napoveda.html";

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // helpDir: the directory holding the guide; empty when none was found,
    // the window then says so.
    HelpWindow(const std::string& helpDir, QWidget* parent);

    QTextBrowser* browser() const { return browser_; }
    // Shows the window in front, at the guide's start.
    void showGuide();

private:
    QTextBrowser* browser_;
};

} // namespace hydrim::gui
