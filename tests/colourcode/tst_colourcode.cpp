#include "colourcode/bandcolours.h"
#include "entry/nominal.h"
#include "forms/application.h"
#include "support/mainwindow.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;
using colourcode::CodeColour;

Q_DECLARE_METATYPE(std::optional<CodeColour>)

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);
const QLocale English(QLocale::English, QLocale::UnitedStates);

QColor shown(CodeColour colour)
{
    if (colour == CodeColour::ColorBody)
        return {255, 192, 128};
    return forms::toQColor(colourcode::CodeColourValues[static_cast<std::size_t>(colour)]);
}

} // namespace

class tst_Colourcode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { forms::prepareApplication(); }

    void digitColor_data();
    void digitColor();
    void multiplierColor_data();
    void multiplierColor();
    void toleranceColor_data();
    void toleranceColor();

    void solvePaintsTheBands_data();
    void solvePaintsTheBands();
    void bandsWithoutAColourKeepTheirs();
    void paintingNeverChangesTheTable();
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

void tst_Colourcode::multiplierColor_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<std::optional<CodeColour>>("colour");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, double value, std::optional<CodeColour> colour,
                         const QString &text, const QLocale &locale = Russian) {
        QTest::newRow(name) << value << locale << colour << text;
    };
    row("1 stays as typed", 1, CodeColour::ColorBlack, QString());
    row("10", 10, CodeColour::ColorBrown, u"10"_s);
    row("100", 100, CodeColour::ColorRed, u"100"_s);
    row("2 is 100", 2, CodeColour::ColorRed, u"100"_s);
    row("3 is 1000", 3, CodeColour::ColorOrange, u"1000"_s);
    row("4", 4, CodeColour::ColorYellow, u"10000"_s);
    row("5", 5, CodeColour::ColorGreen, u"100000"_s);
    row("6", 6, CodeColour::ColorBlue, u"1000000"_s);
    row("7", 7, CodeColour::ColorViolet, u"10000000"_s);
    row("8 is 100000000", 8, CodeColour::ColorGrey, u"100000000"_s);
    row("1000000", 1000000, CodeColour::ColorBlue, u"1000000"_s);
    row("9 is 1000000000", 9, CodeColour::ColorWhite, u"1000000000"_s);
    row("9.5", 9.5, CodeColour::ColorWhite, u"1000000000"_s);
    row("11", 11, CodeColour::ColorWhite, u"1000000000"_s);
    row("25", 25, CodeColour::ColorWhite, u"1000000000"_s);
    row("1000000000", 1e9, CodeColour::ColorWhite, u"1000000000"_s);
    row("1E12", 1e12, CodeColour::ColorWhite, u"1000000000"_s);
    row("0.1", 0.1, CodeColour::ColorGold, u"0,1"_s);
    row("0.01", 0.01, CodeColour::ColorSilver, u"0,01"_s);
    row("0.1 with a point", 0.1, CodeColour::ColorGold, u"0.1"_s, English);
    row("0.01 with a point", 0.01, CodeColour::ColorSilver, u"0.01"_s, English);
    row("0", 0, std::nullopt, QString());
    row("0.5", 0.5, std::nullopt, QString());
    row("5.5", 5.5, std::nullopt, QString());
    row("0.001", 0.001, std::nullopt, QString());
    row("-100", -100, std::nullopt, QString());
    row("nan", std::nan(""), std::nullopt, QString());
    row("minus infinity", -std::numeric_limits<double>::infinity(), std::nullopt, QString());
}

