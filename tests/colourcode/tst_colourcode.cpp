#include "colourcode/bandcolours.h"
#include "colourcode/multipliers.h"
#include "colourcode/names.h"
#include "colourcode/nominal.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;
using colourcode::CodeColour;

Q_DECLARE_METATYPE(std::optional<CodeColour>)

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);
const QLocale English(QLocale::English, QLocale::UnitedStates);
// The caption a row expects where the readout keeps what it shows.
const QString Unchanged = u"—"_s;

} // namespace

// The resistor code without a window: the band mappings and the nominal readout.
class tst_Colourcode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void digitColor_data();
    void digitColor();
    void toleranceColor_data();
    void toleranceColor();
    void readout_data();
    void readout();
    void multiplierReadTwoWays_data();
    void multiplierReadTwoWays();
    void colourNames_data();
    void colourNames();
    void bandAndResistorNames();
};

void tst_Colourcode::digitColor_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<std::optional<CodeColour>>("colour");
    const CodeColour digits[] = {CodeColour::ColorBlack, CodeColour::ColorBrown,
        CodeColour::ColorRed, CodeColour::ColorOrange, CodeColour::ColorYellow,
        CodeColour::ColorGreen, CodeColour::ColorBlue, CodeColour::ColorViolet,
        CodeColour::ColorGrey, CodeColour::ColorWhite};
    for (int digit = 0; digit <= 9; ++digit)
        QTest::addRow("%d", digit) << double(digit) << std::optional(digits[digit]);
    const std::optional<CodeColour> none;
    QTest::newRow("negative zero") << -0.0 << std::optional(CodeColour::ColorBlack);
    QTest::newRow("2.5") << 2.5 << none;
    QTest::newRow("10") << 10.0 << none;
    QTest::newRow("-1") << -1.0 << none;
    QTest::newRow("nan") << std::nan("") << none;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << none;
}

void tst_Colourcode::digitColor()
{
    QFETCH(double, value);
    QFETCH(std::optional<CodeColour>, colour);
    QCOMPARE(colourcode::DigitColor(value), colour);
}

void tst_Colourcode::toleranceColor_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<std::optional<CodeColour>>("colour");
    QTest::newRow("none selected") << 0 << std::optional<CodeColour>();
    QTest::newRow("1%") << 1 << std::optional(CodeColour::ColorBrown);
    QTest::newRow("2%") << 2 << std::optional(CodeColour::ColorRed);
    QTest::newRow("5%") << 3 << std::optional(CodeColour::ColorGold);
    QTest::newRow("10%") << 4 << std::optional(CodeColour::ColorSilver);
    QTest::newRow("0.5%") << 5 << std::optional(CodeColour::ColorGreen);
    QTest::newRow("0.25%") << 6 << std::optional(CodeColour::ColorBlue);
    QTest::newRow("0.1%") << 7 << std::optional(CodeColour::ColorViolet);
    QTest::newRow("0.05%") << 8 << std::optional(CodeColour::ColorGrey);
    QTest::newRow("20%") << 9 << std::optional(CodeColour::ColorBody);
    QTest::newRow("no such option") << 10 << std::optional<CodeColour>();
}

void tst_Colourcode::toleranceColor()
{
    QFETCH(int, option);
    QFETCH(std::optional<CodeColour>, colour);
    QCOMPARE(colourcode::ToleranceColor(option), colour);
}

