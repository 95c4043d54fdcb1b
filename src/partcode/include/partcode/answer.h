#pragma once

#include "formsvalues/colour.h"
#include "partcode/reading.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// What the colour code window says of a part: its colours by name, each band's meaning, and
// the answer in words, as pure functions of the bands chosen.
namespace partcode {

// A code colour's name in the main window's legend words, pink added: "Красный", "Розовый".
QString colourName(Colour colour);
// The colour a band of that colour is painted in: the main window's twelve, and pink in their
// style.
forms::ColourValue colourValue(Colour colour);

// What a band's place is called: "первая цифра", "множитель", "допуск", "ТКС", "перемычка".
QString placeName(const QList<Place> &placesRead, int index);
// What the colour means in the place: "7", "×100", "×0,1", "±1 %", "100 ppm/K", "0 Ом".
QString meaningText(Place place, Colour colour, const QLocale &locale = QLocale());
// A colour with what it means in the place: "Красный, ×100".
QString colourAndMeaning(Place place, Colour colour, const QLocale &locale = QLocale());
// A band as it speaks of itself: "Полоса 3, множитель: Красный, ×100", or "…: не выбран".
QString bandName(const Bands &bands, int index, const QLocale &locale = QLocale());

// The bands read from the other end, where each colour may stand in its new place; none where
// one may not (a gold first band) or the part has a single band.
std::optional<Bands> reversed(const Bands &bands);
// Why the bands cannot be turned round: the first colour that cannot stand in its new place,
// ": Золотой не бывает полосой 1 (первая цифра)"; empty where they can.
QString whyNotReversed(const Bands &bands);
// Why so many bands cannot carry the nominal, where bandsOf finds none: "4,75 КОм на этих
// полосах не записать: значащих цифр в нём 3, а полос для цифр 2."
QString whyNotOnBands(Decimal nominal, int bandCount, const QLocale &locale = QLocale());
// The answer, one line per statement: the nominal, the tolerance and its range, the temperature
// coefficient, the standard series or the nearest standard values, the letter code, the other
// end's reading and which one is likelier. While a band is missing, one line that names it.
QStringList answer(const Bands &bands, const QLocale &locale = QLocale());

} // namespace partcode
