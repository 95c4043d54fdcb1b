#include "partcode/answer.h"

#include "colourcode/names.h"
#include "partcode/choices.h"
#include "partcode/iec60063.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace partcode {

namespace {

// The main window's colour of each code colour but pink, which it has none of.
constexpr std::array<std::optional<colourcode::CodeColour>, 13> MainWindowColours {{
    std::nullopt,
    colourcode::CodeColour::ColorSilver,
    colourcode::CodeColour::ColorGold,
    colourcode::CodeColour::ColorBlack,
    colourcode::CodeColour::ColorBrown,
    colourcode::CodeColour::ColorRed,
    colourcode::CodeColour::ColorOrange,
    colourcode::CodeColour::ColorYellow,
    colourcode::CodeColour::ColorGreen,
    colourcode::CodeColour::ColorBlue,
    colourcode::CodeColour::ColorViolet,
    colourcode::CodeColour::ColorGrey,
    colourcode::CodeColour::ColorWhite,
}};

// Pink in the style of the main window's colours: full red, the others in its steps of 64.
constexpr forms::ColourValue Pink = forms::rgb(255, 128, 192);

std::optional<colourcode::CodeColour> mainWindowColour(Colour colour)
{
    return MainWindowColours[static_cast<std::size_t>(colour)];
}

// The series that count for the part's tolerance, in words: "рядов E6–E24 для допуска ±5 %"
// after "из", "рядах E6–E24 …" after "в".
enum class Case { AfterFrom, AfterIn };
QString seriesCountingText(Tolerance tolerance, Case wordCase, const QLocale &locale)
{
    const QString span = seriesSpan(tolerance);
    static constexpr std::array<std::array<const char16_t *, 2>, 2> nouns {{
        {u"ряда ", u"рядов "},
        {u"ряду ", u"рядах "},
    }};
    const bool several = span.contains(u'–');
    return QString::fromUtf16(nouns[std::size_t(wordCase)][several ? 1 : 0]) + span
        + u" для допуска "_s + toleranceText(tolerance, locale);
}

bool standard(const Reading &reading)
{
    return !standardSeries(reading.nominal(), reading.tolerance).isEmpty();
}

QString partText(const Reading &reading, const QLocale &locale)
{
    return nominalText(reading.nominal(), locale) + u' ' + toleranceText(reading.tolerance, locale);
}

// How to tell the two ends of a part apart by eye, where the values do not.
QString bothReadings(const Bands &bands)
{
    if (!roles(int(bands.size())).contains(BandRole::Tolerance))
        return u"Оба прочтения возможны: полосы допуска нет — первая полоса стоит ближе к краю "
               u"корпуса, чем последняя."_s;
    return u"Оба прочтения возможны: первая полоса — у края корпуса, а полоса допуска стоит "
           u"поодаль от остальных."_s;
}

// The other end's reading, where the bands make a part that way too, and which is likelier.
QStringList otherEnd(const Bands &bands, const Reading &reading, const QLocale &locale)
{
    const auto back = turned(bands).value;
    const auto other = back ? read(*back) : std::nullopt;
    if (!other || !other->isPart())
        return {};
    QStringList lines {u"С другого конца: "_s + partText(*other, locale)};
    if (standard(reading) && !standard(*other))
        lines.append(u"Вероятнее это прочтение: "_s + nominalText(other->nominal(), locale)
            + u" нет в "_s + seriesCountingText(other->tolerance, Case::AfterIn, locale) + u'.');
    else if (!standard(reading) && standard(*other))
        lines.append(u"Вероятнее прочтение с другого конца: его номинал из ряда "_s
            + standardSeries(other->nominal(), other->tolerance) + u"; нажмите «Перевернуть»."_s);
    else
        lines.append(bothReadings(bands));
    return lines;
}

// Why the bands make no part from this end, and what they make from the other.
QStringList noPart(const Bands &bands, const Reading &reading, const QLocale &locale)
{
    QStringList lines {reading.figures == 0
            ? u"Все цифры черные: с этого конца это не резистор. Перемычку 0 Ом отмечают одной "
              u"черной полосой."_s
            : u"Первая цифра черная: с этого конца резистор не читается, черный первой цифрой не "
              u"бывает."_s};
    const Outcome<Bands> back = turned(bands);
    const auto other = back.value ? read(*back.value) : std::nullopt;
    if (!back.value)
        lines.append(back.message);
    else if (!other || !other->isPart())
        lines.append(u"С другого конца первая цифра тоже черная."_s);
    else
        lines.append(
            u"С другого конца: "_s + partText(*other, locale) + u" — нажмите «Перевернуть»."_s);
    return lines;
}

} // namespace

