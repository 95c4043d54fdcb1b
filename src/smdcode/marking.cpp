#include "smdcode/marking.h"

#include "partcode/answer.h"
#include "partcode/iec60063.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace smdcode {

namespace {

using partcode::digitCount;
using partcode::normalised;
using partcode::powerOfTen;

// The value as exactly so many figures and a power of ten, or none where it has more figures.
std::optional<Decimal> asFigures(Decimal value, int figures)
{
    value = normalised(value);
    const int spare = figures - digitCount(value.digits);
    if (spare < 0)
        return std::nullopt;
    return Decimal {value.digits * powerOfTen(spare), value.exponent - spare};
}

bool isLatinLetter(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

std::optional<int> eia96Power(QChar letter)
{
    for (const MultiplierLetter &known : Eia96Letters) {
        if (known.letter == letter)
            return known.power;
    }
    for (const MultiplierLetter &other : Eia96OtherLetters) {
        if (other.letter == letter)
            return other.power;
    }
    return std::nullopt;
}

// The power of ten whose letter stands for the decimal sign, or none for another letter.
std::optional<int> signPower(QChar letter)
{
    for (const iec60062::ValueLetter &sign : iec60062::ValueLetters) {
        if (sign.letter == letter)
            return sign.power;
    }
    return std::nullopt;
}

// "2 нуля", "1 нуль", "5 нулей".
QString zerosText(int count)
{
    if (count == 0)
        return u"без нулей"_s;
    const int last = count % 10;
    const char16_t *word = count == 1 ? u"нуль" : last >= 2 && last <= 4 ? u"нуля" : u"нулей";
    return u"и "_s + QString::number(count) + u' ' + QString::fromUtf16(word);
}

bool inE24(Decimal nominal)
{
    return !partcode::standardSeries(nominal, 500).isEmpty();
}

// The tolerance a code of so many characters is typical of: ±5 % for three (±1 % with a bar
// under the figures), ±1 % for four.
Tolerance typicalOf(qsizetype length, bool underlined)
{
    return length >= 4 || underlined ? 100 : 500;
}

QString schemeName(Scheme scheme)
{
    switch (scheme) {
    case Scheme::ThreeDigits:
        return u"трёхзначный код"_s;
    case Scheme::FourDigits:
        return u"четырёхзначный код"_s;
    case Scheme::SignR:
        return u"R — десятичная запятая"_s;
    case Scheme::SignMilliohm:
        return u"M — запятая в миллиомах, как у шунтов"_s;
    case Scheme::LetterCode:
        return u"буквенный код IEC 60062"_s;
    case Scheme::Eia96:
        return u"EIA-96"_s;
    case Scheme::ZeroOhm:
        return u"перемычка"_s;
    }
    return {};
}

Decoding zeroOhm()
{
    return {Scheme::ZeroOhm, {}, 0, std::nullopt, schemeName(Scheme::ZeroOhm), {}};
}

partcode::Outcome<QList<Decoding>> refused(const QString &why)
{
    return {std::nullopt, why};
}

// A code of figures alone: two or three figures and the number of zeros, or a link.
partcode::Outcome<QList<Decoding>> digitsOnly(const QString &code, bool underlined)
{
    if (std::all_of(code.begin(), code.end(), [](QChar c) { return c == u'0'; }))
        return {QList {zeroOhm()}, {}};
    if (code.size() < 3)
        return refused(u"«%1» — не маркировка: цифр в коде три или четыре, а одни нули бывают "
                       u"лишь у перемычки."_s.arg(code));
    if (code.front() == u'0')
        return refused(u"«%1» — не маркировка: код с нуля начинают лишь перемычки («000», "
                       u"«0000»), а первая значащая цифра нулём не бывает."_s.arg(code));
    const int figureCount = int(code.size()) - 1;
    const int zeros = code.back().digitValue();
    const Scheme scheme = figureCount == 2 ? Scheme::ThreeDigits : Scheme::FourDigits;
    Decoding decoding {scheme, {code.left(figureCount).toLongLong(), zeros}, figureCount,
        typicalOf(code.size(), underlined && figureCount == 2),
        schemeName(scheme) + u": "_s + code.left(figureCount) + u' ' + zerosText(zeros), {}};
    if (underlined && figureCount == 2)
        decoding.schemeText += u", черта под цифрами"_s;
    return {QList {decoding}, {}};
}

// The letter of a unit's power of ten as the decimal sign (iec60062::ValueLetters): R in
// ohms, K, M, G and T in their multiples; M in milliohms too, on a shunt, and likelier there.
QList<Decoding> withSign(const QString &code, qsizetype at, bool underlined)
{
    const QChar letter = code[at];
    const QString digits = code.left(at) + code.mid(at + 1);
    const Decimal figures {digits.toLongLong(), -int(code.size() - at - 1)};
    if (figures.digits == 0)
        return {zeroOhm()};
    // The figures that count: "R010" has two, as 10 мОм has.
    const int figureCount = digitCount(figures.digits);
    const Tolerance typical = typicalOf(code.size(), underlined && code.size() == 3);
    const int power = signPower(letter).value_or(0);
    if (power == 0)
        return {{Scheme::SignR, figures, figureCount, typical, schemeName(Scheme::SignR), {}}};
    // The multiples' names, by the power's thousands: "килоомах" to "тераомах".
    static constexpr std::array<const char16_t *, 4> multiples {u"кило", u"мега", u"гига", u"тера"};
    Decoding coded {Scheme::LetterCode, {figures.digits, figures.exponent + power}, figureCount,
        typical,
        schemeName(Scheme::LetterCode)
            + u": %1 — запятая в %2омах"_s.arg(letter).arg(
                QString::fromUtf16(multiples[std::size_t(power / 3 - 1)])),
        {}};
    if (letter != u'M')
        return {coded};
    coded.rank = u"Реже: так M читают на выводных резисторах, но на чипах мегаомы так не пишут."_s;
    return {{Scheme::SignMilliohm, {figures.digits, figures.exponent - 3}, figureCount, typical,
                u"M — запятая в миллиомах, как у токовых шунтов"_s,
                u"Вероятнее: букву M на чипе ставят токовые шунты, а мегаомы пишут цифрами, "
                u"как «155» или «1504»."_s},
        coded};
}

Decoding eia96(int position, QChar letter, int power, const QLocale &locale)
{
    const int figures = iec60063::E96[std::size_t(position - 1)];
    QString scheme = schemeName(Scheme::Eia96)
        + u", позиция %1 (%2), %3"_s.arg(position, 2, 10, QChar(u'0')).arg(figures).arg(letter);
    if (letter == u'R' || letter == u'S')
        scheme += letter == u'R' ? u" — как Y"_s : u" — как X"_s;
    if (letter == u'H')
        scheme += power == 1 ? u" — как B"_s : QString();
    scheme += u": "_s + partcode::multiplierText(power, locale);
    return {Scheme::Eia96, {figures, power}, 3, 100, scheme, {}};
}

// The readings of one letter with figures: as EIA-96 after two figures, as the decimal sign
// anywhere; ranked where both hold.
partcode::Outcome<QList<Decoding>> withLetter(
    const QString &code, qsizetype at, bool underlined, const QLocale &locale)
{
    const QChar letter = code[at];
    const bool sign = signPower(letter).has_value();
    const auto power = eia96Power(letter);
    if (!sign && !power)
        return refused(u"Буквы %1 нет ни в коде EIA-96 (Z, Y, X, A–F), ни среди букв десятичной "
                       u"запятой (R, K, M, G, T)."_s.arg(letter));
    if (code.size() == 1)
        return refused(u"Одной буквы мало: в маркировке есть и цифры."_s);
    QList<Decoding> readings = sign ? withSign(code, at, underlined) : QList<Decoding> {};
    const bool eiaShape = power && code.size() == 3 && at == 2;
    if (!eiaShape) {
        if (readings.isEmpty())
            return refused(u"Буква %1 — множитель кода EIA-96: она стоит после двух цифр, как "
                           u"в «68C»."_s.arg(letter));
        return {readings, {}};
    }
    const int position = code.left(2).toInt();
    if (position < 1 || position > int(iec60063::E96.size())) {
        if (!readings.isEmpty())
            return {readings, {}};
        return refused(u"Позиции %1 в EIA-96 нет: их 01–96."_s.arg(code.left(2)));
    }
    if (readings.size() == 1 && readings.front().scheme == Scheme::ZeroOhm)
        return {readings, {}};
    Decoding coded = eia96(position, letter, *power, locale);
    if (letter == u'S')
        coded.rank = u"S — не из IEC 60062: в таблицах производителей она значит то же, что X "
                     u"(×0,1)."_s;
    if (letter == u'H') {
        coded.rank = u"Вероятнее: так H читают таблицы большинства производителей — как B."_s;
        Decoding high = eia96(position, letter, Eia96HighH.power, locale);
        high.rank = u"Реже: в таблице одного производителя H — это ×10 000 000."_s;
        return {QList {coded, high}, {}};
    }
    if (readings.isEmpty())
        return {QList {coded}, {}};
    // R after two figures: the decimal sign, or EIA-96's Y in some makers' tables. The value
    // that is standard for the tolerance its code is typical of is the likelier.
    Decoding &ohms = readings.front();
    const QString value = partcode::nominalText(ohms.nominal, locale);
    if (inE24(ohms.nominal)) {
        ohms.rank = u"Вероятнее: %1 — из ряда %2, так маркируют резисторы ±5 %, а R вместо Y "
                    u"в EIA-96 ставят немногие производители."_s.arg(
                        value, partcode::standardSeries(ohms.nominal, 500));
        coded.rank = u"Реже: R как множитель ×0,01 (вместо Y) есть лишь в таблицах некоторых "
                     u"производителей."_s;
        return {QList {ohms, coded}, {}};
    }
    coded.rank = u"Вероятнее: %1 нет в рядах E6–E24 для допуска ±5 %, а %2 — номинал E96, в "
                 u"котором R иные производители ставят вместо Y."_s.arg(
                     value, partcode::nominalText(coded.nominal, locale));
    ohms.rank = u"Реже: %1 — не стандартный номинал для трёх знаков маркировки."_s.arg(value);
    return {QList {coded, ohms}, {}};
}

// The value written with the letter for the decimal sign in exactly so many figures, the
// integer part without leading zeros: "4R7", "R047", "10R0", "47R"; none where it does not fit.
std::optional<QString> signForm(Decimal value, int figures, QChar letter)
{
    value = normalised(value);
    const int whole = digitCount(value.digits) + value.exponent;
    const int integerDigits = std::max(whole, 0);
    const int fraction = figures - integerDigits;
    if (fraction < 0 || value.exponent + fraction < 0)
        return std::nullopt;
    const QString text = QString::number(value.digits * powerOfTen(value.exponent + fraction))
                             .rightJustified(figures, u'0');
    return text.left(integerDigits) + letter + text.mid(integerDigits);
}

// The bands of a reading: four for two figures at ±2 % and coarser, five otherwise, a single
// black band for a link; or why there are none.
partcode::Outcome<partcode::Bands> bandsFor(const Decoding &decoding, const QLocale &locale)
{
    if (decoding.scheme == Scheme::ZeroOhm)
        return partcode::bandsOf({}, 1, iec60062::WithoutBand);
    const Tolerance tolerance = *decoding.typical;
    const bool fewFigures = digitCount(normalised(decoding.nominal).digits) <= 2;
    const int count = fewFigures && tolerance >= 200 ? 4 : 5;
    partcode::Outcome<partcode::Bands> bands
        = partcode::bandsOf(decoding.nominal, count, tolerance, {}, locale);
    if (!bands.value && count == 5 && fewFigures)
        bands = partcode::bandsOf(decoding.nominal, 4, tolerance, {}, locale);
    return bands;
}

// The bands of a nominal asked for: four at ±5 % for two figures, five at ±1 % for three.
partcode::Outcome<partcode::Bands> bandsOfNominal(Decimal nominal, const QLocale &locale)
{
    nominal = normalised(nominal);
    const int figures = digitCount(nominal.digits);
    const Decoding typical {nominal.digits == 0 ? Scheme::ZeroOhm : Scheme::ThreeDigits, nominal,
        figures, figures <= 2 ? 500 : 100, {}, {}};
    return bandsFor(typical, locale);
}

// "Полосы: Желтый, Фиолетовый, Красный, Золотой", or why there are none.
QString bandsLine(const partcode::Outcome<partcode::Bands> &bands)
{
    if (!bands.value)
        return u"Полосы: нет — "_s + bands.message;
    QStringList names;
    for (const auto &colour : *bands.value)
        names.append(partcode::colourName(*colour));
    return u"Полосы: "_s + names.join(u", "_s);
}

QStringList decodingLines(const Decoding &decoding, const QLocale &locale)
{
    if (decoding.scheme == Scheme::ZeroOhm)
        return {u"Номинал: 0 Ом — перемычка"_s, u"Полосы: Черный"_s};
    QStringList lines {u"Номинал: "_s + partcode::nominalText(decoding.nominal, locale) + u" — "_s
        + decoding.schemeText};
    if (!decoding.rank.isEmpty())
        lines.append(decoding.rank);
    const Tolerance tolerance = *decoding.typical;
    lines.append(u"Допуск, обычный для такого кода, "_s
        + partcode::rangeText(decoding.nominal, tolerance, locale));
    lines.append(partcode::seriesLines(decoding.nominal, tolerance, locale));
    // The figures as the code gives them: "10R0" keeps its last zero, as "10R0F".
    const Decimal figures = *asFigures(decoding.nominal, decoding.figureCount);
    partcode::Reading coded;
    coded.figures = int(figures.digits);
    coded.figureCount = decoding.figureCount;
    coded.power = figures.exponent;
    coded.tolerance = tolerance;
    lines.append(u"Код: "_s + partcode::letterCode(coded));
    lines.append(bandsLine(bandsFor(decoding, locale)));
    return lines;
}

} // namespace

QString folded(QStringView typed)
{
    // The Cyrillic capitals А В С Е Н К М Р Т Х and the letter O, each with its Latin twin.
    static constexpr std::array<std::pair<char16_t, char16_t>, 12> twins {{
        {u'А', u'A'},
        {u'В', u'B'},
        {u'С', u'C'},
        {u'Е', u'E'},
        {u'Н', u'H'},
        {u'К', u'K'},
        {u'М', u'M'},
        {u'Р', u'R'},
        {u'Т', u'T'},
        {u'Х', u'X'},
        {u'О', u'0'},
        {u'O', u'0'},
    }};
    QString code;
    for (const QChar c : typed) {
        if (c.isSpace())
            continue;
        QChar upper = c.toUpper();
        for (const auto &[cyrillic, latin] : twins) {
            if (upper == cyrillic)
                upper = latin;
        }
        code.append(upper);
    }
    return code;
}

partcode::Outcome<QList<Decoding>> decode(QStringView typed, bool underlined, const QLocale &locale)
{
    const QString code = folded(typed);
    if (code.isEmpty())
        return refused(u"Введите маркировку, как она напечатана на корпусе."_s);
    const auto stranger = std::find_if(
        code.begin(), code.end(), [](QChar c) { return !isAsciiDigit(c) && !isLatinLetter(c); });
    if (stranger != code.end())
        return refused(
            u"Знака «%1» в маркировке не бывает: на корпусе печатают лишь цифры и латинские "
            u"буквы."_s.arg(*stranger));
    if (code.size() > 4)
        return refused(
            u"Маркировка чипа — не больше четырёх знаков, а здесь их %1."_s.arg(code.size()));
    QList<qsizetype> letters;
    for (qsizetype at = 0; at < code.size(); ++at) {
        if (isLatinLetter(code[at]))
            letters.append(at);
    }
    if (letters.size() > 1) {
        QStringList named;
        for (const qsizetype at : letters)
            named.append(code[at]);
        return refused(
            u"В маркировке бывает лишь одна буква, а здесь их %1: %2."_s.arg(letters.size())
                .arg(named.join(u", "_s)));
    }
    if (letters.isEmpty())
        return digitsOnly(code, underlined);
    return withLetter(code, letters.front(), underlined, locale);
}

Codes encode(Decimal nominal, const QLocale &locale)
{
    nominal = normalised(nominal);
    if (nominal.digits == 0)
        return {{{u"0"_s, Scheme::ZeroOhm, false, {}}, {u"00"_s, Scheme::ZeroOhm, false, {}},
                    {u"000"_s, Scheme::ZeroOhm, false, {}}, {u"0000"_s, Scheme::ZeroOhm, false, {}},
                    {u"0R0"_s, Scheme::ZeroOhm, false, {}}},
            {}};
    Codes codes;
    const QString value = partcode::nominalText(nominal, locale);
    const int figureCount = digitCount(nominal.digits);
    const int whole = figureCount + nominal.exponent;
    // Figures and the number of zeros, from 10 Ом and from 100 Ом.
    for (const int figures : {2, 3}) {
        const QString signs = figures == 2 ? u"трёх"_s : u"четырёх"_s;
        const auto written = asFigures(nominal, figures);
        if (!written) {
            codes.whyNot.append(
                u"%1: %2 цифр мало — значащих цифр %3, а %2значный код несёт %4."_s.arg(value,
                    signs, QString::number(figureCount), figures == 2 ? u"две"_s : u"три"_s));
        } else if (written->exponent < 0) {
            codes.whyNot.append(u"%1: %2значный код пишет номиналы от %3, меньшие — с R."_s.arg(
                value, signs, figures == 2 ? u"10 Ом"_s : u"100 Ом"_s));
        } else if (written->exponent > 9) {
            codes.whyNot.append(u"%1: для %2значного кода слишком велик."_s.arg(value, signs));
        } else {
            const QString code
                = QString::number(written->digits) + QString::number(written->exponent);
            const Scheme scheme = figures == 2 ? Scheme::ThreeDigits : Scheme::FourDigits;
            codes.markings.append({code, scheme, false, typicalOf(code.size(), false)});
            if (figures == 2 && inE24(nominal))
                codes.markings.append({code, scheme, true, 100});
        }
    }
    // The decimal sign: R below 100 Ом, M on shunts below 100 мОм.
    if (whole <= 2) {
        for (const int figures : {2, 3}) {
            if (const auto code = signForm(nominal, figures, u'R'))
                codes.markings.append(
                    {*code, Scheme::SignR, false, typicalOf(code->size(), false)});
        }
    } else {
        codes.whyNot.append(u"%1: с R пишут лишь номиналы меньше 100 Ом."_s.arg(value));
    }
    if (whole <= -1) {
        const Decimal milliohms {nominal.digits, nominal.exponent + 3};
        for (const int figures : {2, 3}) {
            if (const auto code = signForm(milliohms, figures, u'M'))
                codes.markings.append(
                    {*code, Scheme::SignMilliohm, false, typicalOf(code->size(), false)});
        }
    }
    // EIA-96: a value of E96 from ×0,001 to ×100 000.
    const auto e96 = asFigures(nominal, 3);
    const auto position = e96
        ? std::find(iec60063::E96.begin(), iec60063::E96.end(), int(e96->digits))
        : iec60063::E96.end();
    const auto letter = std::find_if(Eia96Letters.begin(), Eia96Letters.end(),
        [&](const MultiplierLetter &known) { return e96 && known.power == e96->exponent; });
    if (position == iec60063::E96.end())
        codes.whyNot.append(u"%1 нет в ряду E96: EIA-96 пишет лишь его значения."_s.arg(value));
    else if (letter == Eia96Letters.end())
        codes.whyNot.append(
            u"%1: у EIA-96 нет буквы такого множителя (от Z ×0,001 до F ×100 000)."_s.arg(value));
    else
        codes.markings.append(
            {u"%1%2"_s.arg(int(position - iec60063::E96.begin()) + 1, 2, 10, QChar(u'0'))
                    .arg(QChar(letter->letter)),
                Scheme::Eia96, false, 100});
    return codes;
}

Answer answer(QStringView typed, bool underlined, const QLocale &locale)
{
    const partcode::Outcome<QList<Decoding>> decoded = decode(typed, underlined, locale);
    if (!decoded.value)
        return {{decoded.message}, {}};
    const QList<Decoding> &readings = *decoded.value;
    const std::optional<partcode::Bands> likelier = bandsFor(readings.front(), locale).value;
    if (readings.size() == 1)
        return {decodingLines(readings.front(), locale), likelier};
    QStringList lines {u"Два прочтения, вероятнее первое."_s};
    for (qsizetype index = 0; index < readings.size(); ++index) {
        QStringList reading = decodingLines(readings[index], locale);
        reading.first().replace(u"Номинал: "_s, u"Прочтение %1: "_s.arg(index + 1));
        lines.append(reading);
    }
    return {lines, likelier};
}

Answer codesAnswer(QStringView nominal, const QLocale &locale)
{
    if (nominal.trimmed().isEmpty())
        return {{u"Введите номинал, чтобы увидеть его маркировки."_s}, {}};
    const auto value = partcode::parseNominal(nominal, locale);
    if (!value)
        return {{u"«%1» — не номинал: пишут, например, «4,7к», «4K7», «10 кОм», «0,22»."_s.arg(
                    nominal.trimmed())},
            {}};
    const Codes codes = encode(*value, locale);
    QStringList lines {u"Маркировки номинала %1:"_s.arg(partcode::nominalText(*value, locale))};
    for (const Marking &marking : codes.markings) {
        QString line = marking.code;
        if (marking.underlined)
            line += u" с чертой под цифрами"_s;
        line += u" — "_s + schemeName(marking.scheme);
        if (marking.typical)
            line += u", обычно "_s + partcode::toleranceText(*marking.typical, locale);
        lines.append(line);
    }
    const partcode::Outcome<partcode::Bands> bands = bandsOfNominal(*value, locale);
    return {lines + codes.whyNot + QStringList {bandsLine(bands)}, bands.value};
}

} // namespace smdcode