void tst_Colourcode::readout_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("multiplier");
    QTest::addColumn<QString>("caption");
    const auto row = [](const QLocale &locale, const QString &first, const QString &second,
                         const QString &multiplier, const QString &caption) {
        QTest::addRow("%s %s %s %s", qPrintable(locale.name()), qPrintable(first),
            qPrintable(second), qPrintable(multiplier))
            << locale << first << second << multiplier << caption;
    };
    // Every row of the worked examples; which step a multiplier names is the table's below.
    row(Russian, u"4"_s, u"7"_s, u"1"_s, u"47 Ом"_s);
    row(Russian, u"4"_s, u"7"_s, u"10"_s, u"470 Ом"_s);
    row(Russian, u"4"_s, u"7"_s, u"100"_s, u"4,7 КОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"1000"_s, u"47 КОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"10000"_s, u"470 КОм"_s);
    row(Russian, u"5"_s, u"3"_s, u"100000"_s, u"5,3 МОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"1000000"_s, u"47 МОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"10000000"_s, u"470 МОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"100000000"_s, u"4,7 ГОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"1000000000"_s, u"47 ГОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"0,1"_s, u"4,7 Ом"_s);
    row(Russian, u"2"_s, u"0"_s, u"0,01"_s, u"0,2 Ом"_s);
    row(Russian, u"0"_s, u"2"_s, u"1"_s, u"2 Ом"_s);
    row(Russian, u"0"_s, u"2"_s, u"0,1"_s, u"0,2 Ом"_s);
    row(Russian, u"0"_s, u"2"_s, u"0,01"_s, u"0,02 Ом"_s);
    row(Russian, u"1"_s, u"0"_s, u"100"_s, u"1 КОм"_s);
    row(Russian, u"0"_s, u"5"_s, u"10"_s, u"50 Ом"_s);
    row(Russian, u"9"_s, u"9"_s, u"10"_s, u"990 Ом"_s);
    row(Russian, u"4"_s, u"7"_s, u"3"_s, u"4,7 КОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"0100"_s, u"4,7 КОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"0,5"_s, Unchanged);
    row(Russian, QString(), u"7"_s, u"100"_s, colourcode::NoData);
    row(Russian, u"4"_s, u"7"_s, QString(), colourcode::NoData);
    // Catch-all and near misses.
    row(Russian, u"4"_s, QString(), u"100"_s, colourcode::NoData);
    row(Russian, u"4"_s, u"7"_s, u"1001"_s, u"47 ГОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"1e10"_s, u"47 ГОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"100,0"_s, u"4,7 КОм"_s);
    row(Russian, u"0"_s, u"0"_s, u"1"_s, u"0 Ом"_s);
    row(Russian, u"0"_s, u"0"_s, u"1000"_s, u"0 КОм"_s);
    row(Russian, u"0"_s, u"1"_s, u"0,01"_s, u"0,01 Ом"_s);
    row(Russian, u"9"_s, u"9"_s, u"100000000"_s, u"9,9 ГОм"_s);
    // Texts the conversions cannot read give no change, and the program goes on.
    row(Russian, u"4"_s, u"7"_s, u"0.1"_s, Unchanged);
    row(Russian, u"x"_s, u"7"_s, u"100"_s, Unchanged);
    row(Russian, u"4"_s, u"7"_s, u"1e999"_s, Unchanged);
    // A point where the locale writes one.
    row(English, u"4"_s, u"7"_s, u"100"_s, u"4.7 КОм"_s);
    row(English, u"4"_s, u"7"_s, u"0.1"_s, u"4.7 Ом"_s);
    row(English, u"0"_s, u"2"_s, u"0.01"_s, u"0.02 Ом"_s);
    row(English, u"4"_s, u"7"_s, u"1000"_s, u"47 КОм"_s);
    row(English, u"4"_s, u"7"_s, u"0,1"_s, Unchanged);
}

void tst_Colourcode::readout()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, multiplier);
    QFETCH(QString, caption);
    const auto result = colourcode::ComputeNominal(first, second, multiplier, locale);
    QCOMPARE(result.value_or(Unchanged), caption);
}

void tst_Colourcode::multiplierReadTwoWays_data()
{
    // What each reading makes of a typed value: the readout's multiplier, 0 for none; the
    // colouring's band and the text it writes back, which names its step.
    QTest::addColumn<double>("typed");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("readout");
    QTest::addColumn<std::optional<CodeColour>>("colour");
    QTest::addColumn<QString>("text");
    using C = CodeColour;
    const auto row
        = [](const char *name, double typed, double readout, std::optional<CodeColour> colour,
              const QString &text, const QLocale &locale = Russian) {
              QTest::newRow(name) << typed << locale << readout << colour << text;
          };
    const std::optional<CodeColour> none;
    row("1 is ×1 in both, and stays as typed", 1, 1, C::ColorBlack, QString());
    row("2 → ×10 in the readout, ×100 in the colouring", 2, 10, C::ColorRed, u"100"_s);
    row("3 → ×100 in the readout, ×1000 in the colouring", 3, 100, C::ColorOrange, u"1000"_s);
    row("4 → ×1000, ×10000", 4, 1e3, C::ColorYellow, u"10000"_s);
    row("5 → ×10000, ×100000", 5, 1e4, C::ColorGreen, u"100000"_s);
    row("6 → ×100000, ×1000000", 6, 1e5, C::ColorBlue, u"1000000"_s);
    row("7 → ×1000000, ×10000000", 7, 1e6, C::ColorViolet, u"10000000"_s);
    row("8 → ×10000000, ×100000000", 8, 1e7, C::ColorGrey, u"100000000"_s);
    row("9 → ×100000000, and the last step in the colouring", 9, 1e8, C::ColorWhite,
        u"1000000000"_s);
    row("9,5 is nothing to the readout, the last step to the colouring", 9.5, 0, C::ColorWhite,
        u"1000000000"_s);
    row("10 is ×10 in both", 10, 10, C::ColorBrown, u"10"_s);
    row("100 is ×100 in both", 100, 100, C::ColorRed, u"100"_s);
    row("1000000 is itself in both", 1e6, 1e6, C::ColorBlue, u"1000000"_s);
    row("100000000 is itself in both", 1e8, 1e8, C::ColorGrey, u"100000000"_s);
    row("1000000000 is itself in both", 1e9, 1e9, C::ColorWhite, u"1000000000"_s);
    row("11 is the last step in both", 11, 1e9, C::ColorWhite, u"1000000000"_s);
    row("1e12 is the last step in both", 1e12, 1e9, C::ColorWhite, u"1000000000"_s);
    row("0,1 in both", 0.1, 0.1, C::ColorGold, u"0,1"_s);
    row("0,01 in both", 0.01, 0.01, C::ColorSilver, u"0,01"_s);
    row("0.1 written with a point", 0.1, 0.1, C::ColorGold, u"0.1"_s, English);
    row("0.01 written with a point", 0.01, 0.01, C::ColorSilver, u"0.01"_s, English);
    row("0 is none", 0, 0, none, QString());
    row("0,5 is none", 0.5, 0, none, QString());
    row("1,5 is none", 1.5, 0, none, QString());
    row("5,5 is none", 5.5, 0, none, QString());
    row("0,001 is none", 0.001, 0, none, QString());
    row("-100 is none", -100, 0, none, QString());
    row("nan is none", std::nan(""), 0, none, QString());
    row("minus infinity is none", -std::numeric_limits<double>::infinity(), 0, none, QString());
}

