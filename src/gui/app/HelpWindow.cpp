#include "gui/app/HelpWindow.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace hydrim::gui {

HelpWindow::HelpWindow(const std::string& helpDir, QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("Napoveda"));
    setWindowTitle(QStringLiteral("Nápověda – Hydrim"));
    browser_->setObjectName(QStringLiteral("NapovedaText"));
    browser_->setOpenExternalLinks(true);

    auto* back = new QPushButton(QStringLiteral("← &Zpět"), this);
    auto* contents = new QPushButton(QStringLiteral("&Obsah"), this);
    auto* close = new QPushButton(QStringLiteral("&Zavřít"), this);
    back->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);

    const QString dir = QString::fromStdString(helpDir);
    if (dir.isEmpty()) {
        browser_->setHtml(
            QStringLiteral("<h2>Nápověda nebyla nalezena</h2><p>Soubor %1 chybí v instalaci programu.</p>")
                .arg(QString::fromUtf8(UserGuideFile)));
    } else {
        browser_->setSearchPaths({dir});
        browser_->setSource(QUrl::fromLocalFile(QDir(dir).filePath(QString::fromUtf8(UserGuideFile))));
    }
    resize(760, 640);
}

void HelpWindow::showGuide() {
    browser_->home();
    show();
    raise();
    activateWindow();
}

} // namespace hydrim::gui
