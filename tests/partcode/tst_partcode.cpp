// The colour code of a part in hand, checked against IEC 60062:2016 and IEC 60063:2015 as
// published: every expected value below is typed from the standards' tables or worked out by
// hand, never taken from the program's tables.
#include "partcode/answer.h"
#include "partcode/choices.h"
#include "partcode/iec60062.h"
#include "partcode/iec60063.h"
#include "partcode/reading.h"
#include "support/eseries.h"
#include "support/workedpart.h"

#include <QTest>

using namespace Qt::StringLiterals;
using iec60062::Colour;
using partcode::Bands;
using partcode::Decimal;

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);

// Bands written as the colours' initials: "BK" black, "BN" brown, "RD" red, "OG" orange,
// "YE" yellow, "GN" green, "BU" blue, "VT" violet, "GY" grey, "WH" white, "GD" gold,
// "SR" silver, "PK" pink; "--" a band not yet chosen; nothing, no bands.
Bands bands(const QString &written)
{
    if (written.isEmpty())
        return {};
    static const QStringList initials {u"PK"_s, u"SR"_s, u"GD"_s, u"BK"_s, u"BN"_s, u"RD"_s,
        u"OG"_s, u"YE"_s, u"GN"_s, u"BU"_s, u"VT"_s, u"GY"_s, u"WH"_s};
    Bands result;
    for (const QString &band : written.split(u' ')) {
        const qsizetype index = initials.indexOf(band);
        result.append(index < 0 ? std::nullopt : std::optional(Colour(index)));
    }
    return result;
}

// A nominal as the part code writes it.
QString nominal(const QString &written)
{
    const auto parsed = partcode::parseNominal(written, Russian);
    return parsed ? partcode::nominalText(*parsed, Russian) : QString();
}

// What the part code did: the bands it gave, or its message where it gave none.
QString outcome(const partcode::Outcome<Bands> &done, const QString &written = {})
{
    return done.value ? (done.value == bands(written) ? u"as written"_s : u"other bands"_s)
                      : done.message;
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
    void judgedByTolerance_data();
    void judgedByTolerance();
    void deviations_data();
    void deviations();
    void answers_data();
    void answers();
    void digitKeys_data();
    void digitKeys();
    void otherCounts_data();
    void otherCounts();
    void putOnBands_data();
    void putOnBands();
    void turnedRound_data();
    void turnedRound();
    void nominalField_data();
    void nominalField();
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
    // The tolerance the standard sets beside each series, coarsest first.
    QStringList tolerances;
    for (const iec60063::Series &series : iec60063::AllSeries)
        tolerances.append(
            QString::fromUtf16(series.name) + u' ' + QString::number(series.tolerance));
    QCOMPARE(tolerances,
        QStringList(
            {u"E6 2000"_s, u"E12 1000"_s, u"E24 500"_s, u"E48 200"_s, u"E96 100"_s, u"E192 50"_s}));
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
    // The limits keep two places below the nominal's last figure, or the second figure of the
    // tolerance's share of it, the finer, and are rounded half up: 4,749525 and 4,750475 КОм;
    // 0,1009899 and 0,1010101 Ом.
    QTest::newRow("6 bands, black 250, limits rounded")
        << u"YE VT GN BN GY BK"_s << u"4,75 КОм"_s << u"±0,01 %: от 4,74953 до 4,75048 КОм"_s
        << u"4K75L"_s << u"E96"_s << 250;
    QTest::newRow("pink, ±0,01 %, limits rounded")
        << u"BN BK BN PK GY"_s << u"0,101 Ом"_s << u"±0,01 %: от 0,10099 до 0,10101 Ом"_s
        << u"R101L"_s << u"E192"_s << 0;
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
    QVERIFY(reading->isPart());
    QCOMPARE(partcode::nominalText(reading->nominal(), Russian), nominal);
    QCOMPARE(partcode::rangeText(reading->nominal(), reading->tolerance, Russian), range);
    QCOMPARE(partcode::letterCode(*reading), code);
    QCOMPARE(partcode::coarsestSeries(reading->nominal()), series);
    QCOMPARE(reading->temperatureCoefficient.value_or(0), coefficient);
    // The part's own bands again from what they say.
    QCOMPARE(outcome(partcode::bandsOf(reading->nominal(), int(::bands(bands).size()),
                         reading->tolerance, reading->temperatureCoefficient),
                 bands),
        u"as written"_s);
}

