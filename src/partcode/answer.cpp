#include "partcode/answer.h"

#include "colourcode/names.h"

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

bool standard(const Reading &reading)
{
    return !coarsestSeries(reading.nominal()).isEmpty();
}

QString partText(const Reading &reading, const QLocale &locale)
{
    return nominalText(reading.nominal(), locale) + u' ' + toleranceText(reading.tolerance, locale);
}

QString seriesLine(const Reading &reading, const QLocale &locale)
{
    const Decimal nominal = reading.nominal();
    if (const QString series = coarsestSeries(nominal); !series.isEmpty())
        return u"Стандартный ряд: "_s + series + u" (IEC 60063)"_s;
    const QString fitting = fittingSeries(reading);
    const auto near = neighbours(nominal, fitting);
    if (!near)
        return u"Не из рядов E6–E192."_s;
    return u"Не из рядов E6–E192; ближайшие в "_s + fitting + u": "_s
        + nominalText(near->below, locale) + u" ("_s + deviationText(nominal, near->below, locale)
        + u") и "_s + nominalText(near->above, locale) + u" ("_s
        + deviationText(nominal, near->above, locale) + u")"_s;
}

// The other end's reading, where the bands make a part that way too, and which is likelier.
QStringList otherEnd(const Bands &bands, const Reading &reading, const QLocale &locale)
{
    const auto back = reversed(bands);
    const auto other = back ? read(*back) : std::nullopt;
    if (!other)
        return {};
    QStringList lines {u"С другого конца: "_s + partText(*other, locale)};
    if (standard(reading) && !standard(*other))
        lines.append(
            u"Вероятнее это прочтение: номинал с другого конца не из стандартного ряда."_s);
    else if (!standard(reading) && standard(*other))
        lines.append(u"Вероятнее прочтение с другого конца: его номинал из ряда "_s
            + coarsestSeries(other->nominal()) + u"; нажмите «Перевернуть»."_s);
    else
        lines.append(u"Оба прочтения равно возможны: читайте от конца, дальше которого отстоит "
                     u"полоса допуска."_s);
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

QString placeName(const QList<Place> &placesRead, int index)
{
    static constexpr std::array<QStringView, 3> figures {
        u"первая цифра", u"вторая цифра", u"третья цифра"};
    if (index < 0 || index >= placesRead.size())
        return {};
    switch (placesRead[index]) {
    case Place::Figure:
        return figures[static_cast<std::size_t>(std::min<int>(index, 2))].toString();
    case Place::Multiplier:
        return u"множитель"_s;
    case Place::Tolerance:
        return u"допуск"_s;
    case Place::TemperatureCoefficient:
        return u"ТКС"_s;
    case Place::ZeroOhm:
        return u"перемычка"_s;
    }
    return {};
}

QString meaningText(Place place, Colour colour, const QLocale &locale)
{
    const iec60062::ColourMeaning &meaning = iec60062::meaning(colour);
    if (!carries(place, colour))
        return {};
    switch (place) {
    case Place::Figure:
        return QString::number(*meaning.figure);
    case Place::Multiplier: {
        const int power = *meaning.multiplier;
        if (power < 0)
            return u"×0"_s + locale.decimalPoint() + QString(-power - 1, u'0') + u'1';
        qlonglong value = 1;
        for (int step = 0; step < power; ++step)
            value *= 10;
        return u"×"_s + locale.toString(value);
    }
    case Place::Tolerance:
        return toleranceText(*meaning.tolerance, locale);
    case Place::TemperatureCoefficient:
        return QString::number(*meaning.temperatureCoefficient) + u" ppm/K"_s;
    case Place::ZeroOhm:
        return u"0 Ом"_s;
    }
    return {};
}

QString colourAndMeaning(Place place, Colour colour, const QLocale &locale)
{
    return colourName(colour) + u", "_s + meaningText(place, colour, locale);
}

QString bandName(const Bands &bands, int index, const QLocale &locale)
{
    const QList<Place> placesRead = places(int(bands.size()));
    if (index < 0 || index >= placesRead.size())
        return {};
    const QString band = u"Полоса %1, %2: "_s.arg(index + 1).arg(placeName(placesRead, index));
    const std::optional<Colour> colour = bands[index];
    if (!colour)
        return band + u"не выбран"_s;
    return band + colourAndMeaning(placesRead[index], *colour, locale);
}

std::optional<Bands> reversed(const Bands &bands)
{
    const QList<Place> placesRead = places(int(bands.size()));
    if (placesRead.size() < 2)
        return std::nullopt;
    Bands back(bands.rbegin(), bands.rend());
    for (qsizetype band = 0; band < back.size(); ++band) {
        if (back[band] && !carries(placesRead[band], *back[band]))
            return std::nullopt;
    }
    return back;
}

QString whyNotReversed(const Bands &bands)
{
    const QList<Place> placesRead = places(int(bands.size()));
    for (int index = 0; index < placesRead.size(); ++index) {
        const auto colour = bands[bands.size() - 1 - index];
        if (colour && !carries(placesRead[index], *colour))
            return u": %1 не бывает полосой %2 (%3)"_s.arg(colourName(*colour))
                .arg(index + 1)
                .arg(placeName(placesRead, index));
    }
    return {};
}

QString whyNotOnBands(Decimal nominal, int bandCount, const QLocale &locale)
{
    const QString value = nominalText(nominal, locale);
    if (bandCount == 1)
        return u"На одну полосу ставят только перемычку, 0 Ом, а не %1."_s.arg(value);
    if (nominal.digits == 0)
        return u"0 Ом — это перемычка: выберите «1 полоса»."_s;
    const QList<Place> placesWritten = places(bandCount);
    const auto figures = std::count(placesWritten.begin(), placesWritten.end(), Place::Figure);
    const auto digits = QString::number(nominal.digits).size();
    if (digits > figures)
        return u"%1 на этих полосах не записать: значащих цифр в нём %2, а полос для цифр %3."_s
            .arg(value)
            .arg(digits)
            .arg(figures);
    return u"%1 на этих полосах не записать: множитель вышел бы за пределы от ×0,001 до "
           u"×1 000 000 000."_s.arg(value);
}

QStringList answer(const Bands &bands, const QLocale &locale)
{
    const QList<Place> placesRead = places(int(bands.size()));
    if (const int missing = firstMissing(bands))
        return {
            u"Не выбрана полоса %1: %2."_s.arg(missing).arg(placeName(placesRead, missing - 1))};
    const auto reading = read(bands);
    if (!reading)
        return {u"Такой резистор не бывает: цвет не на своем месте."_s};
    if (placesRead == QList {Place::ZeroOhm})
        return {u"Перемычка: 0 Ом"_s, u"Код: "_s + letterCode(*reading)};

    const Decimal nominal = reading->nominal();
    QStringList lines {u"Номинал: "_s + nominalText(nominal, locale)};
    QString tolerance = u"Допуск "_s + rangeText(nominal, reading->tolerance, locale);
    if (!placesRead.contains(Place::Tolerance))
        tolerance += u" (полосы допуска нет)"_s;
    lines.append(tolerance);
    const auto toleranceBand = placesRead.indexOf(Place::Tolerance);
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
    lines.append(seriesLine(*reading, locale));
    lines.append(u"Код: "_s + letterCode(*reading));
    lines.append(otherEnd(bands, *reading, locale));
    return lines;
}

} // namespace partcode