QString colourName(Colour colour)
{
    const auto main = mainWindowColour(colour);
    return main ? colourcode::ColourName(*main) : u"Розовый"_s;
}

forms::ColourValue colourValue(Colour colour)
{
    const auto main = mainWindowColour(colour);
    return main ? colourcode::CodeColours[static_cast<std::size_t>(*main)].value : Pink;
}

QString roleName(const QList<BandRole> &rolesRead, int index)
{
    static constexpr std::array<QStringView, 3> figures {
        u"первая цифра", u"вторая цифра", u"третья цифра"};
    if (index < 0 || index >= rolesRead.size())
        return {};
    switch (rolesRead[index]) {
    case BandRole::Figure:
        return figures[static_cast<std::size_t>(std::min<int>(index, 2))].toString();
    case BandRole::Multiplier:
        return u"множитель"_s;
    case BandRole::Tolerance:
        return u"допуск"_s;
    case BandRole::TemperatureCoefficient:
        return u"ТКС"_s;
    case BandRole::ZeroOhm:
        return u"перемычка"_s;
    }
    return {};
}

QString bandCaption(const QList<BandRole> &rolesRead, int index)
{
    return u"Полоса %1, %2"_s.arg(index + 1).arg(roleName(rolesRead, index));
}

QString multiplierText(int power, const QLocale &locale)
{
    if (power < 0)
        return u"×0"_s + locale.decimalPoint() + QString(-power - 1, u'0') + u'1';
    return u"×"_s + locale.toString(qlonglong(powerOfTen(power)));
}

QString meaningText(BandRole role, Colour colour, const QLocale &locale)
{
    const iec60062::ColourMeaning &meaning = iec60062::meaning(colour);
    if (!carries(role, colour))
        return {};
    switch (role) {
    case BandRole::Figure:
        return QString::number(*meaning.figure);
    case BandRole::Multiplier:
        return multiplierText(*meaning.multiplier, locale);
    case BandRole::Tolerance:
        return toleranceText(*meaning.tolerance, locale);
    case BandRole::TemperatureCoefficient:
        return QString::number(*meaning.temperatureCoefficient) + u" ppm/K"_s;
    case BandRole::ZeroOhm:
        return u"0 Ом"_s;
    }
    return {};
}

QString colourAndMeaning(BandRole role, Colour colour, const QLocale &locale)
{
    return colourName(colour) + u", "_s + meaningText(role, colour, locale);
}

QString bandName(const Bands &bands, int index, const QLocale &locale)
{
    const QList<BandRole> rolesRead = roles(int(bands.size()));
    if (index < 0 || index >= rolesRead.size())
        return {};
    const QString band = bandCaption(rolesRead, index) + u": "_s;
    const std::optional<Colour> colour = bands[index];
    if (!colour)
        return band + u"не выбран"_s;
    return band + colourAndMeaning(rolesRead[index], *colour, locale);
}

QString partName(const Bands &bands)
{
    QStringList colours;
    for (const std::optional<Colour> &colour : bands)
        colours.append(colour ? colourName(*colour) : u"без цвета"_s);
    return u"Резистор: "_s + colours.join(u", "_s);
}