void tst_PartCode::incompleteOrImpossible()
{
    // The zero-ohm link: one black band.
    const auto link = partcode::read(bands(u"BK"_s));
    QVERIFY(link && link->isPart());
    QCOMPARE(partcode::nominalText(link->nominal(), Russian), u"0 Ом"_s);
    QCOMPARE(partcode::letterCode(*link), u"0R"_s);
    QVERIFY(!partcode::read(bands(u"BN"_s)));
    // A band not chosen yet is named, and nothing is read.
    QCOMPARE(partcode::firstMissing(bands(u"BN BK -- RD BN"_s)), 3);
    QCOMPARE(partcode::firstMissing(bands(u"BN BK BK RD BN"_s)), 0);
    QVERIFY(!partcode::read(bands(u"BN BK -- RD BN"_s)));
    // Trailing zeros are no figures, however the value is written.
    QCOMPARE(outcome(partcode::bandsOf({4700, 0}, 4, 500), u"YE VT RD GD"_s), u"as written"_s);
    QCOMPARE(partcode::partName(bands(u"BN -- RD GD"_s)),
        u"Резистор: Коричневый, без цвета, Красный, Золотой"_s);
    // Gold, silver and pink are no figures; pink is no tolerance; white has no tolerance.
    QVERIFY(!partcode::read(bands(u"GD VT YE"_s)));
    QVERIFY(!partcode::read(bands(u"BN BK RD PK"_s)));
    QVERIFY(!partcode::read(bands(u"BN BK RD WH"_s)));
    QVERIFY(!partcode::read(bands(u"BN BK"_s)));
    // A black first figure reads, but makes no part, nor do black figures alone.
    QVERIFY(!partcode::read(bands(u"BK BN OG GD"_s))->isPart());
    QVERIFY(!partcode::read(bands(u"BK BK BK"_s))->isPart());
    QVERIFY(partcode::read(bands(u"BN BK BK"_s))->isPart());
    QCOMPARE(partcode::coloursOf(partcode::BandRole::Figure).size(), 10);
    QCOMPARE(partcode::coloursOf(partcode::BandRole::Multiplier).size(), 13);
    QCOMPARE(partcode::coloursOf(partcode::BandRole::Tolerance).size(), 10);
    QCOMPARE(partcode::coloursOf(partcode::BandRole::TemperatureCoefficient).size(), 9);
}

void tst_PartCode::bandsOfNominal_data()
{
    QTest::addColumn<QString>("nominal");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("done");
    const QString written = u"as written"_s;
    QTest::newRow("4,7к on five") << u"4,7к"_s << 5 << 100 << u"YE VT BK BN BN"_s << written;
    QTest::newRow("4K7 on four") << u"4K7"_s << 4 << 500 << u"YE VT RD GD"_s << written;
    QTest::newRow("0,22 on four") << u"0,22"_s << 4 << 500 << u"RD RD SR GD"_s << written;
    QTest::newRow("1М on three") << u"1М"_s << 3 << 2000 << u"BN BK GN"_s << written;
    QTest::newRow("0 on one") << u"0"_s << 1 << 0 << u"BK"_s << written;
    QTest::newRow("a third figure on four")
        << u"4,75к"_s << 4 << 500 << QString()
        << u"4,75 КОм на этих полосах не записать: значащих цифр в нём 3, а полос для цифр 2."_s;
    QTest::newRow("below pink")
        << u"0,001"_s << 4 << 500 << QString()
        << u"0,001 Ом на этих полосах не записать: множитель вышел бы за пределы от ×0,001 до "
           u"×1 000 000 000."_s;
    QTest::newRow("no colour for ±3 %")
        << u"10к"_s << 4 << 300 << QString() << u"Допуск ±3 % не отмечают ни одним цветом."_s;
    QTest::newRow("3 bands at ±5 %") << u"10к"_s << 3 << 500 << QString()
                                     << u"На трех полосах допуск всегда ±20 %, а не ±5 %."_s;
}

