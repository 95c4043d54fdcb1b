// The colour code of a part in hand, checked against IEC 60062:2016 and IEC 60063:2015 as
// published: every expected value below is typed from the standards' tables or worked out by
// hand, never taken from the program's tables.
#include "partcode/answer.h"
#include "partcode/iec60062.h"
#include "partcode/iec60063.h"
#include "partcode/reading.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using iec60062::Colour;
using partcode::Bands;
using partcode::Decimal;

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);

// Bands written as the colours' initials: "BK" black, "BN" brown, "RD" red, "OG" orange,
// "YE" yellow, "GN" green, "BU" blue, "VT" violet, "GY" grey, "WH" white, "GD" gold,
// "SR" silver, "PK" pink; "--" a band not yet chosen.
Bands bands(const QString &written)
{
    static const QStringList initials {u"PK"_s, u"SR"_s, u"GD"_s, u"BK"_s, u"BN"_s, u"RD"_s,
        u"OG"_s, u"YE"_s, u"GN"_s, u"BU"_s, u"VT"_s, u"GY"_s, u"WH"_s};
    Bands result;
    for (const QString &band : written.split(u' ')) {
        const qsizetype index = initials.indexOf(band);
        result.append(index < 0 ? std::nullopt : std::optional(Colour(index)));
    }
    return result;
}

// IEC 60063:2015, Table 2: E48, E96 and E192 are 10^(i/n) to three figures, but for E192's
// 920, where the rounding gives 919.
QList<int> threeFigureSeries(int n)
{
    QList<int> values;
    for (int i = 0; i < n; ++i) {
        const int value = int(std::lround(100 * std::pow(10.0, double(i) / n)));
        values.append(value == 919 ? 920 : value);
    }
    return values;
}

} // namespace

class tst_PartCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colourTable_data();
    void colourTable();
    void series();
    void readsBands_data();
    void readsBands();
    void incompleteOrImpossible();
    void bandsOfNominal_data();
    void bandsOfNominal();
    void parsesNominals_data();
    void parsesNominals();
    void nearestStandardValues();
    void answers_data();
    void answers();
};

// IEC 60062:2016, clause 3.2 and clause 3.4, row by row: figure, multiplier's power, tolerance
// in hundredths of a per cent, temperature coefficient in 10⁻⁶/K; -1 where the colour has none.
void tst_PartCode::colourTable_data()
{
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QList<int>>("meaning");
    QTest::newRow("pink") << Colour::Pink << QList {-1, -3, -1, -1};
    QTest::newRow("silver") << Colour::Silver << QList {-1, -2, 1000, -1};
    QTest::newRow("gold") << Colour::Gold << QList {-1, -1, 500, -1};
    QTest::newRow("black") << Colour::Black << QList {0, 0, -1, 250};
    QTest::newRow("brown") << Colour::Brown << QList {1, 1, 100, 100};
    QTest::newRow("red") << Colour::Red << QList {2, 2, 200, 50};
    QTest::newRow("orange") << Colour::Orange << QList {3, 3, 5, 15};
    QTest::newRow("yellow") << Colour::Yellow << QList {4, 4, 2, 25};
    QTest::newRow("green") << Colour::Green << QList {5, 5, 50, 20};
    QTest::newRow("blue") << Colour::Blue << QList {6, 6, 25, 10};
    QTest::newRow("violet") << Colour::Violet << QList {7, 7, 10, 5};
    QTest::newRow("grey") << Colour::Grey << QList {8, 8, 1, 1};
    QTest::newRow("white") << Colour::White << QList {9, 9, -1, -1};
}

void tst_PartCode::colourTable()
{
    QFETCH(Colour, colour);
    QFETCH(QList<int>, meaning);
    const iec60062::ColourMeaning &row = iec60062::meaning(colour);
    QCOMPARE(row.colour, colour);
    // Grey's ±0,05 % of earlier editions is told beside the current ±0,01 %.
    QCOMPARE(partcode::earlierTolerance(colour).value_or(-1), colour == Colour::Grey ? 5 : -1);
    QCOMPARE(QList({row.figure.value_or(-1), row.multiplier.value_or(-1),
                 row.tolerance.value_or(-1), row.temperatureCoefficient.value_or(-1)}),
        meaning);
}