QString whyMisplaced(const Bands &bands)
{
    const QList<BandRole> rolesRead = roles(int(bands.size()));
    for (int index = 0; index < rolesRead.size(); ++index) {
        const std::optional<Colour> colour = bands[index];
        if (!colour || carries(rolesRead[index], *colour))
            continue;
        // The colour's name as it follows "не бывает": "золотой", "черной". Every colour that
        // some place refuses ends in -ый or -ой.
        QString name = colourName(*colour).toLower();
        name.replace(name.size() - 2, 2, u"ой"_s);
        return u"полоса %1 (%2) не бывает %3"_s.arg(index + 1).arg(
            roleName(rolesRead, index), name);
    }
    return {};
}

QStringList seriesLines(Decimal nominal, Tolerance tolerance, const QLocale &locale)
{
    if (const QString series = standardSeries(nominal, tolerance); !series.isEmpty())
        return {u"Стандартный ряд: "_s + series + u" (IEC 60063)"_s};
    QStringList lines {
        u"Не из "_s + seriesCountingText(tolerance, Case::AfterFrom, locale) + u" (IEC 60063)"_s};
    // A finer series may hold it: the value of a closer tolerance, marked with a wider one.
    if (const QString finer = coarsestSeries(nominal); !finer.isEmpty()) {
        Tolerance finerTolerance = 0;
        for (const iec60063::Series &series : iec60063::AllSeries) {
            if (finer == QStringView(series.name))
                finerTolerance = series.tolerance;
        }
        lines.first() += u", есть лишь в "_s + finer + u" — ряду допуска "_s
            + toleranceText(finerTolerance, locale);
    }
    if (const auto near = neighbours(nominal, tolerance))
        lines.append(u"Ближайшие стандартные: "_s + nominalText(near->below, locale) + u" ("_s
            + deviationText(nominal, near->below, locale) + u") и "_s
            + nominalText(near->above, locale) + u" ("_s
            + deviationText(nominal, near->above, locale) + u')');
    return lines;
}

QStringList answer(const Bands &bands, const QLocale &locale)
{
    const QList<BandRole> rolesRead = roles(int(bands.size()));
    if (rolesRead.isEmpty())
        return {u"Резисторов с %1 полосами не бывает."_s.arg(bands.size())};
    if (const int missing = firstMissing(bands))
        return {u"Не выбрана полоса %1: %2."_s.arg(missing).arg(roleName(rolesRead, missing - 1))};
    const auto reading = read(bands);
    if (!reading)
        return {u"Так резистор не маркируют: "_s + whyMisplaced(bands) + u'.'};
    if (rolesRead == QList {BandRole::ZeroOhm})
        return {u"Перемычка: 0 Ом"_s, u"Код: "_s + letterCode(*reading)};
    if (!reading->isPart())
        return noPart(bands, *reading, locale);

    const Decimal nominal = reading->nominal();
    QStringList lines {u"Номинал: "_s + nominalText(nominal, locale)};
    QString tolerance = u"Допуск "_s + rangeText(nominal, reading->tolerance, locale);
    if (!rolesRead.contains(BandRole::Tolerance))
        tolerance += u" (полосы допуска нет)"_s;
    lines.append(tolerance);
    const auto toleranceBand = rolesRead.indexOf(BandRole::Tolerance);
    if (toleranceBand >= 0) {
        const Colour colour = *bands[toleranceBand];
        if (const auto earlier = earlierTolerance(colour))
            lines.append(colourName(colour) + u" допуск по IEC 60062:2016 — "_s
                + toleranceText(reading->tolerance, locale)
                + u"; по прежним изданиям и у многих производителей — "_s
                + toleranceText(*earlier, locale) + u'.');
    }
    if (reading->temperatureCoefficient)
        lines.append(u"ТКС: "_s + QString::number(*reading->temperatureCoefficient) + u" ppm/K"_s);
    lines.append(seriesLines(nominal, reading->tolerance, locale));
    lines.append(u"Код: "_s + letterCode(*reading));
    lines.append(otherEnd(bands, *reading, locale));
    return lines;
}

QStringList report(const Bands &bands, const QLocale &locale)
{
    QStringList lines;
    for (int index = 0; index < bands.size(); ++index)
        lines.append(bandName(bands, index, locale));
    return lines + answer(bands, locale);
}

} // namespace partcode