void tst_Colourcode::multiplierReadTwoWays()
{
    QFETCH(double, typed);
    QFETCH(QLocale, locale);
    QFETCH(double, readout);
    QFETCH(std::optional<CodeColour>, colour);
    QFETCH(QString, text);
    const colourcode::MultiplierStep *step = colourcode::ReadoutStep(typed);
    QCOMPARE(step ? step->multiplier : 0.0, readout);
    const auto band = colourcode::MultiplierColor(typed, locale);
    QCOMPARE(band.has_value(), colour.has_value());
    if (band) {
        QCOMPARE(band->colour, *colour);
        QCOMPARE(band->text, text);
    }
}

void tst_Colourcode::colourNames_data()
{
    QTest::addColumn<CodeColour>("colour");
    QTest::addColumn<QString>("name");
    // The legend's captions, as the layout writes them.
    QTest::newRow("silver") << CodeColour::ColorSilver << u"Серебряный"_s;
    QTest::newRow("gold") << CodeColour::ColorGold << u"Золотой"_s;
    QTest::newRow("black") << CodeColour::ColorBlack << u"Черный"_s;
    QTest::newRow("brown") << CodeColour::ColorBrown << u"Коричневый"_s;
    QTest::newRow("red") << CodeColour::ColorRed << u"Красный"_s;
    QTest::newRow("orange") << CodeColour::ColorOrange << u"Оранжевый"_s;
    QTest::newRow("yellow") << CodeColour::ColorYellow << u"Желтый"_s;
    QTest::newRow("green") << CodeColour::ColorGreen << u"Зеленый"_s;
    QTest::newRow("blue") << CodeColour::ColorBlue << u"Синий"_s;
    QTest::newRow("violet") << CodeColour::ColorViolet << u"Фиолетовый"_s;
    QTest::newRow("grey") << CodeColour::ColorGrey << u"Серый"_s;
    QTest::newRow("white") << CodeColour::ColorWhite << u"Белый"_s;
    QTest::newRow("body") << CodeColour::ColorBody << u"Без цвета"_s;
}

void tst_Colourcode::colourNames()
{
    QFETCH(CodeColour, colour);
    QFETCH(QString, name);
    QCOMPARE(colourcode::ColourName(colour), name);
    if (colour != CodeColour::ColorBody)
        return;
    // The body's name names none of the code colours, not even as part of a word.
    for (int row = 0; row < static_cast<int>(colourcode::CodeColourCount); ++row) {
        const QString code = colourcode::ColourName(static_cast<CodeColour>(row));
        QVERIFY2(!name.contains(code.left(4), Qt::CaseInsensitive), qPrintable(code));
    }
}

void tst_Colourcode::bandAndResistorNames()
{
    using C = CodeColour;
    QCOMPARE(colourcode::BandName(1, C::ColorYellow), u"Полоса 1, первая цифра: Желтый"_s);
    QCOMPARE(colourcode::BandName(2, C::ColorViolet), u"Полоса 2, вторая цифра: Фиолетовый"_s);
    QCOMPARE(colourcode::BandName(3, C::ColorRed), u"Полоса 3, множитель: Красный"_s);
    QCOMPARE(colourcode::BandName(4, C::ColorBody), u"Полоса 4, допуск: Без цвета"_s);
    QCOMPARE(colourcode::ResistorName({C::ColorYellow, C::ColorViolet, C::ColorRed, C::ColorGold}),
        u"Резистор: Желтый, Фиолетовый, Красный, Золотой"_s);
    QCOMPARE(colourcode::ResistorName({C::ColorBody, C::ColorBody, C::ColorBody, C::ColorBody}),
        u"Резистор: Без цвета, Без цвета, Без цвета, Без цвета"_s);
}

QTEST_GUILESS_MAIN(tst_Colourcode)
#include "tst_colourcode.moc"
