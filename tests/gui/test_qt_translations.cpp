// Qt's own texts in Czech once the program's translator is installed: the
// message-box buttons a user sees.
#include "gui/app/QtTranslations.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestQtTranslations : public QObject {
    Q_OBJECT
private slots:
    void messageBoxButtonsReadCzech();
};

void TestQtTranslations::messageBoxButtonsReadCzech() {
    QVERIFY(hydrim::gui::InstallQtTranslations(*QCoreApplication::instance()));
    QMessageBox box(QMessageBox::Question, QString(), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Close);
    const auto text = [&box](QMessageBox::StandardButton button) {
        return box.button(button)->text().remove(QLatin1Char('&'));
    };
    QCOMPARE(text(QMessageBox::Yes), QStringLiteral("Ano"));
    QCOMPARE(text(QMessageBox::No), QStringLiteral("Ne"));
    QCOMPARE(text(QMessageBox::Cancel), QStringLiteral("Zrušit"));
    QCOMPARE(text(QMessageBox::Close), QStringLiteral("Zavřít"));
}

QTEST_MAIN(TestQtTranslations)
#include "test_qt_translations.moc"