void tst_PartCode::bandsOfNominal()
{
    QFETCH(QString, nominal);
    QFETCH(int, count);
    QFETCH(int, tolerance);
    QFETCH(QString, bands);
    QFETCH(QString, done);
    const auto parsed = partcode::parseNominal(nominal, Russian);
    QVERIFY(parsed);
    QCOMPARE(outcome(partcode::bandsOf(*parsed, count, tolerance, {}, Russian), bands), done);
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
    QTest::newRow("a thousand ГОм is 1 ТОм") << u"1000Г"_s << u"1 ТОм"_s;
    QTest::newRow("1,5 ТОм") << u"1,5 ТОм"_s << u"1,5 ТОм"_s;
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
    QCOMPARE(::nominal(text), nominal);
}

// IEC 60063: a part of a tolerance is standard in the series made for it, or in a coarser one,
// and its nearest standard values are taken from those series only.
void tst_PartCode::judgedByTolerance_data()
{
    QTest::addColumn<QString>("nominal");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("span");
    QTest::addColumn<QString>("standard");
    QTest::addColumn<QString>("near");
    QTest::newRow("14 Ом ±5 %, E48 only")
        << u"14"_s << 500 << u"E24"_s << u"E6–E24"_s << QString() << u"13 Ом 15 Ом"_s;
    QTest::newRow("14 Ом ±2 %") << u"14"_s << 200 << u"E48"_s << u"E6–E48"_s << u"E48"_s
                                << u"13,3 Ом 14,7 Ом"_s;
    QTest::newRow("2,1 КОм ±2 %, E96 only")
        << u"2,1к"_s << 200 << u"E48"_s << u"E6–E48"_s << QString() << u"2,05 КОм 2,15 КОм"_s;
    QTest::newRow("720 Ом ±2 %") << u"720"_s << 200 << u"E48"_s << u"E6–E48"_s << QString()
                                 << u"715 Ом 750 Ом"_s;
    QTest::newRow("2,2 КОм ±1 %, a coarser series counts")
        << u"2,2к"_s << 100 << u"E96"_s << u"E6–E96"_s << u"E6"_s << u"2,15 КОм 2,21 КОм"_s;
    QTest::newRow("12 КОм ±20 %") << u"12к"_s << 2000 << u"E6"_s << u"E6"_s << QString()
                                  << u"10 КОм 15 КОм"_s;
    QTest::newRow("12 КОм ±10 %") << u"12к"_s << 1000 << u"E12"_s << u"E6–E12"_s << u"E12"_s
                                  << u"10 КОм 15 КОм"_s;
    QTest::newRow("460 Ом ±0,1 %")
        << u"460"_s << 10 << u"E192"_s << u"E6–E192"_s << QString() << u"459 Ом 464 Ом"_s;
    QTest::newRow("across a decade, ±1 %")
        << u"9,8"_s << 100 << u"E96"_s << u"E6–E96"_s << QString() << u"9,76 Ом 10 Ом"_s;
}

void tst_PartCode::judgedByTolerance()
{
    QFETCH(QString, nominal);
    QFETCH(int, tolerance);
    QFETCH(QString, series);
    QFETCH(QString, span);
    QFETCH(QString, standard);
    QFETCH(QString, near);
    const auto value = partcode::parseNominal(nominal, Russian);
    QVERIFY(value);
    QCOMPARE(partcode::seriesFor(tolerance), series);
    QCOMPARE(partcode::seriesSpan(tolerance), span);
    QCOMPARE(partcode::standardSeries(*value, tolerance), standard);
    const auto neighbours = partcode::neighbours(*value, tolerance);
    QVERIFY(neighbours);
    QCOMPARE(partcode::nominalText(neighbours->below, Russian) + u' '
            + partcode::nominalText(neighbours->above, Russian),
        near);
}

// Half up from the exact ratio, to a tenth, the same for every decade: 5,1 is 6,25 % above
// 4,8, in ohms as in kilohms.
void tst_PartCode::deviations_data()
{
    QTest::addColumn<QString>("nominal");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("deviation");
    QTest::newRow("4,8 КОм to 5,1 КОм") << u"4,8к"_s << u"5,1к"_s << u"+6,3 %"_s;
    QTest::newRow("4,8 Ом to 5,1 Ом") << u"4,8"_s << u"5,1"_s << u"+6,3 %"_s;
    QTest::newRow("below") << u"4,8к"_s << u"4,7к"_s << u"−2,1 %"_s;
    QTest::newRow("a whole per cent") << u"10"_s << u"10,6"_s << u"+6,0 %"_s;
}

