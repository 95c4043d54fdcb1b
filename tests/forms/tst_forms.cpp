#include "forms/accessibility.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/numbers.h"
#include "forms/qtcolour.h"
#include "forms/session.h"
#include "support/announcements.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);
const QLocale English(QLocale::English, QLocale::UnitedStates);

} // namespace

class tst_Forms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { forms::prepareApplication(); }

    void colourValues();
    void outerSizeIsKeptExactlyAndShowsItsClientArea();

    void textBoxRaisesChangeOnEveryChangeNested();
    void textBoxRaisesKeyPressBeforeTheKeyActs_data();
    void textBoxRaisesKeyPressBeforeTheKeyActs();
    void labelFitsItsCaption();
    void announcingShowsNothingAndMovesNothing();
    void cancelButtonTakesEscape();

    void messageBoxStyles_data();
    void messageBoxStyles();

    void numberGrammar_data();
    void numberGrammar();
    void fixedPointFromText_data();
    void fixedPointFromText();
    void fixedPointArithmetic();
    void fixedPointText_data();
    void fixedPointText();
};

void tst_Forms::colourValues()
{
    QCOMPARE(forms::rgb(255, 192, 128), 0x0080C0FFu);
    QCOMPARE(forms::rgb(128, 0, 255), 0x00FF0080u);
    QCOMPARE(forms::InactiveBorder, 0x8000000Bu);
    QCOMPARE(forms::toQColor(forms::rgb(221, 193, 2)), QColor(221, 193, 2));
    QCOMPARE(forms::toQColor(forms::WindowText), QColor(Qt::black));
    // The system roles keep their classic colours whatever the desktop's theme.
    QCOMPARE(forms::toQColor(forms::InactiveBorder), QColor(212, 208, 200));
    QVERIFY(forms::toQColor(forms::Desktop) != forms::toQColor(forms::ActiveTitleBar));
}

void tst_Forms::outerSizeIsKeptExactlyAndShowsItsClientArea()
{
    forms::Form form(forms::Form::Menu::Bar);
    form.setWidth(7500);
    form.setHeight(2450);
    QCOMPARE(form.Width(), 7500.0f);
    QCOMPARE(form.Height(), 2450.0f);
    QCOMPARE(form.client()->size(), QSize(496, 120));
    // 3790 twips is no whole number of pixels: the nearest is shown, the value is kept.
    form.setHeight(4440);
    QCOMPARE(form.Height(), 4440.0f);
    QCOMPARE(form.client()->height(), 253);
    form.setHeight(form.Height() - 1990);
    QCOMPARE(form.Height(), 2450.0f);
    // A size that leaves no client area shows none, and is still kept.
    form.setWidth(10);
    QCOMPARE(form.Width(), 10.0f);
    QCOMPARE(form.client()->width(), 0);

    forms::Form plain(forms::Form::Menu::None);
    plain.setClientSize(6705, 4335);
    QCOMPARE(plain.client()->size(), QSize(447, 289));
}

void tst_Forms::textBoxRaisesChangeOnEveryChangeNested()
{
    QWidget container;
    forms::TextBox box(&container, u"Box"_s, {0, 0, 1500, 300});
    QStringList seen;
    // A handler that undoes anything but digits, the way the entry fields do.
    QObject::connect(&box, &forms::TextBox::Change, [&] {
        seen.append(box.text());
        if (box.text() == u"x"_s)
            box.setText(u"7"_s);
    });
    box.setText(u"1"_s);
    QCOMPARE(seen, QStringList {u"1"_s});
    box.setText(u"x"_s);
    // The assignment inside the handler raised Change again before the outer one returned.
    QCOMPARE(seen, (QStringList {u"1"_s, u"x"_s, u"7"_s}));
    QCOMPARE(box.text(), u"7"_s);
}

void tst_Forms::textBoxRaisesKeyPressBeforeTheKeyActs_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("raises");
    QTest::newRow("digit") << Qt::Key_5 << u"5"_s << true;
    QTest::newRow("letter") << Qt::Key_A << u"a"_s << true;
    QTest::newRow("blank") << Qt::Key_Space << u" "_s << true;
    QTest::newRow("Backspace") << Qt::Key_Backspace << QString() << true;
    QTest::newRow("Enter") << Qt::Key_Return << QString() << true;
    QTest::newRow("Escape") << Qt::Key_Escape << QString() << true;
    QTest::newRow("Delete") << Qt::Key_Delete << QString() << false;
    QTest::newRow("Left") << Qt::Key_Left << QString() << false;
    QTest::newRow("F5") << Qt::Key_F5 << QString() << false;
}

