// The values the forms are written in, without a window: the number grammar of the entry
// fields, in the user's locale, and the fixed-point values the nominal is worked out in.
#include "formsvalues/numbers.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);
const QLocale English(QLocale::English, QLocale::UnitedStates);

} // namespace

class tst_FormsValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numberGrammar_data();
    void numberGrammar();
    void fixedPointFromText_data();
    void fixedPointFromText();
    void fixedPointArithmetic();
    void fixedPointText_data();
    void fixedPointText();
};

void tst_FormsValues::numberGrammar_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    // The value a numeric text reads as.
    QTest::addColumn<double>("value");
    const auto row
        = [](const char *name, const QLocale &locale, const QString &text, bool numeric,
              double value = 0) { QTest::newRow(name) << locale << text << numeric << value; };
    row("digit", Russian, u"5"_s, true, 5);
    row("multiplier", Russian, u"1000000000"_s, true, 1e9);
    row("leading zeros", Russian, u"0100"_s, true, 100);
    row("tenth", Russian, u"0,1"_s, true, 0.1);
    row("tenth with zero", Russian, u"0,10"_s, true, 0.1);
    row("comma fraction", Russian, u"0,01"_s, true, 0.01);
    row("trailing fraction", Russian, u"100,0"_s, true, 100);
    row("many zeros", Russian, u"0000000000000000000000000000001"_s, true, 1);
    row("comma ends", Russian, u"0,"_s, true, 0);
    row("comma leads", Russian, u",5"_s, true, 0.5);
    row("signs", Russian, u"-100"_s, true, -100);
    row("plus", Russian, u"+7"_s, true, 7);
    row("blanks around", Russian, u" \t1,5 "_s, true, 1.5);
    row("exponent", Russian, u"1e10"_s, true, 1e10);
    row("capital exponent", Russian, u"1E9"_s, true, 1e9);
    row("exponent with sign", Russian, u"2,5E-3"_s, true, 0.0025);
    row("underflow reads as zero", Russian, u"1e-400"_s, true, 0);
    row("largest double", Russian, u"1,7976931348623157e308"_s, true, 1.7976931348623157e308);
    row("empty", Russian, QString(), false);
    row("only blanks", Russian, u"   "_s, false);
    row("lone comma", Russian, u","_s, false);
    row("lone sign", Russian, u"-"_s, false);
    row("sign and comma", Russian, u"+,"_s, false);
    row("point in Russian", Russian, u"1.5"_s, false);
    row("two commas", Russian, u"1,2,3"_s, false);
    row("exponent without digits", Russian, u"1e"_s, false);
    row("exponent sign without digits", Russian, u"1e+"_s, false);
    row("exponent alone", Russian, u"e5"_s, false);
    row("fraction in exponent", Russian, u"1e2,5"_s, false);
    row("blank after sign", Russian, u"- 5"_s, false);
    row("two signs", Russian, u"+-5"_s, false);
    row("letter", Russian, u"a"_s, false);
    row("trailing letter", Russian, u"5a"_s, false);
    row("grouping blank", Russian, u"1 000"_s, false);
    row("grouping no-break space", Russian, u"1\u00a0000"_s, false);
    row("currency", Russian, u"5р"_s, false);
    row("dollar", Russian, u"$5"_s, false);
    row("hexadecimal", Russian, u"&H10"_s, false);
    row("hexadecimal C", Russian, u"0x10"_s, false);
    row("parentheses", Russian, u"(5)"_s, false);
    row("Arabic-Indic digit", Russian, u"\u0665"_s, false);
    row("fullwidth digit", Russian, u"\uff15"_s, false);
    row("overflow", Russian, u"1e309"_s, false);
    row("huge exponent", Russian, u"1e99999999999999999999"_s, false);
    row("infinity", Russian, u"inf"_s, false);
    row("point in English", English, u"1.5"_s, true, 1.5);
    row("point leads in English", English, u".5"_s, true, 0.5);
    row("comma in English", English, u"1,5"_s, false);
    row("grouping in English", English, u"1,000"_s, false);
}

void tst_FormsValues::numberGrammar()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    QCOMPARE(forms::IsNumeric(text, locale), numeric);
    // Exact: the double nearest to the decimal.
    if (numeric)
        QVERIFY2(forms::TextToDouble(text, locale) == value, qPrintable(text));
}

