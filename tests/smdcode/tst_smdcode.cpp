// The SMD code checked against the examples that the makers' marking documents and IEC 60062
// print: every expected value below is typed from those documents or worked out by hand.
#include "partcode/answer.h"
#include "smdcode/marking.h"
#include "support/eseries.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);

// The readings of a marking as "10 Ом ±5 %", the likelier first, joined by "; "; a link as
// "0 Ом"; or the refusal.
QString readings(const QString &typed, bool underlined = false)
{
    const auto decoded = smdcode::decode(typed, underlined, Russian);
    if (!decoded.value)
        return decoded.message;
    QStringList read;
    for (const smdcode::Decoding &decoding : *decoded.value) {
        QString value = partcode::nominalText(decoding.nominal, Russian);
        if (decoding.typical)
            value += u' ' + partcode::toleranceText(*decoding.typical, Russian);
        read.append(value);
    }
    return read.join(u"; "_s);
}

} // namespace

class TestSmdCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsMarkings_data();
    void readsMarkings();
    void refusesWhatIsNoMarking_data();
    void refusesWhatIsNoMarking();
    void everyEia96Position();
    void writesNominals_data();
    void writesNominals();
    void everyCodeWrittenReadsBack();
    void answers();
};

void TestSmdCode::readsMarkings_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("underlined");
    QTest::addColumn<QString>("expected");
    // Yageo RC series: two figures and the zeros; four figures; a bar under an E24 value at
    // ±1 %. "103" is 10 КОм, not the 1 КОм that some decoders give.
    QTest::newRow("100") << u"100"_s << false << u"10 Ом ±5 %"_s;
    QTest::newRow("101") << u"101"_s << false << u"100 Ом ±5 %"_s;
    QTest::newRow("244") << u"244"_s << false << u"240 КОм ±5 %"_s;
    QTest::newRow("103") << u"103"_s << false << u"10 КОм ±5 %"_s;
    QTest::newRow("472 with a bar") << u"472"_s << true << u"4,7 КОм ±1 %"_s;
    QTest::newRow("1000") << u"1000"_s << false << u"100 Ом ±1 %"_s;
    QTest::newRow("3160") << u"3160"_s << false << u"316 Ом ±1 %"_s;
    // NIC Components.
    QTest::newRow("1073") << u"1073"_s << false << u"107 КОм ±1 %"_s;
    // IEC 60062: R as the decimal sign; the zero-ohm links.
    QTest::newRow("4R7") << u"4R7"_s << false << u"4,7 Ом ±5 %"_s;
    QTest::newRow("R47") << u"R47"_s << false << u"0,47 Ом ±5 %"_s;
    QTest::newRow("10R0") << u"10R0"_s << false << u"10 Ом ±1 %"_s;
    QTest::newRow("R010") << u"R010"_s << false << u"0,01 Ом ±1 %"_s;
    for (const QString &link : {u"0"_s, u"00"_s, u"000"_s, u"0000"_s, u"0R0"_s})
        QTest::newRow(qPrintable(link)) << link << false << u"0 Ом"_s;
    // EIA-96: Walsin, TRU Components, State of the Art; position 42 is 267, which a published
    // table gives as 237; "01C" is 10 КОм, which a published decoder's tests take for 100 Ом.
    QTest::newRow("25X") << u"25X"_s << false << u"17,8 Ом ±1 %"_s;
    QTest::newRow("25E") << u"25E"_s << false << u"1,78 МОм ±1 %"_s;
    QTest::newRow("02C") << u"02C"_s << false << u"10,2 КОм ±1 %"_s;
    QTest::newRow("85X") << u"85X"_s << false << u"75 Ом ±1 %"_s;
    QTest::newRow("68C") << u"68C"_s << false << u"49,9 КОм ±1 %"_s;
    QTest::newRow("01C") << u"01C"_s << false << u"10 КОм ±1 %"_s;
    QTest::newRow("42A") << u"42A"_s << false << u"267 Ом ±1 %"_s;
    QTest::newRow("S as X") << u"47S"_s << false << u"30,1 Ом ±1 %"_s;
    // Two readings, the likelier first: the R-form where its value is E24, EIA-96 where not;
    // milliohms on a shunt; H as B before one maker's ×10⁷.
    QTest::newRow("47R") << u"47R"_s << false << u"47 Ом ±5 %; 3,01 Ом ±1 %"_s;
    QTest::newRow("10R") << u"10R"_s << false << u"10 Ом ±5 %; 1,24 Ом ±1 %"_s;
    QTest::newRow("25R") << u"25R"_s << false << u"1,78 Ом ±1 %; 25 Ом ±5 %"_s;
    QTest::newRow("1M5") << u"1M5"_s << false << u"0,0015 Ом ±5 %; 1,5 МОм ±5 %"_s;
    QTest::newRow("22M1") << u"22M1"_s << false << u"0,0221 Ом ±1 %; 22,1 МОм ±1 %"_s;
    QTest::newRow("01H") << u"01H"_s << false << u"1 КОм ±1 %; 1 ГОм ±1 %"_s;
    // As typed: lower case, Cyrillic look-alikes, spaces, the letter O for a zero.
    QTest::newRow("lower case") << u"4r7"_s << false << u"4,7 Ом ±5 %"_s;
    QTest::newRow("Cyrillic Р") << u"4Р7"_s << false << u"4,7 Ом ±5 %"_s;
    QTest::newRow("Cyrillic с") << u"01с"_s << false << u"10 КОм ±1 %"_s;
    QTest::newRow("spaces") << u" 4 7 2 "_s << false << u"4,7 КОм ±5 %"_s;
    QTest::newRow("O for zero") << u"1О3"_s << false << u"10 КОм ±5 %"_s;
}