void tst_Forms::textBoxRaisesKeyPressBeforeTheKeyActs()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, text);
    QFETCH(bool, raises);
    QWidget container;
    forms::TextBox box(&container, u"Box"_s, {0, 0, 1500, 300});
    box.setText(u"12"_s);
    QStringList textAtKeyPress;
    QObject::connect(&box, &forms::TextBox::KeyPress, [&] { textAtKeyPress.append(box.text()); });
    // The key as the platform gives it: its code and the text it types, if any.
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&box, &press);
    QCOMPARE(textAtKeyPress.size(), raises ? 1 : 0);
    if (raises)
        QCOMPARE(textAtKeyPress.first(), u"12"_s);
}

void tst_Forms::labelFitsItsCaption()
{
    QWidget container;
    container.resize(200, 100);
    forms::Label grows(
        &container, u"Grows"_s, {150, 150, 300, 240}, forms::Label::AutoSize::GrowRight);
    forms::Label centred(
        &container, u"Centred"_s, {150, 450, 300, 240}, forms::Label::AutoSize::CentredInContainer);
    const auto fitted = [&] {
        return grows.x() == 10 && grows.size() == grows.sizeHint()
            && centred.size() == centred.sizeHint()
            && std::abs(centred.geometry().center().x() - 100) <= 1;
    };
    // Set before the window is shown, the caption is fitted when it is.
    grows.setCaption(u"Нет данных"_s);
    centred.setCaption(u"Нет данных"_s);
    container.show();
    QVERIFY(fitted());
    for (const QString &caption : {u"1"_s, u"470 МОм"_s}) {
        grows.setCaption(caption);
        centred.setCaption(caption);
        QVERIFY(fitted());
    }
    // Hidden, a label takes a new caption and a new font, and fits both once shown again.
    grows.hide();
    centred.hide();
    grows.setCaption(u"Коричневый"_s);
    centred.setCaption(u"Коричневый"_s);
    QFont larger = grows.font();
    larger.setPointSizeF(larger.pointSizeF() * 2);
    grows.setFont(larger);
    centred.setFont(larger);
    grows.show();
    centred.show();
    QVERIFY(fitted());
    QVERIFY(grows.width() > grows.fontMetrics().horizontalAdvance(u"Коричн"_s));

    int clicks = 0;
    QObject::connect(&grows, &forms::Label::Click, [&] { ++clicks; });
    QTest::mouseClick(&grows, Qt::LeftButton);
    QTest::mouseClick(&grows, Qt::RightButton);
    QCOMPARE(clicks, 1);
}

void tst_Forms::announcingShowsNothingAndMovesNothing()
{
    Announcements heard;
    forms::Form window(forms::Form::Menu::Bar);
    window.menuBar()->addMenu(u"Меню"_s);
    window.setClientSize(3000, 1500);
    forms::TextBox field(window.client(), u"Field"_s, {120, 120, 1500, 300});
    window.showCentred();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field.setFocus();
    const QImage before = window.grab().toImage();

    // Of what one event announces only the last is spoken, once it has been handled.
    forms::announce(&window, u"Первое"_s);
    forms::announce(&window, u"Второе"_s);
    QCOMPARE(heard.texts(), QStringList());
    QTRY_COMPARE(heard.texts(), QStringList {u"Второе"_s});
    // The same text again is heard again.
    forms::announce(&window, u"Второе"_s);
    QTRY_COMPARE(heard.texts(), (QStringList {u"Второе"_s, u"Второе"_s}));

    // Not a pixel changed, the focus and the activation stayed, nothing of it is left showing
    // for a review of the screen to meet, and nothing keeps running.
    QCOMPARE(window.grab().toImage(), before);
    QCOMPARE(QApplication::focusWidget(), &field);
    QCOMPARE(QApplication::activeWindow(), &window);
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(&window);
    for (int i = 0; i < frame->childCount(); ++i) {
        QAccessibleInterface *child = frame->child(i);
        if (child->role() == QAccessible::StatusBar) {
            QVERIFY(child->state().invisible);
            QVERIFY(!child->text(QAccessible::Name).isEmpty());
        }
    }
    QVERIFY(window.findChildren<QTimer *>().isEmpty());
}

