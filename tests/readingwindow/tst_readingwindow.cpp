// The window that reads a part's colours, opened from the main window and used by keyboard and
// mouse as a person does. The expected answers are worked out by hand from IEC 60062 and
// IEC 60063; the colours are the test's own literals.
#include "forms/application.h"
#include "forms/swatchlist.h"
#include "readingwindow/readingwindow.h"
#include "support/announcements.h"
#include "support/literals.h"
#include "support/mainwindow.h"
#include "support/workedpart.h"

#include <QAccessible>
#include <QClipboard>

using namespace Qt::StringLiterals;

namespace {

// The reading window opened with F6, active, the focus on its first band.
struct OpenedWindow : OpenedBy<ReadingWindow>
{
    [[nodiscard]] bool opened() { return OpenedBy::opened(Qt::Key_F6, u"band1"_s); }
    QString answer() const { return control<QLabel>(u"answer"_s)->text(); }
    QString message() const { return control<QLabel>(u"message"_s)->text(); }
    QString nameOf(const QString &name) const
    {
        return QAccessible::queryAccessibleInterface(control(name))->text(QAccessible::Name);
    }
    // A band's list as a screen reader reads it: its name, and its selected item's, "Полоса 4,
    // множитель: Красный, ×100".
    QString band(int number) const
    {
        QAccessibleInterface *list
            = QAccessible::queryAccessibleInterface(control(u"band"_s + QString::number(number)));
        QString chosen = u"не выбран"_s;
        for (int index = 0; index < list->childCount(); ++index) {
            if (list->child(index)->state().selected)
                chosen = list->child(index)->text(QAccessible::Name);
        }
        return list->text(QAccessible::Name) + u": "_s + chosen;
    }
    void keys(const QList<int> &keys) const
    {
        for (const int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    }
    // The worked part, by the keys that pick it on four bands from the first.
    void pickWorkedPart() const
    {
        control(u"band1"_s)->setFocus();
        keys({Qt::Key_4, Qt::Key_Tab, Qt::Key_7, Qt::Key_Tab, Qt::Key_2, Qt::Key_Tab, Qt::Key_Right,
            Qt::Key_Right});
    }
    void chooseCount(const QString &option) const
    {
        QTest::mouseClick(control(option), Qt::LeftButton);
    }
    void typeNominal(const QString &text) const
    {
        QLineEdit *field = control<QLineEdit>(u"nominal"_s);
        field->setFocus();
        field->selectAll();
        typeText(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    QColor shownAt(const QString &name) const
    {
        const QWidget *widget = control(name);
        return window->grab().toImage().pixelColor(
            widget->mapTo(window.data(), widget->rect().center()));
    }
};

} // namespace

class tst_ReadingWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { forms::prepareApplication(); }
    void cleanup() { QTest::qWait(0); }

    void readsAPartPickedByKeysAndMouse();
    void keepsBandsAcrossCounts();
    void turnsThePartRound();
    void putsANominalOnBands();
    void copiesTheAnswer();
    void closesAndRests();
};

// A 1 % metal-film part of a hobby kit: brown, black, black, red, brown, by digit keys and Tab;
// then the arrow keys and a click on a swatch.
void tst_ReadingWindow::readsAPartPickedByKeysAndMouse()
{
    OpenedWindow reading;
    HELD(reading.opened());
    QCOMPARE(reading.answer(), u"Не выбрана полоса 1: первая цифра."_s);
    reading.chooseCount(u"fiveBands"_s);
    reading.control(u"band1"_s)->setFocus();
    Announcements heard;
    reading.keys({Qt::Key_1, Qt::Key_Tab, Qt::Key_0, Qt::Key_Tab, Qt::Key_0, Qt::Key_Tab, Qt::Key_2,
        Qt::Key_Tab});
    QCOMPARE(reading.answer(), u"Не выбрана полоса 5: допуск."_s);
    reading.keys({Qt::Key_1});
    QCOMPARE(reading.answer(),
        u"Номинал: 10 КОм\nДопуск ±1 %: от 9,9 до 10,1 КОм\nСтандартный ряд: E6 (IEC 60063)\n"
        u"Код: 10K0F\nС другого конца: 120 Ом ±1 %\n"
        u"Оба прочтения возможны: первая полоса — у края корпуса, а полоса допуска стоит поодаль "
        u"от остальных."_s);
    QTRY_VERIFY(heard.texts().contains(reading.answer().replace(u'\n', u' ')));
    QCOMPARE(reading.band(4), u"Полоса 4, множитель: Красный, ×100"_s);
    QCOMPARE(reading.nameOf(u"drawnBand5"_s), u"Полоса 5, допуск: Коричневый, ±1 %"_s);
    QCOMPARE(reading.shownAt(u"drawnBand4"_s), literal::Red.colour());
    QCOMPARE(
        reading.nameOf(u"body"_s), u"Резистор: Коричневый, Черный, Черный, Красный, Коричневый"_s);

    // A digit no tolerance colour stands for is refused, and said to be.
    reading.keys({Qt::Key_9});
    QCOMPARE(reading.message(), u"Цифре 9 не отвечает ни один цвет полосы 5 (допуск)."_s);
    QCOMPARE(reading.band(5), u"Полоса 5, допуск: Коричневый, ±1 %"_s);

    // Right from black steps to brown: 11 КОм, a value of E24 that no coarser series holds.
    reading.control(u"band2"_s)->setFocus();
    reading.keys({Qt::Key_Right});
    QVERIFY(reading.answer().startsWith(u"Номинал: 11 КОм\n"_s));
    QVERIFY(reading.answer().contains(u"\nСтандартный ряд: E24 (IEC 60063)\n"_s));
    // The first swatch of a multiplier is pink, ×0,001: 0,11 Ом, under 10 Ом as well.
    heard.clear();
    auto *multiplier = reading.control<forms::SwatchList>(u"band4"_s);
    QTest::mouseClick(multiplier, Qt::LeftButton, {}, multiplier->swatchRect(0).center());
    QCOMPARE(reading.band(4), u"Полоса 4, множитель: Розовый, ×0,001"_s);
    // A click is heard with the band it chose, then the answer.
    QTRY_VERIFY(heard.texts().contains(
        u"Полоса 4, множитель: Розовый, ×0,001 "_s + reading.answer().replace(u'\n', u' ')));
    QVERIFY(
        reading.answer().startsWith(u"Номинал: 0,11 Ом\nДопуск ±1 %: от 0,1089 до 0,1111 Ом"_s));
    QCOMPARE(reading.shownAt(u"drawnBand4"_s), literal::Pink.colour());
    QCOMPARE(reading.control<QLabel>(u"bandMeaning4"_s)->text(), u"Розовый, ×0,001"_s);
}

// Six bands keep the five chosen and ask for the sixth; four keep the two first figures, the
// multiplier and the tolerance; the zero-ohm link has its single black band.
void tst_ReadingWindow::keepsBandsAcrossCounts()
{
    OpenedWindow reading;
    HELD(reading.opened());
    // The band count is one stop of Tab before the bands, at the chosen option; an arrow key
    // chooses the next.
    reading.keys({Qt::Key_Backtab});
    QCOMPARE(QApplication::focusWidget(), reading.control(u"fourBands"_s));
    reading.keys({Qt::Key_Right});
    QVERIFY(reading.control<QRadioButton>(u"fiveBands"_s)->isChecked());
    reading.keys({Qt::Key_Backtab});
    QCOMPARE(QApplication::focusWidget()->objectName(), u"answer"_s);
    reading.control(u"band1"_s)->setFocus();
    reading.keys({Qt::Key_4, Qt::Key_Tab, Qt::Key_7, Qt::Key_Tab, Qt::Key_5, Qt::Key_Tab, Qt::Key_1,
        Qt::Key_Tab, Qt::Key_8});
    reading.chooseCount(u"sixBands"_s);
    QCOMPARE(reading.answer(), u"Не выбрана полоса 6: ТКС."_s);
    reading.control(u"band6"_s)->setFocus();
    reading.keys({Qt::Key_Home});
    // From the other end the first figure is black: no part, and not told.
    QCOMPARE(reading.answer(),
        u"Номинал: 4,75 КОм\nДопуск ±0,01 %: от 4,74953 до 4,75048 КОм\n"
        u"Серый допуск по IEC 60062:2016 — ±0,01 %; по прежним изданиям и у многих "
        u"производителей — ±0,05 %.\nТКС: 250 ppm/K\nСтандартный ряд: E96 (IEC 60063)\n"
        u"Код: 4K75L"_s);
    reading.chooseCount(u"fourBands"_s);
    QCOMPARE(reading.band(3), u"Полоса 3, множитель: Коричневый, ×10"_s);
    QVERIFY(reading.answer().startsWith(u"Номинал: 470 Ом\n"_s));
    QVERIFY(!reading.control(u"band5"_s)->isVisible());
    reading.chooseCount(u"zeroOhmLink"_s);
    QCOMPARE(reading.answer(), u"Не выбрана полоса 1: перемычка."_s);
    reading.control(u"band1"_s)->setFocus();
    reading.keys({Qt::Key_0});
    QCOMPARE(reading.answer(), u"Перемычка: 0 Ом\nКод: 0R"_s);
    QVERIFY(!reading.control(u"reverse"_s)->isEnabled());
}

// Either end: a gold first band cannot be, and the turn is refused; orange, brown, black, brown
// reads as 31 Ом, off the series of ±1 %, and from the other end as 100 Ом, the likelier.
void tst_ReadingWindow::turnsThePartRound()
{
    OpenedWindow reading;
    HELD(reading.opened());
    reading.pickWorkedPart();
    QCOMPARE(reading.answer(), QString::fromUtf16(workedpart::Answer));
    QCOMPARE(reading.band(4), u"Полоса 4, допуск: Золотой, ±5 %"_s);
    QTest::mouseClick(reading.control(u"reverse"_s), Qt::LeftButton);
    QCOMPARE(reading.message(),
        u"С другого конца эти полосы не читаются: полоса 1 (первая цифра) не бывает золотой."_s);
    QCOMPARE(reading.answer(), QString::fromUtf16(workedpart::Answer));

    reading.control(u"band1"_s)->setFocus();
    reading.keys(
        {Qt::Key_3, Qt::Key_Tab, Qt::Key_1, Qt::Key_Tab, Qt::Key_0, Qt::Key_Tab, Qt::Key_1});
    QCOMPARE(reading.answer(),
        u"Номинал: 31 Ом\nДопуск ±1 %: от 30,69 до 31,31 Ом\n"
        u"Не из рядов E6–E96 для допуска ±1 % (IEC 60063)\n"
        u"Ближайшие стандартные: 30,9 Ом (−0,3 %) и 31,6 Ом (+1,9 %)\nКод: 31RF\n"
        u"С другого конца: 100 Ом ±0,05 %\n"
        u"Вероятнее прочтение с другого конца: его номинал из ряда E6; нажмите «Перевернуть»."_s);
    QTest::mouseClick(reading.control(u"reverse"_s), Qt::LeftButton);
    QVERIFY(reading.answer().startsWith(u"Номинал: 100 Ом\nДопуск ±0,05 %"_s));
    QVERIFY(reading.answer().endsWith(
        u"\nС другого конца: 31 Ом ±1 %\n"
        u"Вероятнее это прочтение: 31 Ом нет в рядах E6–E96 для допуска ±1 %."_s));
}

// Typed as people write a nominal; what the bands cannot carry is said and changes nothing;
// what a nominal is not written with never stays in the field, and the refusal is heard.
void tst_ReadingWindow::putsANominalOnBands()
{
    OpenedWindow reading;
    HELD(reading.opened());
    reading.typeNominal(u"4,7к"_s);
    QCOMPARE(reading.message(), u"Полосы поставлены: 4,7 КОм."_s);
    QCOMPARE(reading.answer(), QString::fromUtf16(workedpart::Answer));
    QCOMPARE(reading.band(3), u"Полоса 3, множитель: Красный, ×100"_s);
    reading.typeNominal(u"4K75"_s);
    QCOMPARE(reading.message(),
        u"4,75 КОм на этих полосах не записать: значащих цифр в нём 3, а полос для цифр 2."_s);
    QCOMPARE(reading.answer(), QString::fromUtf16(workedpart::Answer));
    reading.chooseCount(u"fiveBands"_s);
    reading.typeNominal(u"4K75"_s);
    QCOMPARE(reading.band(3), u"Полоса 3, третья цифра: Зеленый, 5"_s);
    // The five bands keep the tolerance the four had.
    QCOMPARE(reading.band(5), u"Полоса 5, допуск: Золотой, ±5 %"_s);

    QLineEdit *field = reading.control<QLineEdit>(u"nominal"_s);
    field->setText(u"10 кОм"_s);
    Announcements heard;
    typeText(field, u"x"_s);
    QCOMPARE(field->text(), u"10 кОм"_s);
    QCOMPARE(reading.message(),
        u"Не принято «10 кОмx»: номинал пишут цифрами, запятой и буквами единиц (к, М, Г, Т, R, "
        u"Ом)."_s);
    // Told away from the focus too, for whoever does not see the message line.
    QTRY_VERIFY(heard.texts().contains(reading.message()));
}

// The answer taken away as plain text, the bands by name first, by the button or by Ctrl+C
// anywhere but where a selection of text is copied; the copy is heard.
void tst_ReadingWindow::copiesTheAnswer()
{
    OpenedWindow reading;
    HELD(reading.opened());
    reading.pickWorkedPart();
    const QString copied = u"Полоса 1, первая цифра: Желтый, 4\nПолоса 2, вторая цифра: "
                           u"Фиолетовый, 7\nПолоса 3, множитель: Красный, ×100\nПолоса 4, "
                           u"допуск: Золотой, ±5 %\n"_s
        + QString::fromUtf16(workedpart::Answer);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    Announcements heard;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), copied);
    QCOMPARE(reading.message(), u"Ответ скопирован."_s);
    QTRY_VERIFY(heard.texts().contains(u"Ответ скопирован."_s));
    clipboard->clear();
    QTest::mouseClick(reading.control(u"copy"_s), Qt::LeftButton);
    QCOMPARE(clipboard->text(), copied);
    // A selection in the nominal field is the field's own to copy.
    QLineEdit *field = reading.control<QLineEdit>(u"nominal"_s);
    field->setText(u"4,7к"_s);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), u"4,7к"_s);
    // The answer itself is text to select, by keys too.
    auto *answer = reading.control<QLabel>(u"answer"_s);
    answer->setFocus();
    QTest::keyClick(answer, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(answer->selectedText().replace(QChar::ParagraphSeparator, u'\n'),
        QString::fromUtf16(workedpart::Answer));
}

// Escape closes it; at rest nothing in it runs.
void tst_ReadingWindow::closesAndRests()
{
    OpenedWindow reading;
    HELD(reading.opened());
    QVERIFY(reading.window->findChildren<QTimer *>().isEmpty());
    QTest::keyClick(reading.window.data(), Qt::Key_Escape);
    QTRY_VERIFY(!reading.window);
}

QTEST_MAIN(tst_ReadingWindow)
#include "tst_readingwindow.moc"
