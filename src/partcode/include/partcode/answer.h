#pragma once

#include "formsvalues/colour.h"
#include "partcode/reading.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// The part code in words: the colours by name, what each band means, and the answer that the
// bands chosen give, as pure functions of them.
namespace partcode {

// A code colour's name in the main window's legend words, pink added: "Красный", "Розовый".
QString colourName(Colour colour);
// The colour a band of that colour is painted in: the main window's twelve, and pink in their
// style.
forms::ColourValue colourValue(Colour colour);

// What the band in that place of a part is called: "первая цифра", "множитель", "допуск",
// "ТКС", "перемычка".
QString roleName(const QList<BandRole> &rolesRead, int index);
// A band by its number and role alone: "Полоса 3, множитель".
QString bandCaption(const QList<BandRole> &rolesRead, int index);
// A power of ten as a multiplier: "×100", "×0,01", "×10 000 000".
QString multiplierText(int power, const QLocale &locale = QLocale());
// What the colour means in the role: "7", "×100", "×0,1", "±1 %", "100 ppm/K", "0 Ом".
QString meaningText(BandRole role, Colour colour, const QLocale &locale = QLocale());
// A colour with what it means in the role: "Красный, ×100".
QString colourAndMeaning(BandRole role, Colour colour, const QLocale &locale = QLocale());
// A band as it speaks of itself: "Полоса 3, множитель: Красный, ×100", or "…: не выбран".
QString bandName(const Bands &bands, int index, const QLocale &locale = QLocale());
// The drawn part in words, its bands' colours in order: "Резистор: Желтый, Фиолетовый, без
// цвета".
QString partName(const Bands &bands);

// Why a colour chosen cannot stand where it is: "полоса 1 (первая цифра) не бывает золотой" for
// the first such band; empty where each can.
QString whyMisplaced(const Bands &bands);

// Whether the nominal is standard for a part of the tolerance, in the series that count for it;
// where it is not, the nearest values that are, on a line of their own.
QStringList seriesLines(Decimal nominal, Tolerance tolerance, const QLocale &locale = QLocale());

// The answer, one line per statement: the nominal, the tolerance and its range, the temperature
// coefficient, the standard series or the nearest standard values, the letter code, the other
// end's reading and which one is likelier. While a band is missing, one line that names it;
// where the bands make no part from this end, why, and the other end's reading.
QStringList answer(const Bands &bands, const QLocale &locale = QLocale());
// The bands by name, then the answer: what the user takes away, one statement a line.
QStringList report(const Bands &bands, const QLocale &locale = QLocale());

} // namespace partcode
