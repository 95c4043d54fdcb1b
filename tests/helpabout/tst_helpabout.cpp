#include "forms/application.h"
#include "helpabout/form2.h"
#include "helpabout/form3.h"
#include "support/literals.h"
#include "support/mainwindow.h"

#include <QAccessible>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

template<typename Window>
QList<Window *> openInstances()
{
    QList<Window *> open;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            open.append(window);
    }
    return open;
}

QString caption(const QWidget *window, const char *name)
{
    return window->findChild<QLabel *>(QString::fromLatin1(name))->text();
}

// The help window and the about window: the key that opens each, and its title.
void addWindowRows()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("title");
    QTest::newRow("help") << Qt::Key_F1 << u"Помощь"_s;
    QTest::newRow("about") << Qt::Key_F2 << u"Немного о программке :)"_s;
}

} // namespace

class tst_HelpAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { forms::prepareApplication(); }
    void cleanup() { QTest::qWait(0); }

    void eachWindowOpensOnce_data();
    void eachWindowOpensOnce();
    void enterRightAfterOpeningCloses_data();
    void enterRightAfterOpeningCloses();
    void mainWindowKeepsWorking();
    void functionKeysBelongToTheMainWindow();
    void helpTexts_data();
    void helpTexts();
    void aboutTexts();
    void contactBoxes();
    void contactLinksAreButtons();
    void endClosesEveryWindow();
};

// The windows that read a part's colours and a chip's marking, and the one that makes a value of
// parts, are opened the same way.
void tst_HelpAbout::eachWindowOpensOnce_data()
{
    addWindowRows();
    QTest::newRow("reading") << Qt::Key_F6 << u"Определяем номинал из цветов резистора"_s;
    QTest::newRow("smd") << Qt::Key_F7 << u"Определяем номинал по маркировке SMD-резистора"_s;
    QTest::newRow("combination") << Qt::Key_F8 << u"Подбираем номинал из стандартных резисторов"_s;
}

void tst_HelpAbout::eachWindowOpensOnce()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, title);
    MainWindow main;
    HELD(main.shown());
    QTest::keyClick(main.window.get(), key);
    const auto opened = [&] {
        QList<QWidget *> shown;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowTitle() == title)
                shown.append(widget);
        }
        return shown;
    };
    QCOMPARE(opened().size(), 1);
    QWidget *first = opened().constFirst();
    // Modeless and without owner.
    QVERIFY(!first->parentWidget());
    QVERIFY(!first->isModal());
    QVERIFY(main.window->isEnabled());
    main.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.window.get()));
    // Behind the main window, or minimised: the key brings it back to the front.
    QTest::keyClick(main.window.get(), key);
    QCOMPARE(opened(), QList<QWidget *> {first});
    QVERIFY(QTest::qWaitForWindowActive(first));
    first->showMinimized();
    QTRY_VERIFY(first->isMinimized());
    main.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.window.get()));
    QTest::keyClick(main.window.get(), key);
    QTRY_VERIFY(!first->isMinimized());
    QTRY_COMPARE(QApplication::activeWindow(), first);
    QCOMPARE(opened(), QList<QWidget *> {first});

    // Closed by its close box, it is created afresh next time.
    first->close();
    QTest::qWait(0);
    QVERIFY(opened().isEmpty());
    main.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.window.get()));
    QTest::keyClick(main.window.get(), key);
    QCOMPARE(opened().size(), 1);
    QCOMPARE(main.window->Width(), 7500.0f);
}

void tst_HelpAbout::enterRightAfterOpeningCloses_data()
{
    QTest::addColumn<Qt::Key>("opening");
    QTest::addColumn<Qt::Key>("pressing");
    QTest::newRow("help, Enter") << Qt::Key_F1 << Qt::Key_Return;
    QTest::newRow("help, Space") << Qt::Key_F1 << Qt::Key_Space;
    QTest::newRow("about, Enter") << Qt::Key_F2 << Qt::Key_Return;
    QTest::newRow("about, Space") << Qt::Key_F2 << Qt::Key_Space;
    // Escape, as in any window of its kind.
    QTest::newRow("help, Escape") << Qt::Key_F1 << Qt::Key_Escape;
    QTest::newRow("about, Escape") << Qt::Key_F2 << Qt::Key_Escape;
}

void tst_HelpAbout::enterRightAfterOpeningCloses()
{
    QFETCH(Qt::Key, opening);
    QFETCH(Qt::Key, pressing);
    MainWindow main;
    HELD(main.shown());
    QTest::keyClick(main.window.get(), opening);
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() != main.window.get(); }));
    QWidget *opened = QApplication::activeWindow();
    QVERIFY(opened);
    QVERIFY(qobject_cast<QPushButton *>(opened->focusWidget()));
    QTest::keyClick(opened->focusWidget(), pressing);
    QVERIFY(!opened->isVisible());
    QVERIFY(main.window->isVisible());
}

