#include "entry/nominal.h"
#include "forms/application.h"
#include "support/mainwindow.h"

#include <QGroupBox>

using namespace Qt::StringLiterals;

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);
const QLocale English(QLocale::English, QLocale::UnitedStates);
// The caption a row expects where the readout keeps what it shows.
const QString Unchanged = u"—"_s;

} // namespace

class tst_Entry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { forms::prepareApplication(); }

    void readout_data();
    void readout();

    void typingFillsTheThreeFieldsInOneRun();
    void nonNumericEditsAreUndone_data();
    void nonNumericEditsAreUndone();
    void emptiedFieldRemembersItsLastNumber();
    void everyKeyHandsTheFocusOn();
    void multiplierPassesThroughEachPrefix();
    void enterInTheMultiplierDoesNothing();
    void readoutStaysCentred();
};

void tst_Entry::readout_data()
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
    // Every row of the worked examples.
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
    row(Russian, u"4"_s, u"7"_s, u"2"_s, u"470 Ом"_s);
    row(Russian, u"4"_s, u"7"_s, u"3"_s, u"4,7 КОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"9"_s, u"4,7 ГОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"25"_s, u"47 ГОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"0100"_s, u"4,7 КОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"0"_s, Unchanged);
    row(Russian, u"4"_s, u"7"_s, u"0,5"_s, Unchanged);
    row(Russian, u"4"_s, u"7"_s, u"-100"_s, Unchanged);
    row(Russian, QString(), u"7"_s, u"100"_s, entry::NoData);
    row(Russian, u"4"_s, u"7"_s, QString(), entry::NoData);
    // Catch-all and near misses.
    row(Russian, u"4"_s, QString(), u"100"_s, entry::NoData);
    row(Russian, u"4"_s, u"7"_s, u"1001"_s, u"47 ГОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"1e10"_s, u"47 ГОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"100,0"_s, u"4,7 КОм"_s);
    row(Russian, u"4"_s, u"7"_s, u"1,5"_s, Unchanged);
    row(Russian, u"4"_s, u"7"_s, u"0,001"_s, Unchanged);
    row(Russian, u"4"_s, u"7"_s, u"2,5"_s, Unchanged);
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

void tst_Entry::readout()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, multiplier);
    QFETCH(QString, caption);
    const auto result = entry::ComputeNominal(first, second, multiplier, locale);
    QCOMPARE(result.value_or(Unchanged), caption);
}

void tst_Entry::typingFillsTheThreeFieldsInOneRun()
{
    MainWindow main;
    MainWindow::type(u"47100"_s);
    QCOMPARE(main.field("Text13")->text(), u"4"_s);
    QCOMPARE(main.field("Text14")->text(), u"7"_s);
    QCOMPARE(main.field("Text15")->text(), u"100"_s);
    QCOMPARE(QApplication::focusWidget(), main.field("Text15"));
    // The running timer brings the readout along.
    QTRY_COMPARE(main.readout(), u"4,7 КОм"_s);
}

void tst_Entry::nonNumericEditsAreUndone_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("letter") << u"100a"_s << u"100"_s;
    QTest::newRow("point in Russian") << u"1.5"_s << u"15"_s;
    QTest::newRow("comma") << u"0,1"_s << u"0,1"_s;
    QTest::newRow("second comma") << u"0,0,1"_s << u"0,01"_s;
    QTest::newRow("lone sign") << u"-"_s << QString();
    QTest::newRow("sign then digits") << u"-5"_s << u"5"_s;
    QTest::newRow("exponent letter") << u"1e5"_s << u"15"_s;
    QTest::newRow("blank first") << u" 5"_s << u"5"_s;
}

void tst_Entry::nonNumericEditsAreUndone()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    MainWindow main;
    QLineEdit *multiplier = main.field("Text15");
    multiplier->setFocus();
    QTest::keyClicks(multiplier, typed);
    QCOMPARE(multiplier->text(), kept);
    // Pasting is an edit like any other.
    for (const QString &pasted : {u"abc"_s, u"\u0665"_s, u"1\u00a0000"_s}) {
        multiplier->selectAll();
        multiplier->insert(pasted);
        QCOMPARE(multiplier->text(), kept);
    }
}