void tst_PartCode::deviations()
{
    QFETCH(QString, nominal);
    QFETCH(QString, other);
    QFETCH(QString, deviation);
    QCOMPARE(partcode::deviationText(*partcode::parseNominal(nominal, Russian),
                 *partcode::parseNominal(other, Russian), Russian),
        deviation);
}

// The answer in words, line by line, for the parts whose answers differ most.
void tst_PartCode::answers_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("the worked part") << QString::fromUtf16(workedpart::Bands)
                                     << QString::fromUtf16(workedpart::Answer).split(u'\n');
    QTest::newRow("three bands, ±20 %")
        << u"BN BK RD"_s
        << QStringList {u"Номинал: 1 КОм"_s,
               u"Допуск ±20 %: от 0,8 до 1,2 КОм (полосы допуска нет)"_s,
               u"Стандартный ряд: E6 (IEC 60063)"_s, u"Код: 1K0M"_s,
               u"С другого конца: 200 Ом ±20 %"_s,
               u"Вероятнее это прочтение: 200 Ом нет в ряду E6 для допуска ±20 %."_s};
    QTest::newRow("three bands, both standard")
        << u"BN BK BN"_s
        << QStringList {u"Номинал: 100 Ом"_s,
               u"Допуск ±20 %: от 80 до 120 Ом (полосы допуска нет)"_s,
               u"Стандартный ряд: E6 (IEC 60063)"_s, u"Код: 100RM"_s,
               u"С другого конца: 100 Ом ±20 %"_s,
               u"Оба прочтения возможны: полосы допуска нет — первая полоса стоит ближе к краю "
               u"корпуса, чем последняя."_s};
    QTest::newRow("zero-ohm link") << u"BK"_s << QStringList {u"Перемычка: 0 Ом"_s, u"Код: 0R"_s};
    QTest::newRow("off every series, ±0,1 %")
        << u"YE BU BK BK VT"_s
        << QStringList {u"Номинал: 460 Ом"_s, u"Допуск ±0,1 %: от 459,54 до 460,46 Ом"_s,
               u"Не из рядов E6–E192 для допуска ±0,1 % (IEC 60063)"_s,
               u"Ближайшие стандартные: 459 Ом (−0,2 %) и 464 Ом (+0,9 %)"_s, u"Код: 460RB"_s,
               u"С другого конца: 700 МОм ±0,02 %"_s,
               u"Оба прочтения возможны: первая полоса — у края корпуса, а полоса допуска стоит "
               u"поодаль от остальных."_s};
    // 2,1 КОм is in E96 only, and a ±2 % part is made in E48.
    QTest::newRow("likelier by the tolerance's series")
        << u"RD RD BN RD"_s
        << QStringList {u"Номинал: 220 Ом"_s, u"Допуск ±2 %: от 215,6 до 224,4 Ом"_s,
               u"Стандартный ряд: E6 (IEC 60063)"_s, u"Код: 220RG"_s,
               u"С другого конца: 2,1 КОм ±2 %"_s,
               u"Вероятнее это прочтение: 2,1 КОм нет в рядах E6–E48 для допуска ±2 %."_s};
    QTest::newRow("in a finer series only")
        << u"BN YE BK GD"_s
        << QStringList {u"Номинал: 14 Ом"_s, u"Допуск ±5 %: от 13,3 до 14,7 Ом"_s,
               u"Не из рядов E6–E24 для допуска ±5 % (IEC 60063), есть лишь в E48 — ряду "
               u"допуска ±2 %"_s,
               u"Ближайшие стандартные: 13 Ом (−7,1 %) и 15 Ом (+7,1 %)"_s, u"Код: 14RJ"_s};
    QTest::newRow("a black first figure")
        << u"BK BN OG"_s
        << QStringList {u"Первая цифра черная: с этого конца резистор не читается, черный "
                        u"первой цифрой не бывает."_s,
               u"С другого конца: 31 Ом ±20 % — нажмите «Перевернуть»."_s};
    QTest::newRow("a black first figure, gold at the other end")
        << u"BK BN OG GD"_s
        << QStringList {u"Первая цифра черная: с этого конца резистор не читается, черный "
                        u"первой цифрой не бывает."_s,
               u"С другого конца эти полосы не читаются: полоса 1 (первая цифра) не бывает "
               u"золотой."_s};
    QTest::newRow("black figures alone")
        << u"BK BK BK"_s
        << QStringList {u"Все цифры черные: с этого конца это не резистор. Перемычку 0 Ом "
                        u"отмечают одной черной полосой."_s,
               u"С другого конца первая цифра тоже черная."_s};
    QTest::newRow("a colour out of its place")
        << u"GD VT YE"_s
        << QStringList {u"Так резистор не маркируют: полоса 1 (первая цифра) не бывает золотой."_s};
    QTest::newRow("missing") << u"BN -- RD GD"_s
                             << QStringList {u"Не выбрана полоса 2: вторая цифра."_s};
}

