#pragma once

#include "partcode/iec60062.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// The part code: a resistor's colour bands read into what they say, and a nominal into the
// bands that carry it, by the tables of IEC 60062 and IEC 60063.
namespace partcode {

using iec60062::Colour;
using iec60062::Tolerance;

// What a band means by where it stands on the part.
enum class BandRole { Figure, Multiplier, Tolerance, TemperatureCoefficient, ZeroOhm };

// The roles of a part's bands in reading order, by how many it carries: the single black band
// of a zero-ohm link (1), two figures and the multiplier (3, ±20 %), then a tolerance (4); three
// figures, the multiplier and a tolerance (5), then a temperature coefficient (6). Empty for any
// other count.
QList<BandRole> roles(int bandCount);
// Whether a band in that role may carry the colour.
bool carries(BandRole role, Colour colour);
// The colours a band in that role may carry, in the standard's order.
QList<Colour> coloursOf(BandRole role);

// An exact decimal, digits × 10^exponent.
struct Decimal
{
    std::int64_t digits = 0;
    int exponent = 0;

    // The same writing, not only the same value: 47 × 10² is not 470 × 10¹.
    bool operator==(const Decimal &other) const = default;
};

// 10 to the power, 0 and up; the count of a whole number's figures; a value with its trailing
// zeros moved into the exponent, one way of writing each value.
std::int64_t powerOfTen(int power);
int digitCount(std::int64_t n);
Decimal normalised(Decimal value);

// What a whole part says: its nominal in ohms, as its figures and the multiplier's power of ten,
// its tolerance and, on a sixth band, its temperature coefficient in 10⁻⁶/K.
struct Reading
{
    int figures = 0;
    int figureCount = 0;
    int power = 0;
    Tolerance tolerance = iec60062::WithoutBand;
    std::optional<int> temperatureCoefficient;

    Decimal nominal() const { return {figures, power}; }
    // No part is marked with a black first figure: such bands are read from the wrong end, or
    // are not a resistor's. A zero-ohm link has no figures and is a part.
    bool isPart() const;
};

// The bands as chosen so far, in reading order; a band not yet chosen is empty.
using Bands = QList<std::optional<Colour>>;

// The reading of the bands, or none while a band is missing or a colour stands where it cannot.
std::optional<Reading> read(const Bands &bands);
// The number (1 on) of the first band not yet chosen, or 0 when every band is.
int firstMissing(const Bands &bands);

// What was asked of the part code, done or refused: the result, or none, and in words what was
// done or why it could not be.
template<typename T>
struct Outcome
{
    std::optional<T> value;
    QString message;
};

// The bands of a part that carries the nominal with so many bands and that tolerance (and
// temperature coefficient, on six); refused, saying why, where they cannot: more figures than
// the count has, a multiplier beyond pink and white, a tolerance or coefficient without a colour.
Outcome<Bands> bandsOf(Decimal nominal, int bandCount, Tolerance tolerance,
    std::optional<int> temperatureCoefficient = {}, const QLocale &locale = QLocale());

// A nominal as people write it: "4,7к", "4K7", "10 кОм", "0,22", "1М", "R47", "4.7"; none
// where the text is not one.
std::optional<Decimal> parseNominal(QStringView text, const QLocale &locale = QLocale());

// The nominal in the main window's words and units, up to ТОм, the decimal separator the
// locale's: "10 КОм", "4,7 Ом", "0,47 Ом", "1 ТОм".
QString nominalText(Decimal nominal, const QLocale &locale = QLocale());
// The tolerance that earlier editions and many makers' tables give a tolerance band's colour,
// where it differs from the current edition's: grey's ±0,05 %.
std::optional<Tolerance> earlierTolerance(Colour colour);
// A tolerance as "±1 %" or "±0,05 %".
QString toleranceText(Tolerance tolerance, const QLocale &locale = QLocale());
// The tolerance and the range it allows: "±1 %: от 9,9 до 10,1 КОм". The limits are rounded
// half up, and keep the figures that the nominal and the tolerance need: two places below the
// nominal's last figure, or the second figure of the tolerance's share of it, the finer.
QString rangeText(Decimal nominal, Tolerance tolerance, const QLocale &locale = QLocale());
// IEC 60062's letter code of the value with the tolerance letter: "4K7J", "10K0F", "R47M".
QString letterCode(const Reading &reading);

// The coarsest E series that holds the nominal, "E6" to "E192", or an empty text.
QString coarsestSeries(Decimal nominal);
// The series that a part of the tolerance is made in (IEC 60063): E6 for ±20 %, E12 for
// ±10 %, E24 for ±5 %, E48 for ±2 %, E96 for ±1 %, E192 for ±0,5 % and finer.
QString seriesFor(Tolerance tolerance);
// The series that count as standard for a part of the tolerance, its own and the coarser ones,
// written as a span: "E6" alone, or "E6–E24".
QString seriesSpan(Tolerance tolerance);
// The coarsest series that holds the nominal among those that count for a part of the
// tolerance, or an empty text: a ±5 % part of 14 Ом is in none, though E48 holds 14 Ом.
QString standardSeries(Decimal nominal, Tolerance tolerance);
// The standard values nearest below and above the nominal, among the series that count for a
// part of the tolerance.
struct Neighbours
{
    Decimal below;
    Decimal above;
};
std::optional<Neighbours> neighbours(Decimal nominal, Tolerance tolerance);
// How far off another value is from the nominal, in per cent, rounded half up to a tenth:
// "−2,1 %", "+6,3 %".
QString deviationText(Decimal nominal, Decimal other, const QLocale &locale = QLocale());

} // namespace partcode
