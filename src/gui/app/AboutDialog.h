// The about window "O Aplikaci": what the program is for and its version.
#pragma once

#include <QDialog>

namespace hydrim::gui {

inline const char* const VersionLine = "Hydrim - SPIKA, verze " HYDRIM_VERSION;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace hydrim::gui