void tst_PartCode::answers()
{
    QFETCH(QString, written);
    QFETCH(QStringList, lines);
    QCOMPARE(partcode::answer(bands(written), Russian), lines);
    // What is copied: the bands by name, then the same answer.
    const QStringList report = partcode::report(bands(written), Russian);
    QCOMPARE(report.mid(bands(written).size()), lines);
    QCOMPARE(report.first(), partcode::bandName(bands(written), 0, Russian));
}

// A digit picks the colour of that figure, where the band may carry it.
void tst_PartCode::digitKeys_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("done");
    QTest::newRow("0 on a first figure") << 4 << 0 << 0 << u"BK"_s;
    QTest::newRow("9 on a multiplier") << 4 << 2 << 9 << u"WH"_s;
    QTest::newRow("9 on a tolerance")
        << 4 << 3 << 9 << u"Цифре 9 не отвечает ни один цвет полосы 4 (допуск)."_s;
    QTest::newRow("9 on a coefficient")
        << 6 << 5 << 9 << u"Цифре 9 не отвечает ни один цвет полосы 6 (ТКС)."_s;
    QTest::newRow("1 on a link") << 1 << 0 << 1
                                 << u"Цифре 1 не отвечает ни один цвет полосы 1 (перемычка)."_s;
}

void tst_PartCode::digitKeys()
{
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(int, digit);
    QFETCH(QString, done);
    const partcode::Outcome<Colour> picked = partcode::colourOfDigit(count, index, digit);
    QCOMPARE(picked.value ? QString() : picked.message, picked.value ? QString() : done);
    if (picked.value)
        QCOMPARE(Bands {picked.value}, bands(done));
}

// Another count keeps what the same roles held.
void tst_PartCode::otherCounts_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("after");
    QTest::newRow("five to six") << u"YE VT GN BN GY"_s << 6 << u"YE VT GN BN GY --"_s;
    QTest::newRow("six to four") << u"YE VT GN BN GY BK"_s << 4 << u"YE VT BN GY"_s;
    QTest::newRow("three to four") << u"YE VT RD"_s << 4 << u"YE VT RD --"_s;
    QTest::newRow("four to a link") << u"YE VT RD GD"_s << 1 << u"--"_s;
    QTest::newRow("a link to four") << u"BK"_s << 4 << u"-- -- -- --"_s;
    QTest::newRow("none before") << QString() << 4 << u"-- -- -- --"_s;
}

void tst_PartCode::otherCounts()
{
    QFETCH(QString, before);
    QFETCH(int, count);
    QFETCH(QString, after);
    QCOMPARE(partcode::carriedOver(bands(before), count), bands(after));
}

