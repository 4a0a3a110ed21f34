// The decimal separator of one document. Every number a printed page, a
// PDF file or the design report shows is written with the separator of its
// result tables (the user's locale: "." or ","): the table cells, the chart
// axes, the inputs, the warnings and the method alike.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace hydrim::render {

// A locale that writes numbers with decimalSeparator ("." or ",") and
// without digit grouping ("1250,5", not "1 250,5"), for the chart axes.
QLocale NumberLocale(char decimalSeparator);

// The text with the decimal point of every number in it written as
// decimalSeparator ("12.5 mm" -> "12,5 mm"). The engine writes its numbers
// with a point; a point counts as a decimal point only between two digits,
// so a sentence's full stop and "10³.m³" stay as they are.
QString WithDecimalSeparator(QString text, char decimalSeparator);
QStringList WithDecimalSeparator(QStringList texts, char decimalSeparator);

// The separator of the user's locale (QLocale::system()), "." when the
// locale has neither "." nor ",".
char SystemDecimalSeparator();

} // namespace hydrim::render
