// The window that reads a chip's marking, opened from the main window with F7 and used as a
// person does. The expected answers are typed from the makers' marking documents and worked
// out by hand; the worked part's answer is the one the reading window's tests share.
#include "forms/application.h"
#include "readingwindow/readingwindow.h"
#include "smdwindow/smdwindow.h"
#include "support/announcements.h"
#include "support/mainwindow.h"
#include "support/workedpart.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>

using namespace Qt::StringLiterals;

namespace {

// The SMD window opened with F7, active, the focus in its marking field.
struct OpenedSmdWindow : OpenedBy<SmdWindow>
{
    [[nodiscard]] bool opened() { return OpenedBy::opened(Qt::Key_F7, u"marking"_s); }
    QStringList answer() const { return control<QLabel>(u"answer"_s)->text().split(u'\n'); }
    QString answerName() const
    {
        return QAccessible::queryAccessibleInterface(control(u"answer"_s))->text(QAccessible::Name);
    }
};

} // namespace

class tst_SmdWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { forms::prepareApplication(); }
    void cleanup() { QTest::qWait(0); }

    void readsAMarkingAsTyped();
    void opensTheBandsInTheReadingWindow();
    void writesANominalAndCopies();
};

// A marking typed on a Russian keyboard is read, its answer named and announced; a code that
// is none is refused and stays as typed; the bar changes the typical tolerance; Escape closes
// the window, and at rest nothing in it runs.
void tst_SmdWindow::readsAMarkingAsTyped()
{
    OpenedSmdWindow smd;
    HELD(smd.opened());
    QVERIFY(smd.window->findChildren<QTimer *>().isEmpty());
    Announcements heard;
    smd.typeInto(u"marking"_s, u"4р7"_s);
    QCOMPARE(smd.answer().first(), u"Номинал: 4,7 Ом — R — десятичная запятая"_s);
    QCOMPARE(smd.answerName(), smd.answer().join(u' '));
    QTRY_VERIFY(heard.texts().contains(smd.answerName()));

    smd.typeInto(u"marking"_s, u"4R7R"_s);
    QCOMPARE(
        smd.answer(), QStringList {u"В маркировке бывает лишь одна буква, а здесь их 2: R, R."_s});
    QCOMPARE(smd.control<QLineEdit>(u"marking"_s)->text(), u"4R7R"_s);

    smd.typeInto(u"marking"_s, u"472"_s);
    QVERIFY(
        smd.answer().contains(u"Допуск, обычный для такого кода, ±5 %: от 4,465 до 4,935 КОм"_s));
    QTest::mouseClick(smd.control(u"underlined"_s), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(
        smd.answer().contains(u"Допуск, обычный для такого кода, ±1 %: от 4,653 до 4,747 КОм"_s));

    QTest::keyClick(smd.window.data(), Qt::Key_Escape);
    QTRY_VERIFY(!smd.window);
}

// "472" is the worked part: its bands, put on in the reading window, give that window's answer;
// a nominal's bands are put on the same way.
void tst_SmdWindow::opensTheBandsInTheReadingWindow()
{
    OpenedSmdWindow smd;
    HELD(smd.opened());
    smd.typeInto(u"marking"_s, u"472"_s);
    QTest::mouseClick(smd.control(u"bands"_s), Qt::LeftButton);
    QPointer<ReadingWindow> reading;
    QVERIFY(QTest::qWaitFor([&reading] {
        reading = qobject_cast<ReadingWindow *>(QApplication::activeWindow());
        return reading != nullptr;
    }));
    QCOMPARE(
        reading->findChild<QLabel *>(u"answer"_s)->text(), QString::fromUtf16(workedpart::Answer));
    // A nominal asked for: its five bands at ±1 %, in the same window.
    smd.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(smd.window.data()));
    smd.typeInto(u"nominal"_s, u"1,27к"_s);
    QTest::mouseClick(smd.control(u"bands"_s), Qt::LeftButton);
    QTRY_COMPARE(QApplication::activeWindow(), reading.data());
    QVERIFY(reading->findChild<QLabel *>(u"answer"_s)
                ->text()
                .startsWith(u"Номинал: 1,27 КОм\nДопуск ±1 %"_s));
}

// A nominal typed is written in every marking that carries it, and why not in the others; the
// field keeps to what a nominal is written with; the answer is copied with what it answers.
void tst_SmdWindow::writesANominalAndCopies()
{
    OpenedSmdWindow smd;
    HELD(smd.opened());
    smd.typeInto(u"nominal"_s, u"1,27к"_s);
    QCOMPARE(smd.answer().mid(0, 3),
        (QStringList {u"Маркировки номинала 1,27 КОм:"_s,
            u"1271 — четырёхзначный код, обычно ±1 %"_s, u"11B — EIA-96, обычно ±1 %"_s}));
    typeText(smd.control(u"nominal"_s), u"ж"_s);
    QCOMPARE(smd.control<QLineEdit>(u"nominal"_s)->text(), u"1,27к"_s);
    QVERIFY(!smd.control<QLabel>(u"message"_s)->text().isEmpty());

    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    Announcements heard;
    QTest::mouseClick(smd.control(u"copy"_s), Qt::LeftButton);
    QCOMPARE(clipboard->text().split(u'\n').mid(0, 2),
        (QStringList {u"Номинал: 1,27к"_s, u"Маркировки номинала 1,27 КОм:"_s}));
    QTRY_VERIFY(heard.texts().contains(u"Ответ скопирован."_s));
}

QTEST_MAIN(tst_SmdWindow)
#include "tst_smdwindow.moc"
