#include "render/DocumentNumbers.h"

namespace hydrim::render {

QLocale NumberLocale(char decimalSeparator) {
    // Qt's own locale data, so the result does not depend on the locales
    // installed on the machine.
    QLocale locale = decimalSeparator == ',' ? QLocale(QLocale::Czech, QLocale::Czechia) : QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString WithDecimalSeparator(QString text, char decimalSeparator) {
    if (decimalSeparator == '.') {
        return text;
    }
    for (qsizetype k = 1; k + 1 < text.size(); ++k) {
        const auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
        if (text[k] == QLatin1Char('.') && isDigit(text[k - 1]) && isDigit(text[k + 1])) {
            text[k] = QLatin1Char(decimalSeparator);
        }
    }
    return text;
}

QStringList WithDecimalSeparator(QStringList texts, char decimalSeparator) {
    for (QString& text : texts) {
        text = WithDecimalSeparator(text, decimalSeparator);
    }
    return texts;
}

char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

} // namespace hydrim::render