void TestSmdCode::readsMarkings()
{
    QFETCH(QString, typed);
    QFETCH(bool, underlined);
    QFETCH(QString, expected);
    QCOMPARE(readings(typed, underlined), expected);
}

void TestSmdCode::refusesWhatIsNoMarking_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("why");
    QTest::newRow("position 00") << u"00C"_s << u"Позиции 00 в EIA-96 нет"_s;
    QTest::newRow("position 97") << u"97A"_s << u"Позиции 97 в EIA-96 нет"_s;
    QTest::newRow("two letters") << u"4R7R"_s << u"лишь одна буква, а здесь их 2: R, R"_s;
    QTest::newRow("unknown letter") << u"47Q"_s << u"Буквы Q нет"_s;
    QTest::newRow("multiplier misplaced") << u"4A7"_s << u"после двух цифр"_s;
    QTest::newRow("five signs") << u"12345"_s << u"не больше четырёх знаков, а здесь их 5"_s;
    QTest::newRow("two figures") << u"47"_s << u"цифр в коде три или четыре"_s;
    QTest::newRow("leading zero") << u"047"_s << u"с нуля начинают лишь перемычки"_s;
    QTest::newRow("comma") << u"4,7"_s << u"Знака «,»"_s;
    QTest::newRow("empty") << u" "_s << u"Введите маркировку"_s;
}

void TestSmdCode::refusesWhatIsNoMarking()
{
    QFETCH(QString, typed);
    QFETCH(QString, why);
    const auto decoded = smdcode::decode(typed, false, Russian);
    QVERIFY(!decoded.value);
    QVERIFY2(decoded.message.contains(why), qPrintable(decoded.message));
}

// Each position of EIA-96 against E96 as the standard defines it.
void TestSmdCode::everyEia96Position()
{
    const QList<int> e96 = threeFigureSeries(96);
    for (int position = 1; position <= 96; ++position) {
        const QString code = u"%1A"_s.arg(position, 2, 10, QChar(u'0'));
        QCOMPARE(readings(code), u"%1 Ом ±1 %"_s.arg(e96[position - 1]));
    }
}

void TestSmdCode::writesNominals_data()
{
    QTest::addColumn<QString>("nominal");
    QTest::addColumn<QString>("codes");
    QTest::addColumn<QString>("whyNot");
    // A code with "_" after it carries a bar under the figures.
    QTest::newRow("4,7 КОм") << u"4,7к"_s << u"472 472_ 4701"_s << u"4,7 КОм нет в ряду E96"_s;
    QTest::newRow("10 КОм") << u"10к"_s << u"103 103_ 1002 01C"_s << QString();
    QTest::newRow("2,5 КОм, in no E24") << u"2,5к"_s << u"252 2501"_s << QString();
    QTest::newRow("1,27 КОм") << u"1,27к"_s << u"1271 11B"_s
                              << u"1,27 КОм: трёх цифр мало — значащих цифр 3"_s;
    QTest::newRow("499 КОм") << u"499к"_s << u"4993 68D"_s << u"трёх цифр мало"_s;
    QTest::newRow("4,7 Ом") << u"4,7"_s << u"4R7 4R70"_s
                            << u"трёхзначный код пишет номиналы от 10 Ом, меньшие — с R"_s;
    QTest::newRow("10 Ом") << u"10"_s << u"100 100_ 10R 10R0 01X"_s
                           << u"четырёхзначный код пишет номиналы от 100 Ом"_s;
    QTest::newRow("10 мОм") << u"0,01"_s << u"R01 R010 10M 10M0"_s
                            << u"у EIA-96 нет буквы такого множителя"_s;
    QTest::newRow("link") << u"0"_s << u"0 00 000 0000 0R0"_s << QString();
}

