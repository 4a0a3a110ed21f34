#include "gui/app/AboutDialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace hydrim::gui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OAplikaci"));
    setWindowTitle(QStringLiteral("O Aplikaci"));
    setModal(false);

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/hydrim/hydrim.svg")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);
    auto* purpose =
        new QLabel(QStringLiteral("Program pro výpočet maximálních\nprůtoků na malých povodích"), this);
    purpose->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QString::fromUtf8(VersionLine), this);
    version->setAlignment(Qt::AlignCenter);
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(10);
    layout->addWidget(icon);
    layout->addWidget(purpose);
    layout->addWidget(version);
    layout->addWidget(buttons, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

} // namespace hydrim::gui