void tst_PartCode::series()
{
    // Table 2 by its rule, which catches a mistyped value (491 for 499, 959 for 953).
    const auto asList = [](auto figures) { return QList<int>(figures.begin(), figures.end()); };
    QCOMPARE(asList(iec60063::E48), threeFigureSeries(48));
    QCOMPARE(asList(iec60063::E96), threeFigureSeries(96));
    QCOMPARE(asList(iec60063::E192), threeFigureSeries(192));
    // Table 1 as published: its values stray from the rule (27, 33, 47, 82).
    QCOMPARE(asList(iec60063::E24),
        QList({10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30, 33, 36, 39, 43, 47, 51, 56, 62, 68,
            75, 82, 91}));
    // Each series holds every other value of the next finer one of its family.
    const auto everyOther = [](const QList<int> &finer) {
        QList<int> coarser;
        for (qsizetype i = 0; i < finer.size(); i += 2)
            coarser.append(finer[i]);
        return coarser;
    };
    QCOMPARE(asList(iec60063::E12), everyOther(asList(iec60063::E24)));
    QCOMPARE(asList(iec60063::E6), everyOther(asList(iec60063::E12)));
    QCOMPARE(asList(iec60063::E96), everyOther(asList(iec60063::E192)));
    QCOMPARE(asList(iec60063::E48), everyOther(asList(iec60063::E96)));
}

void tst_PartCode::readsBands_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("nominal");
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("series");
    QTest::addColumn<int>("coefficient");
    QTest::newRow("1 % metal film") << u"BN BK BK RD BN"_s << u"10 КОм"_s
                                    << u"±1 %: от 9,9 до 10,1 КОм"_s << u"10K0F"_s << u"E6"_s << 0;
    QTest::newRow("4-band 4,7 kΩ") << u"YE VT RD GD"_s << u"4,7 КОм"_s
                                   << u"±5 %: от 4,465 до 4,935 КОм"_s << u"4K7J"_s << u"E6"_s << 0;
    QTest::newRow("gold multiplier")
        << u"YE VT GD GD"_s << u"4,7 Ом"_s << u"±5 %: от 4,465 до 4,935 Ом"_s << u"4R7J"_s
        << u"E6"_s << 0;
    QTest::newRow("silver multiplier")
        << u"YE VT SR SR"_s << u"0,47 Ом"_s << u"±10 %: от 0,423 до 0,517 Ом"_s << u"R47K"_s
        << u"E6"_s << 0;
    QTest::newRow("pink multiplier")
        << u"BN BK BK PK BN"_s << u"0,1 Ом"_s << u"±1 %: от 0,099 до 0,101 Ом"_s << u"R100F"_s
        << u"E6"_s << 0;
    QTest::newRow("under 10 Ом") << u"BN BK GD GD"_s << u"1 Ом"_s << u"±5 %: от 0,95 до 1,05 Ом"_s
                                 << u"1R0J"_s << u"E6"_s << 0;
    QTest::newRow("3 bands, ±20 %") << u"BN BK RD"_s << u"1 КОм"_s << u"±20 %: от 0,8 до 1,2 КОм"_s
                                    << u"1K0M"_s << u"E6"_s << 0;
    QTest::newRow("E96 499") << u"YE WH WH BN BN"_s << u"4,99 КОм"_s
                             << u"±1 %: от 4,9401 до 5,0399 КОм"_s << u"4K99F"_s << u"E96"_s << 0;
    QTest::newRow("E48 953") << u"WH GN OG BK RD"_s << u"953 Ом"_s
                             << u"±2 %: от 933,94 до 972,06 Ом"_s << u"953RG"_s << u"E48"_s << 0;
    QTest::newRow("no series") << u"YE GY RD GD"_s << u"4,8 КОм"_s << u"±5 %: от 4,56 до 5,04 КОм"_s
                               << u"4K8J"_s << QString() << 0;
    QTest::newRow("grey, current edition")
        << u"BN BK BK RD GY"_s << u"10 КОм"_s << u"±0,01 %: от 9,999 до 10,001 КОм"_s << u"10K0L"_s
        << u"E6"_s << 0;
    QTest::newRow("6 bands, black 250")
        << u"BN BK BK RD BN BK"_s << u"10 КОм"_s << u"±1 %: от 9,9 до 10,1 КОм"_s << u"10K0F"_s
        << u"E6"_s << 250;
    QTest::newRow("6 bands, yellow 25")
        << u"BN BK BK RD BN YE"_s << u"10 КОм"_s << u"±1 %: от 9,9 до 10,1 КОм"_s << u"10K0F"_s
        << u"E6"_s << 25;
    QTest::newRow("6 bands, orange 15")
        << u"BN BK BK RD BN OG"_s << u"10 КОм"_s << u"±1 %: от 9,9 до 10,1 КОм"_s << u"10K0F"_s
        << u"E6"_s << 15;
    QTest::newRow("white multiplier")
        << u"RD RD WH"_s << u"22 ГОм"_s << u"±20 %: от 17,6 до 26,4 ГОм"_s << u"22GM"_s << u"E6"_s
        << 0;
}

