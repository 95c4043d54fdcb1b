// The four bands that Решить paints, the legend of the code colours, and their names.
#include "colourcode/colourtable.h"
#include "forms/application.h"
#include "support/literals.h"
#include "support/mainwindow.h"

#include <QAccessible>

using namespace Qt::StringLiterals;
using colourcode::CodeColour;

namespace {

// The colour each row of the table must show, written out here in the order of its rows:
// silver, gold, black to white, and the body colour.
QColor shown(CodeColour colour)
{
    using namespace literal;
    static const literal::NamedColour rows[]
        = {Silver, Gold, Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Body};
    return rows[static_cast<std::size_t>(colour)].colour();
}

} // namespace

class tst_Bands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { forms::prepareApplication(); }

    void legendIsPaintedBeforeItIsShown_data();
    void legendIsPaintedBeforeItIsShown();
    void solvePaintsTheBands_data();
    void solvePaintsTheBands();
    void bandsWithoutAColourKeepTheirs();
    void paintingNeverChangesTheTable();
    void bandsSayTheirColours_data();
    void bandsSayTheirColours();
};

void tst_Bands::legendIsPaintedBeforeItIsShown_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("swatch");
    QTest::addColumn<QColor>("text");
    const QColor grey(128, 128, 128);
    const QColor white(255, 255, 255);
    const auto row = [](const char *tag, const char16_t *label, literal::NamedColour swatch,
                         const QColor &text) {
        QTest::newRow(tag) << QString::fromUtf16(label) << QString::fromUtf16(swatch.name)
                           << swatch.colour() << text;
    };
    row("silver", u"Label12", literal::Silver, grey);
    row("gold", u"Label13", literal::Gold, grey);
    row("black", u"Label14", literal::Black, white);
    row("brown", u"Label15", literal::Brown, white);
    row("red", u"Label16", literal::Red, white);
    row("orange", u"Label17", literal::Orange, white);
    row("yellow", u"Label18", literal::Yellow, grey);
    row("green", u"Label19", literal::Green, white);
    row("blue", u"Label20", literal::Blue, white);
    row("violet", u"Label21", literal::Violet, white);
    row("grey", u"Label22", literal::Grey, grey);
    row("white", u"Label23", literal::White, grey);
}

void tst_Bands::legendIsPaintedBeforeItIsShown()
{
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(QColor, swatch);
    QFETCH(QColor, text);

    MainWindow main;
    HELD(main.shown());
    // Widening only uncovers the legend; nothing paints it afresh.
    main.window->setWidth(9500);
    const QLabel *legend = main.control<QLabel>(qPrintable(label));
    QCOMPARE(legend->text(), caption);
    const QImage shown = main.window->grab().toImage();
    const QRect area(legend->mapTo(main.window.get(), QPoint()), legend->size());
    QVERIFY(main.window->rect().contains(area));
    QCOMPARE(shown.pixelColor(area.topLeft()), swatch);
    QCOMPARE(shown.pixelColor(area.bottomRight()), swatch);
    // The caption is written in its own colour, somewhere on the swatch.
    bool captionSeen = false;
    for (int y = area.top(); y <= area.bottom() && !captionSeen; ++y)
        for (int x = area.left(); x <= area.right() && !captionSeen; ++x)
            captionSeen = shown.pixelColor(x, y) == text;
    QVERIFY(captionSeen);
}