void TestSmdCode::writesNominals()
{
    QFETCH(QString, nominal);
    QFETCH(QString, codes);
    QFETCH(QString, whyNot);
    const smdcode::Codes written
        = smdcode::encode(*partcode::parseNominal(nominal, Russian), Russian);
    QStringList found;
    for (const smdcode::Marking &marking : written.markings)
        found.append(marking.code + (marking.underlined ? u"_"_s : QString()));
    QCOMPARE(found.join(u' '), codes);
    if (!whyNot.isEmpty())
        QVERIFY2(
            written.whyNot.join(u'\n').contains(whyNot), qPrintable(written.whyNot.join(u'\n')));
}

// Whatever a nominal is written as reads back as that nominal, across the E24 and E96 values
// of every decade from 10 мОм to 10 МОм.
void TestSmdCode::everyCodeWrittenReadsBack()
{
    int checked = 0;
    for (const auto &series : {QList<int> {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36,
                                   39, 43, 47, 51, 56, 62, 68, 75, 82, 91},
             threeFigureSeries(96)}) {
        for (const int figures : series) {
            for (int exponent = -4; exponent <= 5; ++exponent) {
                const partcode::Decimal nominal {figures, exponent};
                for (const smdcode::Marking &marking : smdcode::encode(nominal, Russian).markings) {
                    const auto decoded = smdcode::decode(marking.code, marking.underlined, Russian);
                    QVERIFY2(decoded.value, qPrintable(marking.code));
                    const bool found = std::any_of(decoded.value->begin(), decoded.value->end(),
                        [&](const smdcode::Decoding &decoding) {
                            return partcode::nominalText(decoding.nominal, Russian)
                                == partcode::nominalText(nominal, Russian)
                                && decoding.typical == marking.typical;
                        });
                    QVERIFY2(found, qPrintable(marking.code));
                    ++checked;
                }
            }
        }
    }
    QVERIFY(checked > 1000);
}

// The answers as the window shows them: a code with one reading, one with two, a nominal.
void TestSmdCode::answers()
{
    QCOMPARE(smdcode::answer(u"472", false, Russian).lines,
        (QStringList {u"Номинал: 4,7 КОм — трёхзначный код: 47 и 2 нуля"_s,
            u"Допуск, обычный для такого кода, ±5 %: от 4,465 до 4,935 КОм"_s,
            u"Стандартный ряд: E6 (IEC 60063)"_s, u"Код: 4K7J"_s,
            u"Полосы: Желтый, Фиолетовый, Красный, Золотой"_s}));
    const QStringList twoWays = smdcode::answer(u"47R", false, Russian).lines;
    QCOMPARE(twoWays.mid(0, 3),
        (QStringList {u"Два прочтения, вероятнее первое."_s,
            u"Прочтение 1: 47 Ом — R — десятичная запятая"_s,
            u"Вероятнее: 47 Ом — из ряда E6, так маркируют резисторы ±5 %, а R вместо Y в EIA-96 "
            u"ставят немногие производители."_s}));
    QVERIFY(
        twoWays.contains(u"Прочтение 2: 3,01 Ом — EIA-96, позиция 47 (301), R — как Y: ×0,01"_s));
    QVERIFY(twoWays.contains(u"Полосы: Оранжевый, Черный, Коричневый, Серебряный, Коричневый"_s));
    QCOMPARE(smdcode::answer(u"68C", false, Russian).lines.mid(3, 2),
        (QStringList {u"Код: 49K9F"_s, u"Полосы: Желтый, Белый, Белый, Красный, Коричневый"_s}));
    QCOMPARE(smdcode::codesAnswer(u"4,7к", Russian).lines.mid(0, 3),
        (QStringList {u"Маркировки номинала 4,7 КОм:"_s, u"472 — трёхзначный код, обычно ±5 %"_s,
            u"472 с чертой под цифрами — трёхзначный код, обычно ±1 %"_s}));
    QCOMPARE(smdcode::codesAnswer(u"1,27к", Russian).lines.last(),
        u"Полосы: Коричневый, Красный, Фиолетовый, Коричневый, Коричневый"_s);
    QCOMPARE(smdcode::codesAnswer(u"4,7ж", Russian).lines.first(),
        u"«4,7ж» — не номинал: пишут, например, «4,7к», «4K7», «10 кОм», «0,22»."_s);
}

QTEST_APPLESS_MAIN(TestSmdCode)
#include "tst_smdcode.moc"
