#pragma once

#include "partcode/iec60062.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// A resistor's colour bands read into what they say, and a nominal into the bands that carry
// it: the knowledge of the colour code window, without a window.
namespace partcode {

using iec60062::Colour;
using iec60062::Tolerance;

// What a band's place on the part means.
enum class Place { Figure, Multiplier, Tolerance, TemperatureCoefficient, ZeroOhm };

// The places of a part's bands in reading order, by how many it carries: the single black band
// of a zero-ohm link (1), two figures and the multiplier (3, ±20 %), then a tolerance (4); three
// figures, the multiplier and a tolerance (5), then a temperature coefficient (6). Empty for any
// other count.
QList<Place> places(int bandCount);
// Whether a band in that place may carry the colour.
bool carries(Place place, Colour colour);
// The colours a band in that place may carry, in the standard's order.
QList<Colour> coloursOf(Place place);

// An exact decimal, digits × 10^exponent.
struct Decimal
{
    std::int64_t digits = 0;
    int exponent = 0;
};

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
};

// The bands as chosen so far, in reading order; a band not yet chosen is empty.
using Bands = QList<std::optional<Colour>>;

// The reading of the bands, or none while a band is missing or a colour stands where it cannot.
std::optional<Reading> read(const Bands &bands);
// The number (1 on) of the first band not yet chosen, or 0 when every band is.
int firstMissing(const Bands &bands);

// The bands of a part that carries the nominal with so many bands and that tolerance (and
// temperature coefficient, on six). None where the count cannot carry the value: more figures
// than it has, or a multiplier beyond pink and white.
std::optional<Bands> bandsOf(Decimal nominal, int bandCount, Tolerance tolerance,
    std::optional<int> temperatureCoefficient = {});

// A nominal as people write it: "4,7к", "4K7", "10 кОм", "0,22", "1М", "R47", "4.7"; none
// where the text is not one.
std::optional<Decimal> parseNominal(QStringView text, const QLocale &locale = QLocale());

// The nominal in the main window's words and units, the decimal separator the locale's:
// "10 КОм", "4,7 Ом", "0,47 Ом".
QString nominalText(Decimal nominal, const QLocale &locale = QLocale());
// The tolerance that earlier editions and many makers' tables give a tolerance band's colour,
// where it differs from the current edition's: grey's ±0,05 %.
std::optional<Tolerance> earlierTolerance(Colour colour);
// A tolerance as "±1 %" or "±0,05 %".
QString toleranceText(Tolerance tolerance, const QLocale &locale = QLocale());
// The tolerance and the range it allows: "±1 %: от 9,9 до 10,1 КОм".
QString rangeText(Decimal nominal, Tolerance tolerance, const QLocale &locale = QLocale());
// IEC 60062's letter code of the value with the tolerance letter: "4K7J", "10K0F", "R47M".
QString letterCode(const Reading &reading);

// The coarsest E series that holds the nominal, "E6" to "E192", or an empty text.
QString coarsestSeries(Decimal nominal);
// The series to look for a nearby standard value in, by the part: E24 for two figures, E96 for
// three, E192 for a tolerance under 1 %.
QString fittingSeries(const Reading &reading);
// The standard values of a series nearest below and above the nominal.
struct Neighbours
{
    Decimal below;
    Decimal above;
};
std::optional<Neighbours> neighbours(Decimal nominal, QStringView series);
// How far off another value is from the nominal, in per cent: "−2,1 %", "+0,5 %".
QString deviationText(Decimal nominal, Decimal other, const QLocale &locale = QLocale());

} // namespace partcode
