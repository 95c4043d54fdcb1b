#include "partcode/reading.h"

#include "partcode/iec60063.h"

#include <QRegularExpression>

#include <algorithm>
#include <span>

using namespace Qt::StringLiterals;

namespace partcode {

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

namespace {

// Where the first figure stands: 0 for ones, 3 for thousands, −1 for tenths.
int magnitude(Decimal value)
{
    value = normalised(value);
    return value.digits == 0 ? 0 : digitCount(value.digits) - 1 + value.exponent;
}

// Both values, which lie within a few decades of one another, as digits of one power of ten,
// the lower of their two.
std::pair<std::int64_t, std::int64_t> alike(Decimal a, Decimal b)
{
    a = normalised(a);
    b = normalised(b);
    const int lowest = std::min(a.exponent, b.exponent);
    return {a.digits * powerOfTen(a.exponent - lowest), b.digits * powerOfTen(b.exponent - lowest)};
}

// Which of two values is the larger, exactly.
int compare(Decimal a, Decimal b)
{
    const auto [left, right] = alike(a, b);
    return left < right ? -1 : left > right ? 1 : 0;
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
constexpr std::array<Unit, 5> Units {
    {{12, u"ТОм"}, {9, u"ГОм"}, {6, u"МОм"}, {3, u"КОм"}, {0, u"Ом"}}};

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

// The series that count as standard for a part of the tolerance: its own and the coarser ones.
std::span<const iec60063::Series> seriesCounting(Tolerance tolerance)
{
    std::size_t count = 1;
    while (
        count < iec60063::AllSeries.size() && iec60063::AllSeries[count - 1].tolerance > tolerance)
        ++count;
    return std::span(iec60063::AllSeries).first(count);
}

// The value rounded half up to a multiple of 10^exponent, where it has finer figures.
Decimal roundedTo(Decimal value, int exponent)
{
    if (value.exponent >= exponent)
        return value;
    const std::int64_t step = powerOfTen(exponent - value.exponent);
    return {(value.digits + step / 2) / step, exponent};
}

// The series' figures as three-figure mantissas, 100 to 999.
QList<int> mantissas(const iec60063::Series &series)
{
    QList<int> result;
    for (const int figures : series.figures)
        result.append(figures < 100 ? figures * 10 : figures);
    return result;
}

// Whether the series holds the value in some decade.
bool holds(const iec60063::Series &series, Decimal value)
{
    value = normalised(value);
    if (value.digits == 0 || digitCount(value.digits) > 3)
        return false;
    return mantissas(series).contains(int(value.digits * powerOfTen(3 - digitCount(value.digits))));
}

} // namespace

QList<BandRole> roles(int bandCount)
{
    using enum BandRole;
    switch (bandCount) {
    case 1:
        return {ZeroOhm};
    case 3:
        return {Figure, Figure, Multiplier};
    case 4:
        return {Figure, Figure, Multiplier, Tolerance};
    case 5:
        return {Figure, Figure, Figure, Multiplier, Tolerance};
    case 6:
        return {Figure, Figure, Figure, Multiplier, Tolerance, TemperatureCoefficient};
    default:
        return {};
    }
}

bool carries(BandRole role, Colour colour)
{
    const iec60062::ColourMeaning &meaning = iec60062::meaning(colour);
    switch (role) {
    case BandRole::Figure:
        return meaning.figure.has_value();
    case BandRole::Multiplier:
        return meaning.multiplier.has_value();
    case BandRole::Tolerance:
        return meaning.tolerance.has_value();
    case BandRole::TemperatureCoefficient:
        return meaning.temperatureCoefficient.has_value();
    case BandRole::ZeroOhm:
        return colour == Colour::Black;
    }
    return false;
}

QList<Colour> coloursOf(BandRole role)
{
    QList<Colour> result;
    for (const iec60062::ColourMeaning &meaning : iec60062::Colours) {
        if (carries(role, meaning.colour))
            result.append(meaning.colour);
    }
    return result;
}

bool Reading::isPart() const
{
    return figureCount == 0 || figures >= powerOfTen(figureCount - 1);
}

std::optional<Reading> read(const Bands &bands)
{
    const QList<BandRole> rolesRead = roles(int(bands.size()));
    if (rolesRead.isEmpty())
        return std::nullopt;
    Reading reading;
    for (qsizetype band = 0; band < bands.size(); ++band) {
        if (!bands[band] || !carries(rolesRead[band], *bands[band]))
            return std::nullopt;
        const iec60062::ColourMeaning &meaning = iec60062::meaning(*bands[band]);
        switch (rolesRead[band]) {
        case BandRole::Figure:
            reading.figures = reading.figures * 10 + *meaning.figure;
            ++reading.figureCount;
            break;
        case BandRole::Multiplier:
            reading.power = *meaning.multiplier;
            break;
        case BandRole::Tolerance:
            reading.tolerance = *meaning.tolerance;
            break;
        case BandRole::TemperatureCoefficient:
            reading.temperatureCoefficient = meaning.temperatureCoefficient;
            break;
        case BandRole::ZeroOhm:
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

Outcome<Bands> bandsOf(Decimal nominal, int bandCount, Tolerance tolerance,
    std::optional<int> temperatureCoefficient, const QLocale &locale)
{
    const QList<BandRole> rolesWritten = roles(bandCount);
    if (rolesWritten.isEmpty())
        return {{}, u"Резисторов с %1 полосами не бывает."_s.arg(bandCount)};
    nominal = normalised(nominal);
    const QString value = nominalText(nominal, locale);
    if (bandCount == 1) {
        if (nominal.digits != 0)
            return {{}, u"На одну полосу ставят только перемычку, 0 Ом, а не %1."_s.arg(value)};
        return {Bands {Colour::Black}, {}};
    }
    if (nominal.digits == 0)
        return {{}, u"0 Ом — это перемычка: выберите «1 полоса»."_s};
    const int figureCount
        = int(std::count(rolesWritten.begin(), rolesWritten.end(), BandRole::Figure));
    if (digitCount(nominal.digits) > figureCount)
        return {{},
            u"%1 на этих полосах не записать: значащих цифр в нём %2, а полос для цифр %3."_s
                .arg(value)
                .arg(digitCount(nominal.digits))
                .arg(figureCount)};
    const int spare = figureCount - digitCount(nominal.digits);
    const int figures = int(nominal.digits * powerOfTen(spare));
    const auto multiplier
        = colourWith(&iec60062::ColourMeaning::multiplier, nominal.exponent - spare);
    if (!multiplier)
        return {{},
            u"%1 на этих полосах не записать: множитель вышел бы за пределы от ×0,001 до "
            u"×1 000 000 000."_s.arg(value)};
    Bands bands;
    for (int place = figureCount - 1; place >= 0; --place)
        bands.append(
            colourWith(&iec60062::ColourMeaning::figure, figures / int(powerOfTen(place)) % 10));
    bands.append(multiplier);
    if (bandCount == 3) {
        if (tolerance != iec60062::WithoutBand)
            return {{},
                u"На трех полосах допуск всегда ±20 %, а не %1."_s.arg(
                    toleranceText(tolerance, locale))};
        return {bands, {}};
    }
    const auto toleranceBand = colourWith(&iec60062::ColourMeaning::tolerance, tolerance);
    if (!toleranceBand)
        return {
            {}, u"Допуск %1 не отмечают ни одним цветом."_s.arg(toleranceText(tolerance, locale))};
    bands.append(toleranceBand);
    if (bandCount == 6) {
        const auto coefficient = temperatureCoefficient
            ? colourWith(&iec60062::ColourMeaning::temperatureCoefficient, *temperatureCoefficient)
            : std::nullopt;
        if (!coefficient)
            return {{},
                temperatureCoefficient
                    ? u"ТКС %1 ppm/K не отмечают ни одним цветом."_s.arg(*temperatureCoefficient)
                    : u"На шести полосах нужен ТКС."_s};
        bands.append(coefficient);
    }
    return {bands, {}};
}

std::optional<Decimal> parseNominal(QStringView text, const QLocale &locale)
{
    // The unit after the number is optional; a letter stands for its power of ten, before the
    // unit or in place of the decimal sign. A lower-case "м" or "m" is refused: it may mean
    // milli as well as mega.
    static const QRegularExpression unit(
        u"\\s*(ом|ohm|Ω)$"_s, QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression decimal(u"^(\\d*)(?:[.,](\\d+))?\\s*([RrKkКкMМGgГгTtТт]?)$"_s);
    static const QRegularExpression letter(u"^(\\d*)([RrKkКкMМGgГгTtТт])(\\d+)$"_s);
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
    case u'T':
    case u'Т':
        exponent += 12;
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
    nominal = normalised(nominal);
    const Unit &unit = unitOf(nominal);
    const Decimal share {nominal.digits * tolerance, nominal.exponent - 4};
    int finest = nominal.exponent - 2;
    if (share.digits > 0)
        finest = std::min(finest, magnitude(share) - 1);
    const Decimal lower
        = roundedTo({nominal.digits * (10000 - tolerance), nominal.exponent - 4}, finest);
    const Decimal upper
        = roundedTo({nominal.digits * (10000 + tolerance), nominal.exponent - 4}, finest);
    return toleranceText(tolerance, locale) + u": от "_s + inUnit(lower, unit, locale) + u" до "_s
        + inUnit(upper, unit, locale) + u' ' + QString::fromUtf16(unit.name);
}

QString letterCode(const Reading &reading)
{
    if (reading.figureCount == 0)
        return u"0R"_s;
    // The figures as the bands give them; the letter of the largest power of a thousand below
    // the value stands where the decimal sign would.
    const QString figures = QString::number(reading.figures);
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
    for (const iec60063::Series &series : iec60063::AllSeries) {
        if (holds(series, nominal))
            return QString::fromUtf16(series.name);
    }
    return {};
}

QString seriesFor(Tolerance tolerance)
{
    return QString::fromUtf16(seriesCounting(tolerance).back().name);
}

QString seriesSpan(Tolerance tolerance)
{
    const auto counting = seriesCounting(tolerance);
    if (counting.size() == 1)
        return QString::fromUtf16(counting.front().name);
    return QString::fromUtf16(counting.front().name) + u'–'
        + QString::fromUtf16(counting.back().name);
}

QString standardSeries(Decimal nominal, Tolerance tolerance)
{
    for (const iec60063::Series &series : seriesCounting(tolerance)) {
        if (holds(series, nominal))
            return QString::fromUtf16(series.name);
    }
    return {};
}

std::optional<Neighbours> neighbours(Decimal nominal, Tolerance tolerance)
{
    nominal = normalised(nominal);
    if (nominal.digits == 0)
        return std::nullopt;
    // The series' values in the nominal's decade and in the decades on either side of it.
    const int decade = magnitude(nominal) - 2;
    std::optional<Decimal> below;
    std::optional<Decimal> above;
    for (const iec60063::Series &series : seriesCounting(tolerance)) {
        for (int offset = -1; offset <= 1; ++offset) {
            for (const int mantissa : mantissas(series)) {
                const Decimal value = normalised({mantissa, decade + offset});
                if (compare(value, nominal) < 0 && (!below || compare(value, *below) > 0))
                    below = value;
                if (compare(value, nominal) > 0 && (!above || compare(value, *above) < 0))
                    above = value;
            }
        }
    }
    if (!below || !above)
        return std::nullopt;
    return Neighbours {*below, *above};
}

QString deviationText(Decimal nominal, Decimal other, const QLocale &locale)
{
    const auto [base, value] = alike(nominal, other);
    if (base == 0)
        return {};
    const std::int64_t off = value > base ? value - base : base - value;
    // Tenths of a per cent, half up: (off · 1000 / base) rounded.
    const std::int64_t tenths = (2 * off * 1000 + base) / (2 * base);
    return (value < base ? u"−"_s : u"+"_s) + QString::number(tenths / 10) + locale.decimalPoint()
        + QString::number(tenths % 10) + u" %"_s;
}

} // namespace partcode
