#include "partcode/reading.h"

#include "partcode/iec60063.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace partcode {

namespace {

std::int64_t powerOfTen(int n)
{
    std::int64_t value = 1;
    for (; n > 0; --n)
        value *= 10;
    return value;
}

int digitCount(std::int64_t n)
{
    int count = 1;
    for (; n >= 10; n /= 10)
        ++count;
    return count;
}

// Trailing zeros moved into the exponent: one way of writing each value.
Decimal normalised(Decimal value)
{
    if (value.digits == 0)
        return {};
    while (value.digits % 10 == 0) {
        value.digits /= 10;
        ++value.exponent;
    }
    return value;
}

// Where the first figure stands: 0 for ones, 3 for thousands, −1 for tenths.
int magnitude(Decimal value)
{
    value = normalised(value);
    return value.digits == 0 ? 0 : digitCount(value.digits) - 1 + value.exponent;
}

// Which of two values is the larger, exactly; the values compared here lie within a few decades
// of one another.
int compare(Decimal a, Decimal b)
{
    a = normalised(a);
    b = normalised(b);
    const int lowest = std::min(a.exponent, b.exponent);
    const std::int64_t left = a.digits * powerOfTen(a.exponent - lowest);
    const std::int64_t right = b.digits * powerOfTen(b.exponent - lowest);
    return left < right ? -1 : left > right ? 1 : 0;
}

long double toNumber(Decimal value)
{
    return static_cast<long double>(value.digits) * std::pow(10.0L, value.exponent);
}

// The value's digits with the locale's decimal separator, as few as say it exactly.
QString decimalText(Decimal value, const QLocale &locale)
{
    value = normalised(value);
    QString digits = QString::number(value.digits);
    if (value.exponent >= 0)
        return digits + QString(value.exponent, u'0');
    const int fraction = -value.exponent;
    if (digits.size() <= fraction)
        digits.prepend(QString(fraction - digits.size() + 1, u'0'));
    return digits.left(digits.size() - fraction) + locale.decimalPoint() + digits.right(fraction);
}

// The main window's units; a nominal is told in the largest that leaves it at least one.
struct Unit
{
    int power;
    const char16_t *name;
};
constexpr std::array<Unit, 4> Units {{{9, u"ГОм"}, {6, u"МОм"}, {3, u"КОм"}, {0, u"Ом"}}};

const Unit &unitOf(Decimal nominal)
{
    const int first = magnitude(nominal);
    for (const Unit &unit : Units) {
        if (first >= unit.power)
            return unit;
    }
    return Units.back();
}

QString inUnit(Decimal value, const Unit &unit, const QLocale &locale)
{
    return decimalText({value.digits, value.exponent - unit.power}, locale);
}

// The colour that means the value in a place, where one does.
template<typename Member>
std::optional<Colour> colourWith(Member member, int value)
{
    for (const iec60062::ColourMeaning &meaning : iec60062::Colours) {
        if (meaning.*member == value)
            return meaning.colour;
    }
    return std::nullopt;
}

const iec60063::Series *seriesNamed(QStringView name)
{
    for (const iec60063::Series &series : iec60063::AllSeries) {
        if (name == QStringView(series.name))
            return &series;
    }
    return nullptr;
}

// The series' figures as three-figure mantissas, 100 to 999.
QList<int> mantissas(const iec60063::Series &series)
{
    QList<int> result;
    for (const int figures : series.figures)
        result.append(figures < 100 ? figures * 10 : figures);
    return result;
}

} // namespace

QList<Place> places(int bandCount)
{
    switch (bandCount) {
    case 1:
        return {Place::ZeroOhm};
    case 3:
        return {Place::Figure, Place::Figure, Place::Multiplier};
    case 4:
        return {Place::Figure, Place::Figure, Place::Multiplier, Place::Tolerance};
    case 5:
        return {Place::Figure, Place::Figure, Place::Figure, Place::Multiplier, Place::Tolerance};
    case 6:
        return {Place::Figure, Place::Figure, Place::Figure, Place::Multiplier, Place::Tolerance,
            Place::TemperatureCoefficient};
    default:
        return {};
    }
}

bool carries(Place place, Colour colour)
{
    const iec60062::ColourMeaning &meaning = iec60062::meaning(colour);
    switch (place) {
    case Place::Figure:
        return meaning.figure.has_value();
    case Place::Multiplier:
        return meaning.multiplier.has_value();
    case Place::Tolerance:
        return meaning.tolerance.has_value();
    case Place::TemperatureCoefficient:
        return meaning.temperatureCoefficient.has_value();
    case Place::ZeroOhm:
        return colour == Colour::Black;
    }
    return false;
}