void tst_FormsValues::fixedPointFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inRange");
    QTest::addColumn<qint64>("tenThousandths");
    QTest::newRow("digits") << u"47"_s << true << qint64(470000);
    QTest::newRow("fraction") << u"0,5"_s << true << qint64(5000);
    QTest::newRow("half to even, down") << u"1,00005"_s << true << qint64(10000);
    QTest::newRow("half to even, up") << u"1,00015"_s << true << qint64(10002);
    QTest::newRow("more than half") << u"1,000051"_s << true << qint64(10001);
    QTest::newRow("below the last place") << u"1e-9"_s << true << qint64(0);
    QTest::newRow("exponent") << u"4,7e2"_s << true << qint64(4700000);
    QTest::newRow("largest") << u"922337203685477,5807"_s << true
                             << std::numeric_limits<qint64>::max();
    QTest::newRow("smallest") << u"-922337203685477,5808"_s << true
                              << std::numeric_limits<qint64>::min();
    QTest::newRow("just too large") << u"922337203685477,5808"_s << false << qint64(0);
    QTest::newRow("far too large") << u"1e15"_s << false << qint64(0);
    QTest::newRow("not a number") << u"4x"_s << false << qint64(0);
}

void tst_FormsValues::fixedPointFromText()
{
    QFETCH(QString, text);
    QFETCH(bool, inRange);
    QFETCH(qint64, tenThousandths);
    const auto value = forms::FixedPoint::fromText(text, Russian);
    QCOMPARE(value.has_value(), inRange);
    if (inRange)
        QCOMPARE(value->tenThousandths(), tenThousandths);
}

void tst_FormsValues::fixedPointArithmetic()
{
    using forms::FixedPoint;
    QCOMPARE(FixedPoint(470000).times(10), FixedPoint(4700000));
    QCOMPARE(FixedPoint(-3).times(-32768), FixedPoint(98304));
    const FixedPoint largest(std::numeric_limits<qint64>::max());
    const FixedPoint smallest(std::numeric_limits<qint64>::min());
    // Out of range is reported, never wrapped.
    QVERIFY(!largest.times(2));
    QVERIFY(!smallest.times(-1));
    QVERIFY(!FixedPoint::fromDouble(1e300));
    QVERIFY(!FixedPoint::fromDouble(std::numeric_limits<double>::infinity()));
    QVERIFY(!FixedPoint::fromDouble(std::nan("")));
    QCOMPARE(FixedPoint::fromDouble(4.7), FixedPoint(47000));
    QCOMPARE(FixedPoint::fromDouble(-0.12345678), FixedPoint(-1235));
    QCOMPARE(FixedPoint(5).toDouble(), 0.0005);
    // Tenths and hundredths of every two-digit value come out exact.
    for (int b = 0; b <= 99; ++b) {
        const FixedPoint value(b * FixedPoint::Scale);
        QCOMPARE(FixedPoint::fromDouble(value.toDouble() * 0.1), FixedPoint(b * 1000));
        QCOMPARE(FixedPoint::fromDouble(value.toDouble() * 0.01), FixedPoint(b * 100));
    }
}

void tst_FormsValues::fixedPointText_data()
{
    QTest::addColumn<qint64>("tenThousandths");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << Russian << u"0"_s;
    QTest::newRow("whole") << qint64(4700000) << Russian << u"470"_s;
    QTest::newRow("no trailing zeros") << qint64(47000) << Russian << u"4,7"_s;
    QTest::newRow("leading zero") << qint64(200) << Russian << u"0,02"_s;
    QTest::newRow("four places") << qint64(1) << Russian << u"0,0001"_s;
    QTest::newRow("negative") << qint64(-5000) << Russian << u"-0,5"_s;
    QTest::newRow("no grouping") << qint64(10000000000000) << Russian << u"1000000000"_s;
    QTest::newRow("smallest") << std::numeric_limits<qint64>::min() << Russian
                              << u"-922337203685477,5808"_s;
    QTest::newRow("English") << qint64(47000) << English << u"4.7"_s;
}

void tst_FormsValues::fixedPointText()
{
    QFETCH(qint64, tenThousandths);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    const forms::FixedPoint value(tenThousandths);
    QCOMPARE(value.toText(locale), text);
    QCOMPARE(forms::FixedPoint::fromText(text, locale), value);
}
QTEST_GUILESS_MAIN(tst_FormsValues)
#include "tst_formsvalues.moc"
