#include "forms/accessibility.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/qtcolour.h"
#include "forms/session.h"
#include "forms/swatchlist.h"
#include "support/announcements.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <cmath>

using namespace Qt::StringLiterals;

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
    void swatchListIsAListOfNamedItems();

    void messageBoxStyles_data();
    void messageBoxStyles();
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

// A one-of-many picker as a screen reader knows one: a list of named items, the chosen one
// selected, and focused while the list has the keyboard; the focus moves with the choice.
void tst_Forms::swatchListIsAListOfNamedItems()
{
    forms::Form window(forms::Form::Menu::None);
    window.setClientSize(3000, 1500);
    forms::TextBox field(window.client(), u"Field"_s, {120, 120, 1500, 300});
    forms::SwatchList list(window.client(), u"List"_s, {120, 600, 2000, 330});
    list.setAccessibleName(u"Полоса 1"_s);
    list.setItems({{forms::rgb(255, 0, 0), u"Красный"_s, u'2'},
        {forms::rgb(0, 0, 255), u"Синий"_s, u'6'}, {forms::rgb(255, 255, 255), u"Белый"_s, {}}});
    QSignalSpy picked(&list, &forms::SwatchList::picked);
    QSignalSpy refused(&list, &forms::SwatchList::refused);
    window.showCentred();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field.setFocus();

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&list);
    QCOMPARE(accessible->role(), QAccessible::List);
    QCOMPARE(accessible->text(QAccessible::Name), u"Полоса 1"_s);
    QCOMPARE(accessible->childCount(), 3);
    // Each item at its swatch, named as its tool tip.
    const QPoint origin = list.mapToGlobal(QPoint(0, 0));
    QStringList items;
    for (int index = 0; index < accessible->childCount(); ++index) {
        QAccessibleInterface *item = accessible->child(index);
        QCOMPARE(item->role(), QAccessible::ListItem);
        QCOMPARE(item->parent(), accessible);
        QCOMPARE(accessible->indexOfChild(item), index);
        QCOMPARE(item->rect(), list.swatchRect(index).translated(origin));
        QCOMPARE(accessible->childAt(item->rect().center().x(), item->rect().center().y()), item);
        QVERIFY(item->state().selectable && !item->state().selected);
        items.append(item->text(QAccessible::Name));
        QHelpEvent help(QEvent::ToolTip, list.swatchRect(index).center(),
            list.mapToGlobal(list.swatchRect(index).center()));
        QApplication::sendEvent(&list, &help);
        QCOMPARE(QToolTip::text(), item->text(QAccessible::Name));
    }
    QCOMPARE(items, QStringList({u"Красный"_s, u"Синий"_s, u"Белый"_s}));

    // The item that is selected, and the one that has the focus, by name; "-" for none.
    const auto selected = [accessible] {
        QStringList names;
        for (int index = 0; index < accessible->childCount(); ++index) {
            if (accessible->child(index)->state().selected)
                names.append(accessible->child(index)->text(QAccessible::Name));
        }
        return names.join(u' ');
    };
    const auto focused = [accessible] {
        QAccessibleInterface *item = accessible->focusChild();
        return item && item->state().focused ? item->text(QAccessible::Name) : u"-"_s;
    };
    // Chosen away from the keyboard: selected, not focused.
    list.setChosen(1);
    QCOMPARE(selected(), u"Синий"_s);
    QCOMPARE(focused(), u"-"_s);
    QCOMPARE(picked.size(), 0);
    // With the keyboard, the chosen item has the focus, and it moves with every key.
    list.setFocus();
    QCOMPARE(focused(), u"Синий"_s);
    QTest::keyClick(&list, Qt::Key_Left);
    QCOMPARE(selected() + u'/' + focused(), u"Красный/Красный"_s);
    QTest::keyClick(&list, Qt::Key_End);
    QCOMPARE(selected() + u'/' + focused(), u"Белый/Белый"_s);
    // 6 as an Arabic keyboard writes it.
    QTest::sendKeyEvent(QTest::Click, &list, Qt::Key_unknown, QChar(0x0666), {});
    QCOMPARE(selected() + u'/' + focused(), u"Синий/Синий"_s);
    QCOMPARE(picked.size(), 3);
    // A digit that no item carries is refused, and nothing changes; nor does the chosen one.
    QTest::keyClick(&list, Qt::Key_9);
    QTest::keyClick(&list, Qt::Key_6);
    QCOMPARE(refused.size(), 1);
    QCOMPARE(refused.first().first().value<QChar>(), u'9');
    QCOMPARE(list.chosen(), 1);
    QCOMPARE(picked.size(), 3);
    // A click picks the swatch under it, and so does the item's press action.
    field.setFocus();
    QTest::mouseClick(&list, Qt::LeftButton, {}, list.swatchRect(2).center());
    QCOMPARE(selected() + u'/' + focused(), u"Белый/Белый"_s);
    // Told apart from a key, which a screen reader hears on the item it focuses.
    QCOMPARE(
        picked.first().first().value<forms::SwatchList::Means>(), forms::SwatchList::Means::Key);
    QCOMPARE(
        picked.last().first().value<forms::SwatchList::Means>(), forms::SwatchList::Means::Pointer);
    accessible->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(list.chosen(), 0);
    QCOMPARE(picked.size(), 5);
    // Other items: none chosen, the names anew.
    list.setItems({{forms::rgb(0, 0, 0), u"Черный"_s, u'0'}});
    QCOMPARE(list.chosen(), -1);
    QCOMPARE(accessible->childCount(), 1);
    QCOMPARE(accessible->child(0)->text(QAccessible::Name), u"Черный"_s);
    QCOMPARE(selected(), QString());
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

QTEST_MAIN(tst_Forms)
#include "tst_forms.moc"