void tst_Entry::emptiedFieldRemembersItsLastNumber()
{
    MainWindow main;
    QLineEdit *first = main.field("Text13");
    QTest::keyClick(first, Qt::Key_4);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Backspace);
    QCOMPARE(first->text(), QString());
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Z);
    QCOMPARE(first->text(), u"4"_s);
    // An empty field whose memory is empty stays empty.
    QLineEdit *second = main.field("Text14");
    second->setFocus();
    QTest::keyClick(second, Qt::Key_Z);
    QCOMPARE(second->text(), QString());
    // Emptied by the program, the same.
    first->setText(QString());
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Z);
    QCOMPARE(first->text(), u"4"_s);
}

void tst_Entry::everyKeyHandsTheFocusOn()
{
    MainWindow main;
    QLineEdit *first = main.field("Text13");
    QLineEdit *second = main.field("Text14");
    QLineEdit *multiplier = main.field("Text15");

    // A rejected letter still moves the focus.
    QTest::keyClick(first, Qt::Key_Q);
    QCOMPARE(first->text(), QString());
    QCOMPARE(QApplication::focusWidget(), second);

    // A digit into a full field changes nothing there, yet moves the focus.
    first->setText(u"3"_s);
    first->setFocus();
    first->end(false);
    QTest::keyClick(first, Qt::Key_5);
    QCOMPARE(first->text(), u"3"_s);
    QCOMPARE(QApplication::focusWidget(), second);

    // Backspace deletes in its own field and moves on.
    second->setText(u"8"_s);
    second->end(false);
    QTest::keyClick(second, Qt::Key_Backspace);
    QCOMPARE(second->text(), QString());
    QCOMPARE(QApplication::focusWidget(), multiplier);

    // Escape too; the multiplier keeps the focus whatever is typed.
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), second);
    multiplier->setFocus();
    MainWindow::type(u"12x"_s);
    QCOMPARE(QApplication::focusWidget(), multiplier);
}

void tst_Entry::multiplierPassesThroughEachPrefix()
{
    MainWindow main;
    MainWindow::type(u"47"_s);
    const struct
    {
        Qt::Key key;
        QString text;
        QString readout;
    } steps[] = {
        {Qt::Key_1, u"1"_s, u"47 Ом"_s},
        {Qt::Key_0, u"10"_s, u"470 Ом"_s},
        {Qt::Key_0, u"100"_s, u"4,7 КОм"_s},
        // "100," is 100; "100,5" is no power of ten but 10 or more, the catch-all.
        {Qt::Key_Comma, u"100,"_s, u"4,7 КОм"_s},
        {Qt::Key_5, u"100,5"_s, u"47 ГОм"_s},
        {Qt::Key_Backspace, u"100,"_s, u"4,7 КОм"_s},
        {Qt::Key_Backspace, u"100"_s, u"4,7 КОм"_s},
        {Qt::Key_Backspace, u"10"_s, u"470 Ом"_s},
        {Qt::Key_Backspace, u"1"_s, u"47 Ом"_s},
        {Qt::Key_Backspace, QString(), u"Нет данных"_s},
    };
    for (const auto &step : steps) {
        QTest::keyClick(main.field("Text15"), step.key);
        QCOMPARE(main.field("Text15")->text(), step.text);
        main.tick();
        QCOMPARE(main.readout(), step.readout);
    }
}

void tst_Entry::enterInTheMultiplierDoesNothing()
{
    MainWindow main;
    MainWindow::type(u"47100"_s);
    main.tick();
    QTest::keyClick(main.field("Text15"), Qt::Key_Return);
    QTest::keyClick(main.field("Text15"), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), main.field("Text15"));
    QCOMPARE(main.field("Text15")->text(), u"100"_s);
    QCOMPARE(main.window->Width(), 7500.0f);
    QVERIFY(main.runtime.boxes.isEmpty());
}

void tst_Entry::readoutStaysCentred()
{
    MainWindow main;
    const QGroupBox *frame = main.control<QGroupBox>("Frame1");
    const QLabel *label = main.control<QLabel>("Label1");
    for (const char *typed : {"", "47", "4710", "47100000000"}) {
        main.window->Label4_Click();
        MainWindow::type(QString::fromLatin1(typed));
        main.tick();
        QVERIFY(std::abs(label->geometry().center().x() - frame->width() / 2) <= 1);
        QVERIFY(frame->rect().contains(label->geometry()));
    }
}

QTEST_MAIN(tst_Entry)
#include "tst_entry.moc"