void tst_Bands::solvePaintsTheBands_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("multiplierAfter");
    QTest::addColumn<QList<CodeColour>>("bands");
    QTest::addColumn<QString>("readoutAfter");
    using C = CodeColour;
    const auto row = [](const char *typed, const char *option, const QString &after,
                         QList<CodeColour> bands, const QString &readout) {
        QTest::addRow("%s %s", typed, option)
            << QString::fromLatin1(typed) << QString::fromLatin1(option) << after << bands
            << readout;
    };
    row("47100", "Option3", u"100"_s, {C::ColorYellow, C::ColorViolet, C::ColorRed, C::ColorGold},
        u"4,7 КОм"_s);
    row("011", "Option1", u"1"_s, {C::ColorBlack, C::ColorBrown, C::ColorBlack, C::ColorBrown},
        u"1 Ом"_s);
    row("2310", "Option2", u"10"_s, {C::ColorRed, C::ColorOrange, C::ColorBrown, C::ColorRed},
        u"230 Ом"_s);
    row("452", "Option4", u"100"_s, {C::ColorYellow, C::ColorGreen, C::ColorRed, C::ColorSilver},
        u"4,5 КОм"_s);
    row("673", "Option5", u"1000"_s, {C::ColorBlue, C::ColorViolet, C::ColorOrange, C::ColorGreen},
        u"67 КОм"_s);
    row("894", "Option6", u"10000"_s, {C::ColorGrey, C::ColorWhite, C::ColorYellow, C::ColorBlue},
        u"890 КОм"_s);
    row("105", "Option7", u"100000"_s,
        {C::ColorBrown, C::ColorBlack, C::ColorGreen, C::ColorViolet}, u"1 МОм"_s);
    row("126", "Option8", u"1000000"_s, {C::ColorBrown, C::ColorRed, C::ColorBlue, C::ColorGrey},
        u"12 МОм"_s);
    row("337", "Option9", u"10000000"_s,
        {C::ColorOrange, C::ColorOrange, C::ColorViolet, C::ColorBody}, u"330 МОм"_s);
    row("558", "", u"100000000"_s, {C::ColorGreen, C::ColorGreen, C::ColorGrey, C::ColorBody},
        u"5,5 ГОм"_s);
    row("669", "Option3", u"1000000000"_s,
        {C::ColorBlue, C::ColorBlue, C::ColorWhite, C::ColorGold}, u"66 ГОм"_s);
    row("7711", "Option3", u"1000000000"_s,
        {C::ColorViolet, C::ColorViolet, C::ColorWhite, C::ColorGold}, u"77 ГОм"_s);
    row("990,1", "Option3", u"0,1"_s, {C::ColorWhite, C::ColorWhite, C::ColorGold, C::ColorGold},
        u"9,9 Ом"_s);
    row("990,01", "Option4", u"0,01"_s,
        {C::ColorWhite, C::ColorWhite, C::ColorSilver, C::ColorSilver}, u"0,99 Ом"_s);
}

void tst_Bands::solvePaintsTheBands()
{
    QFETCH(QString, typed);
    QFETCH(QString, option);
    QFETCH(QString, multiplierAfter);
    QFETCH(QList<CodeColour>, bands);
    QFETCH(QString, readoutAfter);
    MainWindow main;
    HELD(main.shown());
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
    QCOMPARE(main.readout(), readoutAfter);
}

void tst_Bands::bandsWithoutAColourKeepTheirs()
{
    MainWindow main;
    HELD(main.shown());
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

void tst_Bands::paintingNeverChangesTheTable()
{
    MainWindow main;
    HELD(main.shown());
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

void tst_Bands::bandsSayTheirColours_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("colours");
    QTest::newRow("4,7 КОм 5%") << u"47100"_s << u"Option3"_s
                                << QStringList {
                                       u"Желтый"_s, u"Фиолетовый"_s, u"Красный"_s, u"Золотой"_s};
    QTest::newRow("33 МОм 20%") << u"337"_s << u"Option9"_s
                                << QStringList {u"Оранжевый"_s, u"Оранжевый"_s, u"Фиолетовый"_s,
                                       u"Без цвета"_s};
}

void tst_Bands::bandsSayTheirColours()
{
    QFETCH(QString, typed);
    QFETCH(QString, option);
    QFETCH(QStringList, colours);
    const QString roles[] = {u"Полоса 1, первая цифра: "_s, u"Полоса 2, вторая цифра: "_s,
        u"Полоса 3, множитель: "_s, u"Полоса 4, допуск: "_s};
    const char *const bands[] = {"Shape1", "Shape2", "Shape3", "Shape4"};
    MainWindow main;
    HELD(main.shown());
    const auto says = [&](const QStringList &expected) {
        for (int band = 0; band < 4; ++band) {
            const QWidget *shape = main.control<QWidget>(bands[band]);
            QCOMPARE(shape->toolTip(), roles[band] + expected[band]);
            QCOMPARE(shape->accessibleName(), roles[band] + expected[band]);
        }
        QCOMPARE(main.control<QWidget>("Shape5")->accessibleName(),
            u"Резистор: "_s + expected.join(u", "_s));
    };
    const QStringList plain(4, u"Без цвета"_s);
    says(plain);

    MainWindow::type(typed);
    QTest::mouseClick(main.control<QRadioButton>(qPrintable(option)), Qt::LeftButton);
    main.tick();
    QTest::keyClick(main.window.get(), Qt::Key_F5);
    says(colours);

    QTest::mouseClick(main.control<QLabel>("Label4"), Qt::LeftButton);
    says(plain);
}

QTEST_MAIN(tst_Bands)
#include "tst_bands.moc"
