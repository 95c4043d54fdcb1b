#pragma once

#include "partcode/reading.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

// The SMD code: what is printed on a chip resistor read into its nominal, and a nominal written
// in every code that carries it, by IEC 60062 and the makers' marking documents, on the E series
// of IEC 60063.
namespace smdcode {

using partcode::Decimal;
using partcode::Tolerance;

// EIA-96 (IEC 60062:2016, Annex A): two digits give a value's position in E96 (01 is 100 and 96
// is 976), then a letter its power of ten. Walsin prints "25X" as 17,8 Ом and "25E" as
// 1,78 МОм; TRU Components "02C" as 10,2 КОм and 75 Ом as "85X"; State of the Art "68C" as
// 49,9 КОм.
struct MultiplierLetter
{
    char16_t letter;
    int power;
};
inline constexpr std::array<MultiplierLetter, 9> Eia96Letters {{
    {u'Z', -3},
    {u'Y', -2},
    {u'X', -1},
    {u'A', 0},
    {u'B', 1},
    {u'C', 2},
    {u'D', 3},
    {u'E', 4},
    {u'F', 5},
}};
// Letters that makers' and web tables add beside the standard's: R for Y, S for X, H for B. One
// maker's table gives H as ×10⁷ instead.
inline constexpr std::array<MultiplierLetter, 3> Eia96OtherLetters {{
    {u'R', -2},
    {u'S', -1},
    {u'H', 1},
}};
inline constexpr MultiplierLetter Eia96HighH {u'H', 7};

// How a code is written.
enum class Scheme {
    // Yageo RC series: two figures and the number of zeros, "472"; a bar under the figures
    // marks an E24 value made at ±1 % on 0603.
    ThreeDigits,
    // Yageo RC series, NIC Components: three figures and the number of zeros, "4701".
    FourDigits,
    // R for the decimal sign in ohms: "4R7", "R47", "10R0", "R010".
    SignR,
    // M for the decimal sign in milliohms, on current-sense shunts: "1M5" is 1,5 мОм.
    SignMilliohm,
    // IEC 60062's letter code in the multiples of an ohm (clause 4, ГОСТ IEC 60062-2014 table
    // 2a; iec60062::ValueLetters): "4K7", "1M5" as 1,5 МОм.
    LetterCode,
    Eia96,
    // A zero-ohm link: "0", "00", "000", "0000", "0R0".
    ZeroOhm,
};

// One way of reading a marking: its value, the scheme, the tolerance the scheme is typical of
// (none for a link), and, where the marking reads another way too, why this way ranks where it
// does.
struct Decoding
{
    Scheme scheme = Scheme::ThreeDigits;
    Decimal nominal;
    int figureCount = 0;
    std::optional<Tolerance> typical;
    QString schemeText;
    QString rank;
};

// The marking as printed, to be read: spaces left out, lower case and the Cyrillic letters that
// look like Latin ones (А В С Е Н К М Р Т Х) read as those, the letter O as a zero.
QString folded(QStringView typed);

// The readings of a marking, the likelier first; refused, saying what is wrong, where it is
// none.
partcode::Outcome<QList<Decoding>> decode(
    QStringView typed, bool underlined, const QLocale &locale = QLocale());

// One code that carries a nominal, with the tolerance it is typical of.
struct Marking
{
    QString code;
    Scheme scheme = Scheme::ThreeDigits;
    bool underlined = false;
    std::optional<Tolerance> typical;
};
// Every code that carries the nominal, and, for each scheme that cannot, why not.
struct Codes
{
    QList<Marking> markings;
    QStringList whyNot;
};
Codes encode(Decimal nominal, const QLocale &locale = QLocale());

// What the window shows and tells: the answer, one statement a line, and the bands it names,
// where it names any.
struct Answer
{
    QStringList lines;
    std::optional<partcode::Bands> bands;
};

// The answer to a marking: each reading's nominal and scheme, its typical tolerance and range,
// series or nearest standard values, letter code and bands; the likelier first, with why, and
// its bands. An empty marking asks for one; one that is none is refused.
Answer answer(QStringView typed, bool underlined, const QLocale &locale = QLocale());
// The answer to a nominal: every code that carries it, with its typical tolerance, why the
// other schemes cannot, and its bands: four at ±5 % for two figures, five at ±1 % for three.
Answer codesAnswer(QStringView nominal, const QLocale &locale = QLocale());

} // namespace smdcode
