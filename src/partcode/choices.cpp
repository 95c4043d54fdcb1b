#include "partcode/choices.h"

#include "partcode/answer.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace partcode {

Outcome<Colour> colourOfDigit(int bandCount, int index, int digit)
{
    const QList<BandRole> rolesRead = roles(bandCount);
    if (index < 0 || index >= rolesRead.size())
        return {};
    for (const iec60062::ColourMeaning &meaning : iec60062::Colours) {
        if (meaning.figure == digit && carries(rolesRead[index], meaning.colour))
            return {meaning.colour, {}};
    }
    return {{},
        u"Цифре %1 не отвечает ни один цвет полосы %2 (%3)."_s.arg(digit).arg(index + 1).arg(
            roleName(rolesRead, index))};
}

Bands carriedOver(const Bands &before, int bandCount)
{
    const QList<BandRole> rolesBefore = roles(int(before.size()));
    const QList<BandRole> rolesAfter = roles(bandCount);
    Bands after;
    for (int index = 0; index < rolesAfter.size(); ++index) {
        // The band of the same role and the same rank among the bands of that role.
        const BandRole role = rolesAfter[index];
        int rank = int(std::count(rolesAfter.begin(), rolesAfter.begin() + index, role));
        std::optional<Colour> kept;
        for (int old = 0; old < rolesBefore.size() && !kept; ++old) {
            if (rolesBefore[old] == role && rank-- == 0)
                kept = before[old];
        }
        after.append(kept);
    }
    return after;
}

Tolerance defaultTolerance(int bandCount)
{
    switch (bandCount) {
    case 1:
        return 0;
    case 3:
        return iec60062::WithoutBand;
    case 4:
        return 500;
    default:
        return 100;
    }
}

QString whyNotWritten(const QString &text)
{
    static const QRegularExpression kept(u"^[0-9.,\\sRrKkКкMМmмGgГгTtТтОоOoHhΩ]*$"_s);
    if (kept.match(text).hasMatch())
        return {};
    return u"Не принято «%1»: номинал пишут цифрами, запятой и буквами единиц (к, М, Г, Т, R, "
           u"Ом)."_s.arg(text);
}

Outcome<Bands> putOn(QStringView written, const Bands &current, const QLocale &locale)
{
    written = written.trimmed();
    const auto nominal = parseNominal(written, locale);
    if (!nominal)
        return {{},
            written.isEmpty()
                ? u"Номинал не введен: напишите его, например 4,7к, 4K7, 10 кОм или 0,22."_s
                : u"«%1» не номинал: пишут, например, 4,7к, 4K7, 10 кОм или 0,22."_s.arg(written)};
    const int count = int(current.size());
    const QList<BandRole> rolesNow = roles(count);
    // The colour of the part's band of that role, where it has one and it is chosen.
    const auto chosen = [&](BandRole role) -> std::optional<Colour> {
        const auto band = rolesNow.indexOf(role);
        return band < 0 ? std::nullopt : current[band];
    };
    const auto toleranceBand = chosen(BandRole::Tolerance);
    const auto coefficientBand = chosen(BandRole::TemperatureCoefficient);
    const Tolerance tolerance = toleranceBand
        ? iec60062::meaning(*toleranceBand).tolerance.value_or(defaultTolerance(count))
        : defaultTolerance(count);
    const int coefficient = coefficientBand
        ? iec60062::meaning(*coefficientBand).temperatureCoefficient.value_or(DefaultCoefficient)
        : DefaultCoefficient;
    Outcome<Bands> put = bandsOf(*nominal, count, tolerance, coefficient, locale);
    if (put.value)
        put.message = u"Полосы поставлены: %1."_s.arg(nominalText(*nominal, locale));
    return put;
}

Outcome<Bands> turned(const Bands &bands)
{
    if (roles(int(bands.size())).size() < 2)
        return {{}, u"Одну полосу не перевернуть."_s};
    const Bands back(bands.rbegin(), bands.rend());
    if (const QString why = whyMisplaced(back); !why.isEmpty())
        return {{}, u"С другого конца эти полосы не читаются: "_s + why + u'.'};
    return {back, u"Полосы перевернуты: читаем с другого конца."_s};
}

} // namespace partcode
