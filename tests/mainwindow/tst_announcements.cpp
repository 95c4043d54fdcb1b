// What the window tells a screen reader where the focus is not: the settled readout, the answer,
// the clearing and the two toggles.
#include "forms/application.h"
#include "support/announcements.h"
#include "support/mainwindow.h"

using namespace Qt::StringLiterals;

class tst_Announcements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { forms::prepareApplication(); }

    void readoutIsSpokenOnceTheTypingSettles();
    void solveAndClearSpeakTheirResult();
    void togglesSayWhatTheyDid_data();
    void togglesSayWhatTheyDid();
};

void tst_Announcements::readoutIsSpokenOnceTheTypingSettles()
{
    Announcements heard;
    MainWindow main;
    HELD(main.shown());
    QTRY_COMPARE(main.readout(), u"Нет данных"_s);
    QTRY_VERIFY(atRest(*main.window));
    QCOMPARE(heard.texts(), QStringList());

    // Typed at a normal pace, a key every 150 ms: nothing is said while the keys come, though
    // the readout goes through 47 Ом and 470 Ом.
    for (const QChar key : u"47100"_s) {
        MainWindow::type(QString(key));
        QTest::qWait(150);
        QCOMPARE(heard.texts(), QStringList());
    }
    // Half a second after the last key, the readout once, and then rest.
    QTRY_COMPARE(heard.texts(), QStringList {u"4,7 КОм"_s});
    QTRY_VERIFY(atRest(*main.window));
    QTest::qWait(600);
    QCOMPARE(heard.texts(), QStringList {u"4,7 КОм"_s});
    heard.clear();

    // A rejected key leaves the readout as it was: nothing new to say.
    MainWindow::type(u"x"_s);
    QTest::qWait(700);
    QCOMPARE(heard.texts(), QStringList());
    // Each settled change is said once; so is a field emptied.
    QTest::keyClick(main.field("Text15"), Qt::Key_Backspace);
    QTRY_COMPARE(heard.texts(), QStringList {u"470 Ом"_s});
    main.field("Text13")->clear();
    QTRY_COMPARE(heard.texts(), (QStringList {u"470 Ом"_s, u"Нет данных"_s}));
    // The focus stayed where the user left it.
    QCOMPARE(QApplication::focusWidget(), main.field("Text15"));
}

void tst_Announcements::solveAndClearSpeakTheirResult()
{
    Announcements heard;
    MainWindow main;
    HELD(main.shown());
    MainWindow::type(u"472"_s);
    QTest::mouseClick(main.control<QRadioButton>("Option3"), Qt::LeftButton);
    QTRY_COMPARE(heard.texts(), QStringList {u"470 Ом"_s});
    heard.clear();
    QWidget *focused = QApplication::focusWidget();

    // The answer in the legend's words, once, where the focus is not; the legend opened on the
    // way is not mentioned.
    QTest::keyClick(main.window.get(), Qt::Key_F5);
    QCOMPARE(heard.texts(), QStringList());
    const QString answer = u"Резистор: Желтый, Фиолетовый, Красный, Золотой"_s;
    QTRY_COMPARE(heard.texts(), QStringList {answer});
    // The multiplier written out turns the readout into 4,7 КОм: the answer has told it.
    QTRY_COMPARE(main.readout(), u"4,7 КОм"_s);
    QTest::qWait(700);
    QCOMPARE(heard.texts(), QStringList {answer});
    QCOMPARE(QApplication::focusWidget(), focused);
    QCOMPARE(QApplication::activeWindow(), main.window.get());

    // Again with the legend shown: the answer again, and nothing else.
    QTest::keyClick(main.window.get(), Qt::Key_F5);
    QTRY_COMPARE(heard.texts(), (QStringList {answer, answer}));
    heard.clear();

    // Очистить says so, and not the readout's "Нет данных" that follows.
    QTest::mouseClick(main.control<QLabel>("Label4"), Qt::LeftButton);
    QTRY_COMPARE(heard.texts(), QStringList {u"Поля и полосы очищены"_s});
    QTRY_COMPARE(main.readout(), u"Нет данных"_s);
    QTest::qWait(700);
    QCOMPARE(heard.texts(), QStringList {u"Поля и полосы очищены"_s});
    heard.clear();

    // Solving without data has its message box, which a screen reader reads as it opens.
    QTest::keyClick(main.window.get(), Qt::Key_F5);
    QTest::qWait(700);
    QCOMPARE(main.session.boxes.size(), 1);
    QCOMPARE(heard.texts(), QStringList());
    QVERIFY(atRest(*main.window));
}

void tst_Announcements::togglesSayWhatTheyDid_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("F4 from 1") << 1 << Qt::Key_F4 << u"Легенда показана"_s;
    QTest::newRow("F4 from 2") << 2 << Qt::Key_F4 << u"Легенда скрыта"_s;
    QTest::newRow("F4 from 3") << 3 << Qt::Key_F4 << u"Легенда скрыта"_s;
    QTest::newRow("F4 from 4") << 4 << Qt::Key_F4 << u"Легенда показана"_s;
    QTest::newRow("F3 from 1") << 1 << Qt::Key_F3 << u"Окно развернуто"_s;
    QTest::newRow("F3 from 2") << 2 << Qt::Key_F3 << u"Окно развернуто"_s;
    QTest::newRow("F3 from 3") << 3 << Qt::Key_F3 << u"Окно свернуто"_s;
    QTest::newRow("F3 from 4") << 4 << Qt::Key_F3 << u"Окно свернуто"_s;
}

void tst_Announcements::togglesSayWhatTheyDid()
{
    QFETCH(int, state);
    QFETCH(Qt::Key, key);
    QFETCH(QString, spoken);
    Announcements heard;
    MainWindow main;
    HELD(main.shown());
    enterState(*main.window, state);
    QTest::qWait(0);
    heard.clear();
    QTest::keyClick(main.window.get(), key);
    QTRY_COMPARE(heard.texts(), QStringList {spoken});
    QTest::qWait(20);
    QCOMPARE(heard.texts(), QStringList {spoken});
    QCOMPARE(QApplication::focusWidget(), main.field("Text13"));
}

QTEST_MAIN(tst_Announcements)
#include "tst_announcements.moc"
