// The three entry fields and the readout of the nominal they give.
#include "forms/application.h"
#include "support/mainwindow.h"

#include <QGroupBox>
#include <QMimeData>

using namespace Qt::StringLiterals;

class tst_Entry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { forms::prepareApplication(); }

    void typingFillsTheThreeFieldsInOneRun();
    void nonNumericEditsAreUndone_data();
    void nonNumericEditsAreUndone();
    void dropsAreKeptWholeOrRefused_data();
    void dropsAreKeptWholeOrRefused();
    void emptiedFieldRemembersItsLastNumber();
    void everyKeyHandsTheFocusOn();
    void multiplierPassesThroughEachPrefix();
    void enterInTheMultiplierDoesNothing();
    void readoutStaysCentred();
    void typingOverASelectedDigitReplacesIt();
    void aLocaleThatWritesAPoint();
    void readoutTimerRunsOnlyWhileTheReadoutCanChange();
};

void tst_Entry::typingFillsTheThreeFieldsInOneRun()
{
    MainWindow main;
    HELD(main.shown());
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
    HELD(main.shown());
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

void tst_Entry::dropsAreKeptWholeOrRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Qt::DropAction>("reported");
    QTest::addColumn<QString>("after");
    // The source proposes a move with Shift held, a copy with Control.
    const Qt::KeyboardModifiers move = Qt::ShiftModifier;
    const Qt::KeyboardModifiers copy = Qt::ControlModifier;
    QTest::newRow("letters on the first digit")
        << u"Text13"_s << QString() << u"abc"_s << move << Qt::IgnoreAction << QString();
    QTest::newRow("a point on the first digit")
        << u"Text13"_s << QString() << u"1.5"_s << move << Qt::IgnoreAction << QString();
    QTest::newRow("two digits on the empty first digit")
        << u"Text13"_s << QString() << u"12"_s << move << Qt::IgnoreAction << QString();
    QTest::newRow("a digit on the full first digit")
        << u"Text13"_s << u"4"_s << u"2"_s << move << Qt::IgnoreAction << u"4"_s;
    QTest::newRow("a digit moved to the first digit")
        << u"Text13"_s << QString() << u"5"_s << move << Qt::MoveAction << u"5"_s;
    QTest::newRow("a digit copied to the second digit")
        << u"Text14"_s << QString() << u"7"_s << copy << Qt::CopyAction << u"7"_s;
    QTest::newRow("letters on the second digit")
        << u"Text14"_s << QString() << u"x"_s << copy << Qt::IgnoreAction << QString();
    QTest::newRow("a letter on the multiplier")
        << u"Text15"_s << u"100"_s << u"x"_s << move << Qt::IgnoreAction << u"100"_s;
    QTest::newRow("a fraction moved to the multiplier")
        << u"Text15"_s << QString() << u"0,01"_s << move << Qt::MoveAction << u"0,01"_s;
    QTest::newRow("eleven digits on the multiplier")
        << u"Text15"_s << QString() << u"10000000000"_s << move << Qt::IgnoreAction << QString();
}

void tst_Entry::dropsAreKeptWholeOrRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, dropped);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Qt::DropAction, reported);
    QFETCH(QString, after);
    MainWindow main;
    HELD(main.shown());
    QLineEdit *target = main.field(qPrintable(field));
    target->setText(before);

    // Another program offers the text to copy or to move; what the field reports back decides
    // whether that program deletes its text.
    QMimeData offered;
    offered.setText(dropped);
    const QPointF at = QRectF(target->rect()).center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    // Refused while it is dragged already, which is what a source of this toolkit goes by.
    QDragEnterEvent enter(at.toPoint(), actions, &offered, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &enter);
    QCOMPARE(enter.isAccepted(), reported != Qt::IgnoreAction);
    QDropEvent drop(at, actions, &offered, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &drop);
    QCOMPARE(drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction, reported);
    QCOMPARE(target->text(), after);
}

void tst_Entry::emptiedFieldRemembersItsLastNumber()
{
    MainWindow main;
    HELD(main.shown());
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
    HELD(main.shown());
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
    HELD(main.shown());
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
    HELD(main.shown());
    MainWindow::type(u"47100"_s);
    main.tick();
    QTest::keyClick(main.field("Text15"), Qt::Key_Return);
    QTest::keyClick(main.field("Text15"), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), main.field("Text15"));
    QCOMPARE(main.field("Text15")->text(), u"100"_s);
    QCOMPARE(main.window->Width(), 7500.0f);
    QVERIFY(main.session.boxes.isEmpty());
}