QList<Colour> coloursOf(Place place)
{
    QList<Colour> result;
    for (const iec60062::ColourMeaning &meaning : iec60062::Colours) {
        if (carries(place, meaning.colour))
            result.append(meaning.colour);
    }
    return result;
}

std::optional<Reading> read(const Bands &bands)
{
    const QList<Place> placesRead = places(int(bands.size()));
    if (placesRead.isEmpty())
        return std::nullopt;
    Reading reading;
    for (qsizetype band = 0; band < bands.size(); ++band) {
        if (!bands[band] || !carries(placesRead[band], *bands[band]))
            return std::nullopt;
        const iec60062::ColourMeaning &meaning = iec60062::meaning(*bands[band]);
        switch (placesRead[band]) {
        case Place::Figure:
            reading.figures = reading.figures * 10 + *meaning.figure;
            ++reading.figureCount;
            break;
        case Place::Multiplier:
            reading.power = *meaning.multiplier;
            break;
        case Place::Tolerance:
            reading.tolerance = *meaning.tolerance;
            break;
        case Place::TemperatureCoefficient:
            reading.temperatureCoefficient = meaning.temperatureCoefficient;
            break;
        case Place::ZeroOhm:
            reading.tolerance = 0;
            break;
        }
    }
    return reading;
}

int firstMissing(const Bands &bands)
{
    const auto missing = std::find(bands.begin(), bands.end(), std::nullopt);
    return missing == bands.end() ? 0 : int(missing - bands.begin()) + 1;
}

std::optional<Bands> bandsOf(
    Decimal nominal, int bandCount, Tolerance tolerance, std::optional<int> temperatureCoefficient)
{
    const QList<Place> placesWritten = places(bandCount);
    if (placesWritten.isEmpty())
        return std::nullopt;
    nominal = normalised(nominal);
    if (bandCount == 1)
        return nominal.digits == 0 ? std::optional(Bands {Colour::Black}) : std::nullopt;
    const int figureCount
        = int(std::count(placesWritten.begin(), placesWritten.end(), Place::Figure));
    if (nominal.digits == 0 || digitCount(nominal.digits) > figureCount)
        return std::nullopt;
    const int spare = figureCount - digitCount(nominal.digits);
    const int figures = int(nominal.digits * powerOfTen(spare));
    const auto multiplier
        = colourWith(&iec60062::ColourMeaning::multiplier, nominal.exponent - spare);
    if (!multiplier)
        return std::nullopt;
    Bands bands;
    for (int place = figureCount - 1; place >= 0; --place)
        bands.append(
            colourWith(&iec60062::ColourMeaning::figure, figures / int(powerOfTen(place)) % 10));
    bands.append(multiplier);
    if (bandCount == 3)
        return tolerance == iec60062::WithoutBand ? std::optional(bands) : std::nullopt;
    const auto toleranceBand = colourWith(&iec60062::ColourMeaning::tolerance, tolerance);
    if (!toleranceBand)
        return std::nullopt;
    bands.append(toleranceBand);
    if (bandCount == 6) {
        const auto coefficient = temperatureCoefficient
            ? colourWith(&iec60062::ColourMeaning::temperatureCoefficient, *temperatureCoefficient)
            : std::nullopt;
        if (!coefficient)
            return std::nullopt;
        bands.append(coefficient);
    }
    return bands;
}