void tst_HelpAbout::mainWindowKeepsWorking()
{
    MainWindow main;
    HELD(main.shown());
    main.window->HElP_cmd_Click();
    main.window->about_Click();
    QCOMPARE(openInstances<Form2>().size(), 1);
    QCOMPARE(openInstances<Form3>().size(), 1);
    main.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main.window.get()));
    main.field("Text13")->setFocus();
    MainWindow::type(u"47100"_s);
    QTRY_COMPARE(main.readout(), u"4,7 КОм"_s);
    QTest::keyClick(main.window.get(), Qt::Key_F5);
    QCOMPARE(main.shownColour("Shape1"), QColor(255, 255, 0));
    QCOMPARE(main.window->Width(), 9500.0f);
    QCOMPARE(openInstances<Form2>().size(), 1);
    QCOMPARE(openInstances<Form3>().size(), 1);
}

void tst_HelpAbout::helpTexts_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("title") << u"Label2"_s << u"Как пользоваться???? ЛЕГКО!!!!!"_s;
    QTest::newRow("example 1") << u"Label4"_s
                               << u"Пример 1. Допустим Вам надо R наминалом 5,3 МОм 5%"_s;
    QTest::newRow("two blanks")
        << u"Label5"_s
        << u"Вы вводите в графы \"1 цифра\" и \"2 цифра\"  пять и три соответственно."_s;
    QTest::newRow("quotes") << u"Label7"_s
                            << u"Вводите \"1\", а потом нули пока не появится в графе "
                               u"\"Вам нужно:\" нужный наминал"_s;
    QTest::newRow("trailing blank")
        << u"Label10"_s
        << u"Пример2. Вам нужно (редко конечно такие R нужны, но бывает) 2 или вообще 0,2 Ом "_s;
    QTest::newRow("three blanks")
        << u"Label11"_s << u"Тогда вы вводите в графы 1 и 2 цифра   --- 0 и 2 соответственно"_s;
    QTest::newRow("decimal commas")
        << u"Label12"_s
        << u"А в множителе 1 (если 2 Ом) или 0,1 (если 0,2 Ом) можно и до 0,01 (т.е. 0,02 ОМ)"_s;
    QTest::newRow("closing") << u"Label14"_s
                             << u"УДАЧИ ВСЕМ РАДИОЛЮБИТЕЛЯМ К КОИМ САМ СЕБЯ ОТНОШУ"_s;
}

void tst_HelpAbout::helpTexts()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    Form2 help;
    help.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QCOMPARE(caption(&help, qPrintable(label)), text);
    // Each line's visible text shows whole within the window.
    const QLabel *line = help.findChild<QLabel *>(label);
    QVERIFY(line->x() + line->fontMetrics().horizontalAdvance(text.trimmed())
        <= help.client()->width());
    QCOMPARE(help.client()->size(), QSize(447, 289));
    QCOMPARE(help.findChild<QPushButton *>(u"Label1"_s)->text(), u"Выход"_s);
}

void tst_HelpAbout::aboutTexts()
{
    ScriptedSession session;
    Form3 about(session);
    about.showModeless();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.client()->size(), QSize(390, 320));
    QCOMPARE(caption(&about, "Label1"), QString::fromUtf16(literal::ProgramTitle));
    QVERIFY(caption(&about, "Label2").startsWith(u"Автор: "_s));
    QVERIFY(caption(&about, "Label10").startsWith(u"Тестирование: "_s));
    QCOMPARE(caption(&about, "Label5"), u"Эту программу я создал в связи с горьким опытом!!!((("_s);
    QVERIFY(caption(&about, "Label6").contains(u"\"кормушке\""_s));
    QVERIFY(caption(&about, "Label7").endsWith(u"не мучались))))"_s));
    QCOMPARE(about.findChild<QPushButton *>(u"Command1"_s)->text(), u"ОК"_s);
    // The credits are not covered by their links.
    for (const auto &[credit, link] : {std::pair {"Label2", "Label3"}, {"Label10", "Label11"}}) {
        const QLabel *creditLabel = about.findChild<QLabel *>(QString::fromLatin1(credit));
        const QLabel *linkLabel = about.findChild<QLabel *>(QString::fromLatin1(link));
        QCOMPARE(linkLabel->text(), u"координаты"_s);
        QVERIFY(creditLabel->geometry().right() < linkLabel->geometry().left());
    }
    // The wrapped story fits its fixed size.
    for (const char *story : {"Label6", "Label7"}) {
        const QLabel *label = about.findChild<QLabel *>(QString::fromLatin1(story));
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }
    const QImage shown = about.grab().toImage();
    const QPoint picture = about.findChild<QLabel *>(u"Image1"_s)->mapTo(&about, QPoint(0, 0));
    QCOMPARE(shown.pixelColor(picture + QPoint(5, 3)), QColor(Qt::black));
}