void tst_Entry::readoutStaysCentred()
{
    MainWindow main;
    HELD(main.shown());
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

void tst_Entry::typingOverASelectedDigitReplacesIt()
{
    MainWindow main;
    HELD(main.shown());
    QLineEdit *first = main.field("Text13");
    QLineEdit *second = main.field("Text14");
    QLineEdit *multiplier = main.field("Text15");
    MainWindow::type(u"47"_s);
    QCOMPARE(QApplication::focusWidget(), multiplier);

    // Shift+Tab selects the digit; the next one typed replaces it and the focus moves on.
    QTest::keyClick(multiplier, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), second);
    QCOMPARE(second->selectedText(), u"7"_s);
    MainWindow::type(u"8"_s);
    QCOMPARE(second->text(), u"8"_s);
    QCOMPARE(QApplication::focusWidget(), multiplier);

    // A double click selects it as well.
    QTest::mouseDClick(first, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), first);
    QCOMPARE(first->selectedText(), u"4"_s);
    MainWindow::type(u"5"_s);
    QCOMPARE(first->text(), u"5"_s);
    QCOMPARE(QApplication::focusWidget(), second);

    // A rejected key over a selection leaves the digit as it was; Backspace deletes it.
    QTest::mouseDClick(first, Qt::LeftButton);
    MainWindow::type(u"x"_s);
    QCOMPARE(first->text(), u"5"_s);
    QTest::mouseDClick(second, Qt::LeftButton);
    QTest::keyClick(second, Qt::Key_Backspace);
    QCOMPARE(second->text(), QString());
    QCOMPARE(QApplication::focusWidget(), multiplier);
}

void tst_Entry::aLocaleThatWritesAPoint()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    MainWindow main;
    HELD(main.shown());
    QLineEdit *multiplier = main.field("Text15");
    MainWindow::type(u"47"_s);

    // A comma is no separator here: it is undone, and "0,1" becomes "01".
    MainWindow::type(u"0,1"_s);
    QCOMPARE(multiplier->text(), u"01"_s);
    multiplier->clear();
    MainWindow::type(u"0.10"_s);
    QCOMPARE(multiplier->text(), u"0.10"_s);
    main.tick();
    QCOMPARE(main.readout(), u"4.7 Ом"_s);
    QTest::keyClick(main.window.get(), Qt::Key_F5);
    QCOMPARE(multiplier->text(), u"0.1"_s);
    QCOMPARE(main.shownColour("Shape3"), QColor(221, 193, 2));

    multiplier->setText(u"0.010"_s);
    main.tick();
    QCOMPARE(main.readout(), u"0.47 Ом"_s);
    QTest::keyClick(main.window.get(), Qt::Key_F5);
    QCOMPARE(multiplier->text(), u"0.01"_s);
    QCOMPARE(main.shownColour("Shape3"), QColor(214, 243, 248));
}

void tst_Entry::readoutTimerRunsOnlyWhileTheReadoutCanChange()
{
    MainWindow main;
    HELD(main.shown());
    const QTimer *timer = main.control<QTimer>("Timer1");
    QCOMPARE(timer->interval(), 10);
    // The start-up tick replaces the design caption, and then the timer rests.
    QTRY_VERIFY(!timer->isActive());
    QCOMPARE(main.readout(), u"Нет данных"_s);

    // A run of changes wakes it once; it fires within one interval of the first change, not
    // of the last, and rests again.
    MainWindow::type(u"4"_s);
    QVERIFY(timer->isActive());
    const int remaining = timer->remainingTime();
    MainWindow::type(u"7100"_s);
    QVERIFY(timer->remainingTime() <= remaining);
    QTRY_COMPARE(main.readout(), u"4,7 КОм"_s);
    QVERIFY(!timer->isActive());

    // A rejected key changes the text twice (the edit, then the undoing of it): the timer
    // wakes and finds the readout as it was.
    QTest::keyClick(main.field("Text15"), Qt::Key_X);
    QCOMPARE(main.field("Text15")->text(), u"100"_s);
    QTRY_VERIFY(!timer->isActive());
    QCOMPARE(main.readout(), u"4,7 КОм"_s);

    // An assignment by the program wakes it as typing does.
    main.field("Text14")->setText(QString());
    QVERIFY(timer->isActive());
    QTRY_COMPARE(main.readout(), u"Нет данных"_s);
    QVERIFY(!timer->isActive());
}

QTEST_MAIN(tst_Entry)
#include "tst_entry.moc"