void tst_PartCode::readsBands()
{
    QFETCH(QString, bands);
    QFETCH(QString, nominal);
    QFETCH(QString, range);
    QFETCH(QString, code);
    QFETCH(QString, series);
    QFETCH(int, coefficient);
    const auto reading = partcode::read(::bands(bands));
    QVERIFY(reading);
    QCOMPARE(partcode::nominalText(reading->nominal(), Russian), nominal);
    QCOMPARE(partcode::rangeText(reading->nominal(), reading->tolerance, Russian), range);
    QCOMPARE(partcode::letterCode(*reading), code);
    QCOMPARE(partcode::coarsestSeries(reading->nominal()), series);
    QCOMPARE(reading->temperatureCoefficient.value_or(0), coefficient);
    // The part's own bands again from what they say.
    QCOMPARE(partcode::bandsOf(reading->nominal(), int(::bands(bands).size()), reading->tolerance,
                 reading->temperatureCoefficient),
        ::bands(bands));
}

void tst_PartCode::incompleteOrImpossible()
{
    // The zero-ohm link: one black band.
    const auto link = partcode::read(bands(u"BK"_s));
    QVERIFY(link);
    QCOMPARE(partcode::nominalText(link->nominal(), Russian), u"0 Ом"_s);
    QCOMPARE(partcode::letterCode(*link), u"0R"_s);
    QVERIFY(!partcode::read(bands(u"BN"_s)));
    // A band not chosen yet is named, and nothing is read.
    QCOMPARE(partcode::firstMissing(bands(u"BN BK -- RD BN"_s)), 3);
    QCOMPARE(partcode::firstMissing(bands(u"BN BK BK RD BN"_s)), 0);
    QVERIFY(!partcode::read(bands(u"BN BK -- RD BN"_s)));
    // Gold, silver and pink are no figures; pink is no tolerance; white has no tolerance.
    QVERIFY(!partcode::read(bands(u"GD VT YE"_s)));
    QVERIFY(!partcode::read(bands(u"BN BK RD PK"_s)));
    QVERIFY(!partcode::read(bands(u"BN BK RD WH"_s)));
    // The same part read from its other end: brown first is no figure on the tolerance side.
    QVERIFY(!partcode::read(bands(u"GD RD VT YE"_s)));
    QVERIFY(!partcode::read(bands(u"BN BK"_s)));
    QCOMPARE(partcode::coloursOf(partcode::Place::Figure).size(), 10);
    QCOMPARE(partcode::coloursOf(partcode::Place::Multiplier).size(), 13);
    QCOMPARE(partcode::coloursOf(partcode::Place::Tolerance).size(), 10);
    QCOMPARE(partcode::coloursOf(partcode::Place::TemperatureCoefficient).size(), 9);
}

void tst_PartCode::bandsOfNominal_data()
{
    QTest::addColumn<QString>("nominal");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<QString>("bands");
    QTest::newRow("4,7к on five") << u"4,7к"_s << 5 << 100 << u"YE VT BK BN BN"_s;
    QTest::newRow("4K7 on four") << u"4K7"_s << 4 << 500 << u"YE VT RD GD"_s;
    QTest::newRow("0,22 on four") << u"0,22"_s << 4 << 500 << u"RD RD SR GD"_s;
    QTest::newRow("1М on three") << u"1М"_s << 3 << 2000 << u"BN BK GN"_s;
    QTest::newRow("0 on one") << u"0"_s << 1 << 0 << u"BK"_s;
    QTest::newRow("a third figure on four") << u"4,75к"_s << 4 << 500 << QString();
    QTest::newRow("a third figure on three") << u"475"_s << 3 << 2000 << QString();
    QTest::newRow("below pink") << u"0,001"_s << 4 << 500 << QString();
    QTest::newRow("above white") << u"1000Г"_s << 4 << 500 << QString();
    QTest::newRow("no colour for ±3 %") << u"10к"_s << 4 << 300 << QString();
    QTest::newRow("3 bands at ±5 %") << u"10к"_s << 3 << 500 << QString();
}

void tst_PartCode::bandsOfNominal()
{
    QFETCH(QString, nominal);
    QFETCH(int, count);
    QFETCH(int, tolerance);
    QFETCH(QString, bands);
    const auto parsed = partcode::parseNominal(nominal, Russian);
    QVERIFY(parsed);
    const auto written = partcode::bandsOf(*parsed, count, tolerance);
    QCOMPARE(written.has_value(), !bands.isEmpty());
    if (written)
        QCOMPARE(*written, ::bands(bands));
}