void tst_HelpAbout::contactBoxes()
{
    ScriptedSession session;
    Form3 about(session);
    about.showModeless();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(about.findChild<QLabel *>(u"Label3"_s), Qt::LeftButton);
        QTest::mouseClick(about.findChild<QLabel *>(u"Label11"_s), Qt::LeftButton);
    }
    QCOMPARE(session.boxes.size(), 4);
    const ScriptedSession::Box &maker = session.boxes[0];
    QCOMPARE(maker.title, u"О мне"_s);
    QCOMPARE(maker.style, 64);
    const QStringList makerLines = maker.prompt.split(u"\r\n"_s);
    QCOMPARE(makerLines.size(), 3);
    QVERIFY(makerLines[0].startsWith(u"Мыло (e-mail): "_s) && makerLines[0].endsWith(u','));
    QVERIFY(makerLines[1].startsWith(u"Дом.адрес.: "_s) && makerLines[1].endsWith(u','));
    QVERIFY(makerLines[2].startsWith(u"с. "_s));
    const ScriptedSession::Box &coauthor = session.boxes[1];
    QCOMPARE(coauthor.title, u"О соавторе"_s);
    QCOMPARE(coauthor.style, 64);
    const QStringList coauthorLines = coauthor.prompt.split(u"\r\n"_s);
    QCOMPARE(coauthorLines.size(), 2);
    QVERIFY(coauthorLines[0].startsWith(u"Мыло (e-mail): "_s));
    QVERIFY(coauthorLines[1].startsWith(u"URL: "_s));
    // The same boxes again; the links never change.
    QCOMPARE(session.boxes[2].prompt, maker.prompt);
    QCOMPARE(session.boxes[3].prompt, coauthor.prompt);
    QCOMPARE(caption(&about, "Label3"), u"координаты"_s);
}

void tst_HelpAbout::endClosesEveryWindow()
{
    MainWindow main;
    HELD(main.shown());
    main.window->HElP_cmd_Click();
    main.window->about_Click();
    forms::QtSession session;
    QTimer::singleShot(0, [&] { session.End(); });
    QEventLoop running;
    QCOMPARE(running.exec(), 0);
    QVERIFY(!main.window->isVisible());
    QVERIFY(openInstances<Form2>().isEmpty());
    QVERIFY(openInstances<Form3>().isEmpty());
}

void tst_HelpAbout::contactLinksAreButtons()
{
    ScriptedSession session;
    Form3 about(session);
    about.showModeless();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const struct
    {
        const char *name;
        QString description;
        QString title;
    } links[] = {
        {"Label3", u"Контакты автора, Ивана Примерова"_s, u"О мне"_s},
        {"Label11", u"Контакты соавтора, Льва Тестова"_s, u"О соавторе"_s},
    };
    for (const auto &link : links) {
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(
            about.findChild<QLabel *>(QLatin1StringView(link.name)));
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), u"координаты"_s);
        QCOMPARE(button->text(QAccessible::Description), link.description);
        const qsizetype before = session.boxes.size();
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(session.boxes.size(), before + 1);
        QCOMPARE(session.boxes.last().title, link.title);
    }
    // The picture is decoration: the window lists only named things.
    QAccessibleInterface *client = QAccessible::queryAccessibleInterface(about.client());
    for (int i = 0; i < client->childCount(); ++i)
        QVERIFY2(!client->child(i)->text(QAccessible::Name).isEmpty(),
            qPrintable(client->child(i)->object()->objectName()));
}

void tst_HelpAbout::functionKeysBelongToTheMainWindow()
{
    MainWindow main;
    HELD(main.shown());
    main.window->HElP_cmd_Click();
    main.window->about_Click();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window == main.window.get() || !window->isVisible())
            continue;
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        for (const Qt::Key key : {Qt::Key_F3, Qt::Key_F4, Qt::Key_F5})
            QTest::keyClick(window, key);
    }
    QTest::qWait(20);
    QCOMPARE(main.window->Width(), 7500.0f);
    QCOMPARE(main.window->Height(), 2450.0f);
    QVERIFY(main.session.boxes.isEmpty());
}

QTEST_MAIN(tst_HelpAbout)
#include "tst_helpabout.moc"