std::optional<Decimal> parseNominal(QStringView text, const QLocale &locale)
{
    // The unit after the number is optional; a letter stands for its power of ten, before the
    // unit or in place of the decimal sign. A lower-case "м" or "m" is refused: it may mean
    // milli as well as mega.
    static const QRegularExpression unit(
        u"\\s*(ом|ohm|Ω)$"_s, QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression decimal(u"^(\\d*)(?:[.,](\\d+))?\\s*([RrKkКкMМGgГг]?)$"_s);
    static const QRegularExpression letter(u"^(\\d*)([RrKkКкMМGgГг])(\\d+)$"_s);
    QString written = text.trimmed().toString();
    written.remove(unit);
    written = written.trimmed();
    written.replace(locale.decimalPoint(), u"."_s);
    QString whole;
    QString fraction;
    QChar power;
    if (const auto match = letter.match(written); match.hasMatch()) {
        whole = match.captured(1);
        power = match.captured(2).at(0);
        fraction = match.captured(3);
    } else if (const auto match = decimal.match(written); match.hasMatch()) {
        whole = match.captured(1);
        fraction = match.captured(2);
        if (!match.captured(3).isEmpty())
            power = match.captured(3).at(0);
    } else {
        return std::nullopt;
    }
    const QString digits = whole + fraction;
    if (digits.isEmpty() || digits.size() > 15)
        return std::nullopt;
    int exponent = -int(fraction.size());
    switch (power.toUpper().unicode()) {
    case u'K':
    case u'К':
        exponent += 3;
        break;
    case u'M':
    case u'М':
        exponent += 6;
        break;
    case u'G':
    case u'Г':
        exponent += 9;
        break;
    default:
        break;
    }
    return normalised({digits.toLongLong(), exponent});
}

QString nominalText(Decimal nominal, const QLocale &locale)
{
    const Unit &unit = unitOf(nominal);
    return inUnit(nominal, unit, locale) + u' ' + QString::fromUtf16(unit.name);
}

std::optional<Tolerance> earlierTolerance(Colour colour)
{
    for (const iec60062::EarlierMeaning &earlier : iec60062::EarlierTolerances) {
        if (earlier.colour == colour)
            return earlier.tolerance;
    }
    return std::nullopt;
}

QString toleranceText(Tolerance tolerance, const QLocale &locale)
{
    return u"±"_s + decimalText({tolerance, -2}, locale) + u" %"_s;
}

QString rangeText(Decimal nominal, Tolerance tolerance, const QLocale &locale)
{
    const Unit &unit = unitOf(nominal);
    const Decimal lower {nominal.digits * (10000 - tolerance), nominal.exponent - 4};
    const Decimal upper {nominal.digits * (10000 + tolerance), nominal.exponent - 4};
    return toleranceText(tolerance, locale) + u": от "_s + inUnit(lower, unit, locale) + u" до "_s
        + inUnit(upper, unit, locale) + u' ' + QString::fromUtf16(unit.name);
}

QString letterCode(const Reading &reading)
{
    if (reading.figureCount == 0)
        return u"0R"_s;
    // The figures as the bands give them, leading zeros left out; the letter of the largest
    // power of a thousand below the value stands where the decimal sign would.
    QString figures = QString::number(reading.figures).rightJustified(reading.figureCount, u'0');
    const int leadingZeros = int(figures.size() - QString::number(reading.figures).size());
    figures.remove(0, std::min<int>(leadingZeros, int(figures.size()) - 1));
    const int whole = int(figures.size()) + reading.power;
    int group = whole > 0 ? (whole - 1) / 3 : 0;
    group = std::min(group, int(iec60062::ValueLetters.size()) - 1);
    const QChar symbol(iec60062::ValueLetters[group].letter);
    const int point = whole - 3 * group;
    QString code;
    if (point <= 0)
        code = symbol + QString(-point, u'0') + figures;
    else if (point >= figures.size())
        code = figures + QString(point - figures.size(), u'0') + symbol;
    else
        code = figures.left(point) + symbol + figures.mid(point);
    for (const iec60062::ToleranceLetter &letter : iec60062::ToleranceLetters) {
        if (letter.tolerance == reading.tolerance)
            return code + QChar(letter.letter);
    }
    return code;
}

QString coarsestSeries(Decimal nominal)
{
    nominal = normalised(nominal);
    if (nominal.digits == 0 || digitCount(nominal.digits) > 3)
        return {};
    const int mantissa = int(nominal.digits * powerOfTen(3 - digitCount(nominal.digits)));
    for (const iec60063::Series &series : iec60063::AllSeries) {
        if (mantissas(series).contains(mantissa))
            return QString::fromUtf16(series.name);
    }
    return {};
}

QString fittingSeries(const Reading &reading)
{
    if (reading.tolerance < 100)
        return u"E192"_s;
    return reading.figureCount == 3 ? u"E96"_s : u"E24"_s;
}

std::optional<Neighbours> neighbours(Decimal nominal, QStringView seriesName)
{
    const iec60063::Series *series = seriesNamed(seriesName);
    nominal = normalised(nominal);
    if (!series || nominal.digits == 0)
        return std::nullopt;
    // The series' values in the nominal's decade and in the decades on either side of it.
    const int decade = magnitude(nominal) - 2;
    std::optional<Decimal> below;
    std::optional<Decimal> above;
    for (int offset = -1; offset <= 1; ++offset) {
        for (const int mantissa : mantissas(*series)) {
            const Decimal value = normalised({mantissa, decade + offset});
            if (compare(value, nominal) < 0 && (!below || compare(value, *below) > 0))
                below = value;
            if (compare(value, nominal) > 0 && (!above || compare(value, *above) < 0))
                above = value;
        }
    }
    if (!below || !above)
        return std::nullopt;
    return Neighbours {*below, *above};
}

QString deviationText(Decimal nominal, Decimal other, const QLocale &locale)
{
    const long double percent = (toNumber(other) / toNumber(nominal) - 1) * 100;
    const auto tenths = static_cast<std::int64_t>(std::llround(std::fabs(percent) * 10));
    return (percent < 0 ? u"−"_s : u"+"_s) + decimalText({tenths, -1}, locale) + u" %"_s;
}

} // namespace partcode
