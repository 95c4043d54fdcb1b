#pragma once

#include "partcode/reading.h"

#include <QLocale>
#include <QString>
#include <QStringView>

// What the user may do with a part's bands, each done or refused with the reason: a digit key
// on a band, another count of bands, a nominal put on the bands, the part turned round.
namespace partcode {

// The colour that a digit key picks on the band: the colour whose figure the digit is, where it
// may stand there. Refused where none may: "Цифре 9 не отвечает ни один цвет полосы 5
// (допуск).".
Outcome<Colour> colourOfDigit(int bandCount, int index, int digit);

// The bands of another count that keep what the same roles held: the figures in their order,
// the multiplier, the tolerance and the temperature coefficient; the rest not yet chosen.
Bands carriedOver(const Bands &before, int bandCount);

// The tolerance and temperature coefficient that a nominal put on bands carries where the part
// has none chosen yet: ±5 % on four bands, ±1 % and 100 ppm/K on five and six.
Tolerance defaultTolerance(int bandCount);
inline constexpr int DefaultCoefficient = 100;

// Why the nominal field does not keep the text, or nothing where it does: a nominal is written
// with digits, the decimal signs, spaces, and the letters of the units and of the letter code.
QString whyNotWritten(const QString &text);

// The nominal written put on as many bands as the part has, keeping the tolerance and the
// temperature coefficient chosen, or the count's defaults: "Полосы поставлены: 4,7 КОм.", or why
// not.
Outcome<Bands> putOn(QStringView written, const Bands &current, const QLocale &locale = QLocale());

// The bands read from the other end, or why they cannot be: the first colour that may not stand
// in its new place, or a part of a single band.
Outcome<Bands> turned(const Bands &bands);

} // namespace partcode
