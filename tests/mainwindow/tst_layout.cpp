// The main window as it starts: its size, title, fields, focus order, and what a screen reader
// finds in it.
#include "forms/application.h"
#include "forms/controls.h"
#include "support/literals.h"
#include "support/mainwindow.h"

#include <QAccessible>
#include <QMenuBar>

using namespace Qt::StringLiterals;

class tst_Layout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { forms::prepareApplication(); }

    void startsCollapsedWithoutLegend();
    void startsWithEmptyEntryAndPlainResistor();
    void fieldsTakeTheirLengthsAndFonts();
    void focusRunsThroughFieldsThenOptions();
    void accessibilityTreeHoldsOnlyNamedThings();
    void commandLabelsArePushButtons();
};

void tst_Layout::startsCollapsedWithoutLegend()
{
    MainWindow main;
    HELD(main.shown());
    QCOMPARE(main.window->Width(), 7500.0f);
    QCOMPARE(main.window->Height(), 2450.0f);
    // 7440 × 1800 twips of client area below the menu bar, and not a pixel more.
    const QWidget *client = main.window->centralWidget();
    QCOMPARE(client->size(), QSize(496, 120));
    QCOMPARE(client->y(), main.window->menuBar()->height());
    QCOMPARE(main.window->size(), QSize(496, main.window->menuBar()->height() + 120));
    QCOMPARE(main.window->windowTitle(), u"Определяем цвета из номинала резисторов"_s);
    QCOMPARE(main.menuItem("Lbl2")->text(), u"Легенда ->"_s);
    QCOMPARE(main.menuItem("Auther")->text(), u"Развернуть окно"_s);
    QVERIFY(!main.window->windowIcon().isNull());
}

void tst_Layout::startsWithEmptyEntryAndPlainResistor()
{
    {
        // Before the first tick the readout still shows its design caption.
        ScriptedSession session;
        const Form1 unshown(session);
        QCOMPARE(unshown.findChild<QLabel *>(u"Label1"_s)->text(), u"Label1"_s);
    }
    MainWindow main;
    HELD(main.shown());
    for (const char *name : {"Text13", "Text14", "Text15"})
        QVERIFY2(main.field(name)->text().isEmpty(), name);
    for (const QRadioButton *option : main.window->findChildren<QRadioButton *>())
        QVERIFY2(!option->isChecked(), qPrintable(option->objectName()));
    QTRY_COMPARE(main.readout(), u"Нет данных"_s);

    const QColor body(255, 192, 128);
    for (const char *band : {"Shape1", "Shape2", "Shape3", "Shape4"})
        QCOMPARE(main.shownColour(band), body);
    QCOMPARE(main.shownColour("Shape5", {200, 300}), body);
}

void tst_Layout::fieldsTakeTheirLengthsAndFonts()
{
    MainWindow main;
    HELD(main.shown());
    QCOMPARE(main.field("Text13")->maxLength(), 1);
    QCOMPARE(main.field("Text14")->maxLength(), 1);
    QCOMPARE(main.field("Text15")->maxLength(), 10);
    QCOMPARE(main.field("Text13")->font().pointSizeF(), 9.75);
    QCOMPARE(main.field("Text15")->font().pointSizeF(), 9.75);
    QCOMPARE(main.field("Text14")->font().pointSizeF(), 8.25);
    QVERIFY(QFontInfo(main.field("Text14")->font()).pixelSize()
        < QFontInfo(main.field("Text13")->font()).pixelSize());
}

void tst_Layout::focusRunsThroughFieldsThenOptions()
{
    MainWindow main;
    HELD(main.shown());
    QCOMPARE(QApplication::focusWidget(), main.field("Text13"));
    // The option group is one stop: its first option, or the selected one.
    const auto tabThrough = [](const QStringList &order) {
        for (const QString &next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    };
    tabThrough({u"Text14"_s, u"Text15"_s, u"Option1"_s, u"Text13"_s});
    QRadioButton *option4 = main.control<QRadioButton>("Option4");
    QTest::mouseClick(option4, Qt::LeftButton);
    QVERIFY(option4->isChecked());
    tabThrough({u"Text13"_s, u"Text14"_s, u"Text15"_s, u"Option4"_s});
    // Frames and labels never take the focus.
    for (const QWidget *widget : main.window->findChildren<QWidget *>()) {
        const bool entry
            = qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QRadioButton *>(widget);
        if (!entry)
            QVERIFY2(widget->focusPolicy() == Qt::NoFocus, qPrintable(widget->objectName()));
    }
}

void tst_Layout::accessibilityTreeHoldsOnlyNamedThings()
{
    MainWindow main;
    HELD(main.shown());
    QAccessibleInterface *client = QAccessible::queryAccessibleInterface(main.window->client());
    QList<QAccessibleInterface *> children;
    for (int i = 0; i < client->childCount(); ++i)
        children.append(client->child(i));
    QCOMPARE(children.size(), 28);
    for (QAccessibleInterface *child : children) {
        QCOMPARE(client->child(client->indexOfChild(child)), child);
        // Decoration is left out; everything else is named.
        QVERIFY2(!qobject_cast<forms::Line *>(child->object()),
            qPrintable(child->object()->objectName()));
        QVERIFY2(
            !child->text(QAccessible::Name).isEmpty(), qPrintable(child->object()->objectName()));
    }
    const auto shownNames = [&] {
        QStringList names;
        for (QAccessibleInterface *child : children) {
            if (!child->state().invisible)
                names.append(child->object()->objectName());
        }
        return names;
    };
    // Collapsed and narrow: neither the legend nor the banners show.
    QStringList names = shownNames();
    QVERIFY(names.contains(u"Shape5"_s) && names.contains(u"Label3"_s));
    for (const char *hidden : {"Label12", "Label20", "Label9", "Label2"})
        QVERIFY2(!names.contains(QLatin1StringView(hidden)), hidden);

    // Widened and expanded: all of them show again.
    QTest::keyClick(main.window.get(), Qt::Key_F3);
    names = shownNames();
    for (const char *shown : {"Label12", "Label20", "Label9", "Label2"})
        QVERIFY2(names.contains(QLatin1StringView(shown)), shown);
    QTest::keyClick(main.window.get(), Qt::Key_F3);
    QVERIFY(!shownNames().contains(u"Label9"_s));
}

void tst_Layout::commandLabelsArePushButtons()
{
    MainWindow main;
    HELD(main.shown());
    MainWindow::type(u"47100"_s);
    main.tick();
    const auto button = [&](const char *name) {
        QAccessibleInterface *label
            = QAccessible::queryAccessibleInterface(main.control<QLabel>(name));
        [&] {
            QCOMPARE(label->role(), QAccessible::Button);
            QCOMPARE(label->actionInterface()->actionNames(),
                QStringList {QAccessibleActionInterface::pressAction()});
        }();
        return label;
    };
    QCOMPARE(button("Label3")->text(QAccessible::Name), u"F5 - Решить"_s);
    button("Label3")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(main.window->Width(), 9500.0f);
    button("Label4")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(main.window->Width(), 7500.0f);
    QCOMPARE(main.field("Text15")->text(), QString());
    button("Label5")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(main.session.boxes.size(), 1);
    QCOMPARE(main.session.boxes[0].prompt, u"Завершить программу?"_s);
    // Still labels to the eye and to the keyboard.
    for (const char *name : {"Label3", "Label4", "Label5"})
        QCOMPARE(main.control<QLabel>(name)->focusPolicy(), Qt::NoFocus);
}

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