// A nominal put on the bands the part has, with the tolerance and coefficient chosen, or the
// count's: ±5 % on four, ±1 % and 100 ppm/K on five and six.
void tst_PartCode::putOnBands_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("done");
    const QString written = u"as written"_s;
    QTest::newRow("4,7к on four") << u"4,7к"_s << u"-- -- -- --"_s << u"YE VT RD GD"_s << written;
    QTest::newRow("trailing zeros are no figures")
        << u"4700"_s << u"-- -- -- --"_s << u"YE VT RD GD"_s << written;
    QTest::newRow("4K75 on six") << u"4K75"_s << u"-- -- -- -- -- --"_s << u"YE VT GN BN BN BN"_s
                                 << written;
    QTest::newRow("the chosen tolerance kept")
        << u"470"_s << u"-- -- -- -- GD"_s << u"YE VT BK BK GD"_s << written;
    QTest::newRow("the chosen coefficient kept")
        << u"1к"_s << u"RD RD RD RD RD YE"_s << u"BN BK BK BN RD YE"_s << written;
    QTest::newRow("a third figure on four")
        << u"4K75"_s << u"YE VT RD GD"_s << QString()
        << u"4,75 КОм на этих полосах не записать: значащих цифр в нём 3, а полос для цифр 2."_s;
    QTest::newRow("above white")
        << u"1000G"_s << u"-- -- -- --"_s << QString()
        << u"1 ТОм на этих полосах не записать: множитель вышел бы за пределы от ×0,001 до "
           u"×1 000 000 000."_s;
    QTest::newRow("0 on four") << u"0"_s << u"-- -- -- --"_s << QString()
                               << u"0 Ом — это перемычка: выберите «1 полоса»."_s;
    QTest::newRow("10 on a link") << u"10"_s << u"--"_s << QString()
                                  << u"На одну полосу ставят только перемычку, 0 Ом, а не 10 Ом."_s;
    QTest::newRow("empty") << u"  "_s << u"-- -- -- --"_s << QString()
                           << u"Номинал не введен: напишите его, например 4,7к, 4K7, 10 кОм или "
                              u"0,22."_s;
    QTest::newRow("not a nominal")
        << u"0,2.2"_s << u"-- -- -- --"_s << QString()
        << u"«0,2.2» не номинал: пишут, например, 4,7к, 4K7, 10 кОм или 0,22."_s;
}

void tst_PartCode::putOnBands()
{
    QFETCH(QString, written);
    QFETCH(QString, current);
    QFETCH(QString, bands);
    QFETCH(QString, done);
    const partcode::Outcome<Bands> put = partcode::putOn(written, ::bands(current), Russian);
    QCOMPARE(outcome(put, bands), done);
    if (put.value)
        QCOMPARE(put.message, u"Полосы поставлены: %1."_s.arg(nominal(written)));
}

void tst_PartCode::turnedRound_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("turned");
    QTest::addColumn<QString>("done");
    const QString written = u"as written"_s;
    QTest::newRow("31 Ом turned") << u"OG BN BK BN"_s << u"BN BK BN OG"_s << written;
    QTest::newRow("a missing band turns with the rest")
        << u"-- BK RD BN"_s << u"BN RD BK --"_s << written;
    QTest::newRow("gold first")
        << u"YE VT RD GD"_s << QString()
        << u"С другого конца эти полосы не читаются: полоса 1 (первая цифра) не бывает "
           u"золотой."_s;
    QTest::newRow("silver multiplier")
        << u"BN BK BK SR BN"_s << QString()
        << u"С другого конца эти полосы не читаются: полоса 2 (вторая цифра) не бывает "
           u"серебряной."_s;
    QTest::newRow("a link") << u"BK"_s << QString() << u"Одну полосу не перевернуть."_s;
}

void tst_PartCode::turnedRound()
{
    QFETCH(QString, bands);
    QFETCH(QString, turned);
    QFETCH(QString, done);
    const partcode::Outcome<Bands> back = partcode::turned(::bands(bands));
    QCOMPARE(outcome(back, turned), done);
}

// The nominal field keeps what a nominal is written with, and tells why not anything else.
void tst_PartCode::nominalField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("kept");
    QTest::newRow("4,7к") << u"4,7к"_s << true;
    QTest::newRow("10 кОм") << u"10 кОм"_s << true;
    QTest::newRow("1,5 ТОм") << u"1,5 ТОм"_s << true;
    QTest::newRow("4.7 Ω") << u"4.7 Ω"_s << true;
    QTest::newRow("a letter of no unit") << u"10 кОмx"_s << false;
    QTest::newRow("a sign") << u"-4,7"_s << false;
}

void tst_PartCode::nominalField()
{
    QFETCH(QString, text);
    QFETCH(bool, kept);
    QCOMPARE(partcode::whyNotWritten(text),
        kept ? QString()
             : u"Не принято «%1»: номинал пишут цифрами, запятой и буквами единиц (к, М, Г, Т, R, "
               u"Ом)."_s.arg(text));
}

QTEST_GUILESS_MAIN(tst_PartCode)
#include "tst_partcode.moc"