void tst_Forms::cancelButtonTakesEscape()
{
    forms::Form window(forms::Form::Menu::None);
    window.setClientSize(3000, 1500);
    forms::TextBox field(window.client(), u"Field"_s, {120, 120, 1500, 300});
    forms::PushButton button(window.client(), u"Button"_s, {120, 600, 735, 315}, u"Выход"_s);
    QSignalSpy clicks(&button, &QPushButton::clicked);
    window.showCentred();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field.setFocus();
    // An ordinary button leaves Escape to the control with the focus.
    QTest::keyClick(&field, Qt::Key_Escape);
    QCOMPARE(clicks.size(), 0);
    // A cancel button takes it wherever the focus is in its window.
    button.setCancel();
    QTest::keyClick(&field, Qt::Key_Escape);
    QCOMPARE(clicks.size(), 1);
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Escape);
    QCOMPARE(clicks.size(), 2);
}

void tst_Forms::messageBoxStyles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("answer");
    // OK in Cyrillic letters, as the about window writes it.
    QTest::newRow("16 stop") << 16 << int(QMessageBox::Critical) << QStringList {u"ОК"_s}
                             << int(QMessageBox::Ok) << forms::vbOK;
    QTest::newRow("36 question, Yes by default")
        << 36 << int(QMessageBox::Question) << QStringList {u"Да"_s, u"Нет"_s}
        << int(QMessageBox::Yes) << forms::vbYes;
    QTest::newRow("36 question, No")
        << 36 << int(QMessageBox::Question) << QStringList {u"Да"_s, u"Нет"_s}
        << int(QMessageBox::No) << forms::vbNo;
    QTest::newRow("64 information") << 64 << int(QMessageBox::Information) << QStringList {u"ОК"_s}
                                    << int(QMessageBox::Ok) << forms::vbOK;
}

void tst_Forms::messageBoxStyles()
{
    QFETCH(int, style);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    QFETCH(int, pressed);
    QFETCH(int, answer);

    QString title;
    QString text;
    int shownIcon = -1;
    QStringList shownButtons;
    QString defaultButton;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            // Whatever box there is goes, so that the test fails at once and not at its time-out.
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (auto *shown = qobject_cast<QMessageBox *>(window))
                    shown->reject();
            }
            return;
        }
        modal = true;
        title = box->windowTitle();
        text = box->text();
        shownIcon = box->icon();
        for (const QAbstractButton *button : box->buttons())
            shownButtons.append(button->text().remove(u'&'));
        defaultButton = box->defaultButton()->text().remove(u'&');
        box->button(QMessageBox::StandardButton(pressed))->click();
    });
    forms::QtSession session;
    const int pressedAnswer = session.MsgBox(u"Текст"_s, style, u"Заголовок"_s);
    QVERIFY2(modal, "the message box was not modal");
    QCOMPARE(pressedAnswer, answer);
    QCOMPARE(title, u"Заголовок"_s);
    QCOMPARE(text, u"Текст"_s);
    QCOMPARE(shownIcon, icon);
    shownButtons.sort();
    buttons.sort();
    QCOMPARE(shownButtons, buttons);
    QCOMPARE(defaultButton, buttons.contains(u"Да"_s) ? u"Да"_s : u"ОК"_s);
}

void tst_Forms::numberGrammar_data()
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

void tst_Forms::numberGrammar()
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

void tst_Forms::fixedPointFromText_data()
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

void tst_Forms::fixedPointFromText()
{
    QFETCH(QString, text);
    QFETCH(bool, inRange);
    QFETCH(qint64, tenThousandths);
    const auto value = forms::FixedPoint::fromText(text, Russian);
    QCOMPARE(value.has_value(), inRange);
    if (inRange)
        QCOMPARE(value->tenThousandths(), tenThousandths);
}

void tst_Forms::fixedPointArithmetic()
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

void tst_Forms::fixedPointText_data()
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

void tst_Forms::fixedPointText()
{
    QFETCH(qint64, tenThousandths);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    const forms::FixedPoint value(tenThousandths);
    QCOMPARE(value.toText(locale), text);
    QCOMPARE(forms::FixedPoint::fromText(text, locale), value);
}

QTEST_MAIN(tst_Forms)
#include "tst_forms.moc"