void tst_PartCode::parsesNominals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("nominal");
    QTest::newRow("4,7к") << u"4,7к"_s << u"4,7 КОм"_s;
    QTest::newRow("4K7") << u"4K7"_s << u"4,7 КОм"_s;
    QTest::newRow("10 кОм") << u"10 кОм"_s << u"10 КОм"_s;
    QTest::newRow("0,22") << u"0,22"_s << u"0,22 Ом"_s;
    QTest::newRow("1М") << u"1М"_s << u"1 МОм"_s;
    QTest::newRow("4,7") << u"4,7"_s << u"4,7 Ом"_s;
    QTest::newRow("R47") << u"R47"_s << u"0,47 Ом"_s;
    QTest::newRow("10K0") << u"10K0"_s << u"10 КОм"_s;
    QTest::newRow("470R") << u"470R"_s << u"470 Ом"_s;
    QTest::newRow("2,2 ГОм") << u" 2,2 ГОм "_s << u"2,2 ГОм"_s;
    QTest::newRow("milli or mega") << u"1 мОм"_s << QString();
    QTest::newRow("two letters") << u"4K7K"_s << QString();
    QTest::newRow("letters only") << u"кОм"_s << QString();
    QTest::newRow("two separators") << u"4,7,1"_s << QString();
    QTest::newRow("a sign") << u"-4,7"_s << QString();
    QTest::newRow("empty") << QString() << QString();
}

void tst_PartCode::parsesNominals()
{
    QFETCH(QString, text);
    QFETCH(QString, nominal);
    const auto parsed = partcode::parseNominal(text, Russian);
    QCOMPARE(parsed ? partcode::nominalText(*parsed, Russian) : QString(), nominal);
}

void tst_PartCode::nearestStandardValues()
{
    // 4,8 КОм on four bands is in no series: E24's 4,7 and 5,1 КОм are nearest.
    const auto reading = partcode::read(bands(u"YE GY RD GD"_s));
    QVERIFY(reading);
    QCOMPARE(partcode::fittingSeries(*reading), u"E24"_s);
    const auto near = partcode::neighbours(reading->nominal(), u"E24");
    QVERIFY(near);
    QCOMPARE(partcode::nominalText(near->below, Russian), u"4,7 КОм"_s);
    QCOMPARE(partcode::nominalText(near->above, Russian), u"5,1 КОм"_s);
    QCOMPARE(partcode::deviationText(reading->nominal(), near->below, Russian), u"−2,1 %"_s);
    QCOMPARE(partcode::deviationText(reading->nominal(), near->above, Russian), u"+6,3 %"_s);
    // Across a decade: 9,8 Ом between E96's 9,76 Ом and 10 Ом.
    const auto across = partcode::neighbours({98, -1}, u"E96");
    QVERIFY(across);
    QCOMPARE(partcode::nominalText(across->below, Russian), u"9,76 Ом"_s);
    QCOMPARE(partcode::nominalText(across->above, Russian), u"10 Ом"_s);
    // Three figures go to E96, a tolerance under 1 % to E192.
    QCOMPARE(partcode::fittingSeries(*partcode::read(bands(u"YE GY BN BN BN"_s))), u"E96"_s);
    QCOMPARE(partcode::fittingSeries(*partcode::read(bands(u"YE GY BN BN VT"_s))), u"E192"_s);
}

// The answer in words, line by line, for the parts whose answers differ most: no tolerance
// band, a zero-ohm link, a value off every series that both ends read.
void tst_PartCode::answers_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QStringList>("lines");
    const QString both = u"Оба прочтения равно возможны: читайте от конца, дальше которого "
                         u"отстоит полоса допуска."_s;
    QTest::newRow("three bands, ±20 %")
        << u"BN BK RD"_s
        << QStringList {u"Номинал: 1 КОм"_s,
               u"Допуск ±20 %: от 0,8 до 1,2 КОм (полосы допуска нет)"_s,
               u"Стандартный ряд: E6 (IEC 60063)"_s, u"Код: 1K0M"_s,
               u"С другого конца: 200 Ом ±20 %"_s, both};
    QTest::newRow("zero-ohm link") << u"BK"_s << QStringList {u"Перемычка: 0 Ом"_s, u"Код: 0R"_s};
    QTest::newRow("off every series, ±0,1 %")
        << u"YE BU BK BK VT"_s
        << QStringList {u"Номинал: 460 Ом"_s, u"Допуск ±0,1 %: от 459,54 до 460,46 Ом"_s,
               u"Не из рядов E6–E192; ближайшие в E192: 459 Ом (−0,2 %) и 464 Ом (+0,9 %)"_s,
               u"Код: 460RB"_s, u"С другого конца: 700 МОм ±0,02 %"_s, both};
    QTest::newRow("missing") << u"BN -- RD GD"_s
                             << QStringList {u"Не выбрана полоса 2: вторая цифра."_s};
}

void tst_PartCode::answers()
{
    QFETCH(QString, written);
    QFETCH(QStringList, lines);
    QCOMPARE(partcode::answer(bands(written), Russian), lines);
}

QTEST_GUILESS_MAIN(tst_PartCode)
#include "tst_partcode.moc"
