#pragma once

#include "combination/search.h"

#include <QLocale>
#include <QString>

#include <optional>

// Networks and dividers as a person writes them down.
namespace combination {

// A value worked out, with so many significant figures as are worth telling, in the main
// window's units: "195,35 Ом", "89 КОм".
QString valueText(double ohms, int figures = 5, const QLocale &locale = QLocale());
// The network as it is drawn: "4,7 КОм + (1 КОм ∥ 1,5 КОм)", every part's value with every
// figure it has.
QString networkText(
    const Network &network, const QList<Decimal> &values, const QLocale &locale = QLocale());
// How far off, in per cent to two significant figures: "точно", "−0,042 %", "+1,3 %".
QString errorText(double error, const QLocale &locale = QLocale());
// How many parts, as a heading: "1 резистор", "2 резистора".
QString partsCaption(int parts);

// A network found, in one line: what it is, what it comes to and how far off, the range its
// parts' tolerance lets it take, and whether that range holds the target.
QString foundText(const Found &found, const QList<Decimal> &values, double target,
    Tolerance tolerance, const QLocale &locale = QLocale());

// The divider wanted: the ratio, and the input voltage where it was given as two voltages.
struct DividerTarget
{
    double ratio = 0;
    std::optional<double> input;
};
// "0,66", "3,3/5" (Uвых/Uвх) or "3,3 В / 5 В"; none where the text is not one, or the output
// would not be below the input.
std::optional<DividerTarget> parseDividerTarget(
    QStringView text, const QLocale &locale = QLocale());
// A divider in one line: the arms, the ratio and how far off, and the range of the ratio, and of
// the output voltage where the input is known, that the parts' tolerance allows.
QString dividerText(const Divider &divider, const QList<Decimal> &values,
    const DividerTarget &target, Tolerance tolerance, const QLocale &locale = QLocale());

} // namespace combination