void tst_Colourcode::multiplierColor()
{
    QFETCH(double, value);
    QFETCH(QLocale, locale);
    QFETCH(std::optional<CodeColour>, colour);
    QFETCH(QString, text);
    const auto band = colourcode::MultiplierColor(value, locale);
    QCOMPARE(band.has_value(), colour.has_value());
    if (band) {
        QCOMPARE(band->colour, *colour);
        QCOMPARE(band->text, text);
    }
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

void tst_Colourcode::solvePaintsTheBands_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("multiplierAfter");
    QTest::addColumn<QList<CodeColour>>("bands");
    using C = CodeColour;
    const auto row
        = [](const char *typed, const char *option, const QString &after, QList<CodeColour> bands) {
              QTest::addRow("%s %s", typed, option)
                  << QString::fromLatin1(typed) << QString::fromLatin1(option) << after << bands;
          };
    row("47100", "Option3", u"100"_s, {C::ColorYellow, C::ColorViolet, C::ColorRed, C::ColorGold});
    row("011", "Option1", u"1"_s, {C::ColorBlack, C::ColorBrown, C::ColorBlack, C::ColorBrown});
    row("2310", "Option2", u"10"_s, {C::ColorRed, C::ColorOrange, C::ColorBrown, C::ColorRed});
    row("452", "Option4", u"100"_s, {C::ColorYellow, C::ColorGreen, C::ColorRed, C::ColorSilver});
    row("673", "Option5", u"1000"_s, {C::ColorBlue, C::ColorViolet, C::ColorOrange, C::ColorGreen});
    row("894", "Option6", u"10000"_s, {C::ColorGrey, C::ColorWhite, C::ColorYellow, C::ColorBlue});
    row("105", "Option7", u"100000"_s,
        {C::ColorBrown, C::ColorBlack, C::ColorGreen, C::ColorViolet});
    row("126", "Option8", u"1000000"_s, {C::ColorBrown, C::ColorRed, C::ColorBlue, C::ColorGrey});
    row("337", "Option9", u"10000000"_s,
        {C::ColorOrange, C::ColorOrange, C::ColorViolet, C::ColorBody});
    row("558", "", u"100000000"_s, {C::ColorGreen, C::ColorGreen, C::ColorGrey, C::ColorBody});
    row("669", "Option3", u"1000000000"_s,
        {C::ColorBlue, C::ColorBlue, C::ColorWhite, C::ColorGold});
    row("7711", "Option3", u"1000000000"_s,
        {C::ColorViolet, C::ColorViolet, C::ColorWhite, C::ColorGold});
    row("8825", "Option3", u"1000000000"_s,
        {C::ColorGrey, C::ColorGrey, C::ColorWhite, C::ColorGold});
    row("990,1", "Option3", u"0,1"_s, {C::ColorWhite, C::ColorWhite, C::ColorGold, C::ColorGold});
    row("990,01", "Option4", u"0,01"_s,
        {C::ColorWhite, C::ColorWhite, C::ColorSilver, C::ColorSilver});
}

void tst_Colourcode::solvePaintsTheBands()
{
    QFETCH(QString, typed);
    QFETCH(QString, option);
    QFETCH(QString, multiplierAfter);
    QFETCH(QList<CodeColour>, bands);
    MainWindow main;
    MainWindow::type(typed);
    if (!option.isEmpty())
        QTest::mouseClick(main.control<QRadioButton>(qPrintable(option)), Qt::LeftButton);
    main.tick();
    QTest::keyClick(main.window.get(), Qt::Key_F5);
    QCOMPARE(main.field("Text15")->text(), multiplierAfter);
    const char *shapes[] = {"Shape1", "Shape2", "Shape3", "Shape4"};
    for (int band = 0; band < 4; ++band)
        QCOMPARE(main.shownColour(shapes[band]), shown(bands[band]));
    // The rewritten multiplier passed the guard and the readout follows it.
    main.tick();
    QCOMPARE(main.readout(),
        entry::ComputeNominal(
            main.field("Text13")->text(), main.field("Text14")->text(), multiplierAfter)
            .value());
}

void tst_Colourcode::bandsWithoutAColourKeepTheirs()
{
    MainWindow main;
    MainWindow::type(u"47100"_s);
    QTest::mouseClick(main.control<QRadioButton>("Option3"), Qt::LeftButton);
    main.tick();
    main.window->Command1_Click();
    // 0,5 matches no row: band 3 and the field keep what they had; the readout too.
    QLineEdit *multiplier = main.field("Text15");
    multiplier->setText(u"0,5"_s);
    main.tick();
    QCOMPARE(main.readout(), u"4,7 КОм"_s);
    main.window->Command1_Click();
    QCOMPARE(multiplier->text(), u"0,5"_s);
    QCOMPARE(main.shownColour("Shape3"), shown(CodeColour::ColorRed));
    // A field emptied since the last tick reaches the painters: its band stays, the others
    // are painted, nothing ends.
    multiplier->setText(u"1000"_s);
    main.field("Text13")->setText(QString());
    main.window->Command1_Click();
    QCOMPARE(main.shownColour("Shape1"), shown(CodeColour::ColorYellow));
    QCOMPARE(main.shownColour("Shape3"), shown(CodeColour::ColorOrange));
}

void tst_Colourcode::paintingNeverChangesTheTable()
{
    MainWindow main;
    main.window->setWidth(9500);
    const QImage before = main.window->grab().toImage();
    for (const char *typed : {"47100", "0025", "990,01"}) {
        main.window->Label4_Click();
        MainWindow::type(QString::fromLatin1(typed));
        QTest::mouseClick(main.control<QRadioButton>("Option9"), Qt::LeftButton);
        main.tick();
        main.window->Command1_Click();
    }
    main.window->Label4_Click();
    main.window->setWidth(9500);
    // Cleared bands take the body colour again, and the legend is as it was.
    QCOMPARE(main.window->grab().toImage().copy(496, 0, 133, 120), before.copy(496, 0, 133, 120));
    for (const char *band : {"Shape1", "Shape2", "Shape3", "Shape4"})
        QCOMPARE(main.shownColour(band), shown(CodeColour::ColorBody));
}

QTEST_MAIN(tst_Colourcode)
#include "tst_colourcode.moc"
