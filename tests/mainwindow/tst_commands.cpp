// The commands of the menu, the function keys and the command labels: the window's four sizes,
// solving, clearing, leaving, and the focus after a message box.
#include "forms/application.h"
#include "mainwindow/geometry.h"
#include "support/literals.h"
#include "support/mainwindow.h"

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>

#include <map>

using namespace Qt::StringLiterals;

namespace {

struct GeometryState
{
    float width;
    float height;
    QString legend;
    QString window;
};

const GeometryState States[] = {
    {},
    {7500, 2450, u"Легенда ->"_s, u"Развернуть окно"_s},
    {9500, 2450, u"Легенда <-"_s, u"Развернуть окно"_s},
    {9500, 4440, u"Легенда <-"_s, u"Свернуть окно"_s},
    {7500, 4440, u"Легенда ->"_s, u"Свернуть окно"_s},
};

// What a command sets, written as the window's members are named.
using geometry::Setting;
using GeometryCommand = std::vector<Setting> (*)(geometry::Size);
using Settings = std::vector<Setting>;

Setting Lbl2(const char16_t *caption)
{
    return {Setting::Target::LegendCaption, QString::fromUtf16(caption)};
}

Setting Auther(const char16_t *caption)
{
    return {Setting::Target::WindowCaption, QString::fromUtf16(caption)};
}

Setting Width(float twips)
{
    return {Setting::Target::Width, {}, twips};
}

Setting Height(float twips)
{
    return {Setting::Target::Height, {}, twips};
}

// Whether the window is in one of its four states: its outer size, the captions of the two
// toggles, and what the platform window shows of it.
bool inState(const MainWindow &main, int state)
{
    const GeometryState &expected = States[state];
    HELPER_COMPARE(main.window->Width(), expected.width);
    HELPER_COMPARE(main.window->Height(), expected.height);
    HELPER_COMPARE(main.menuItem("Lbl2")->text(), expected.legend);
    HELPER_COMPARE(main.menuItem("Auther")->text(), expected.window);
    // The platform window shows what the outer size leaves.
    HELPER_COMPARE(main.window->centralWidget()->size(),
        QSize(forms::twipsToPixels(expected.width - 60),
            forms::twipsToPixels(expected.height - 650)));
    return true;
}

// Ways to the two questions: the exit question and the no-data error.
enum class Asking {
    MenuBarKeys,
    MenuBarMouse,
    ExitLabel,
    CloseBox,
    SolveKey,
    SolveMenuKeys,
    SolveLabel
};

bool ask(Form1 &window, Asking way)
{
    QMenuBar *bar = window.menuBar();
    switch (way) {
    case Asking::MenuBarKeys:
        // Alt enters the menu bar; "Выход" is its third item.
        QTest::keyClick(&window, Qt::Key_Alt);
        QTest::keyClick(bar, Qt::Key_Right);
        QTest::keyClick(bar, Qt::Key_Right);
        QTest::keyClick(bar, Qt::Key_Return);
        break;
    case Asking::MenuBarMouse:
        QTest::mouseClick(bar, Qt::LeftButton, {},
            bar->actionGeometry(window.findChild<QAction *>(u"out_cmd2"_s)).center());
        break;
    case Asking::ExitLabel:
        QTest::mouseClick(window.findChild<QLabel *>(u"Label5"_s), Qt::LeftButton);
        break;
    case Asking::CloseBox:
        window.close();
        break;
    case Asking::SolveKey:
        QTest::keyClick(&window, Qt::Key_F5);
        break;
    case Asking::SolveMenuKeys:
        // "Решить" is the last of the main window's own items of the first menu, above
        // "Номинал по цветам", "Номинал по маркировке SMD" and "Подбор из стандартных
        // номиналов".
        QTest::keyClick(&window, Qt::Key_Alt);
        QTest::keyClick(bar, Qt::Key_Return);
        HELPER_VERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget(); }));
        for (int item = 0; item < 4; ++item)
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        break;
    case Asking::SolveLabel:
        QTest::mouseClick(window.findChild<QLabel *>(u"Label3"_s), Qt::LeftButton);
        break;
    }
    return true;
}

void addAskingRows()
{
    QTest::addColumn<Asking>("way");
    QTest::newRow("exit from the menu bar by keys") << Asking::MenuBarKeys;
    QTest::newRow("exit from the menu bar by mouse") << Asking::MenuBarMouse;
    QTest::newRow("exit from its label") << Asking::ExitLabel;
    QTest::newRow("exit from the close box") << Asking::CloseBox;
    QTest::newRow("no data from F5") << Asking::SolveKey;
    QTest::newRow("no data from the menu by keys") << Asking::SolveMenuKeys;
    QTest::newRow("no data from its label") << Asking::SolveLabel;
}

} // namespace

class tst_Commands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { forms::prepareApplication(); }

    void functionKeysRunTheMenuItems_data();
    void functionKeysRunTheMenuItems();
    void geometryOfEachCommand_data();
    void geometryOfEachCommand();
    void geometryStates_data();
    void geometryStates();
    void solveWithoutDataOnlyReports();
    void solveFromTheLabel();
    void clearEmptiesAndKeepsTheRest();
    void exitAsksFirst_data();
    void exitAsksFirst();
    void closeBoxAsksLikeExit();
    void functionKeysActWhileAMenuIsOpen_data();
    void functionKeysActWhileAMenuIsOpen();
    void focusComesBackAfterABox_data();
    void focusComesBackAfterABox();
    void focusComesBackAfterARealBox_data();
    void focusComesBackAfterARealBox();
    void everyCommandComesBackToRest();
};

void tst_Commands::functionKeysRunTheMenuItems_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("item");
    QTest::newRow("F1") << Qt::Key_F1 << u"HElP_cmd"_s;
    QTest::newRow("F2") << Qt::Key_F2 << u"about"_s;
    QTest::newRow("F3") << Qt::Key_F3 << u"Auther"_s;
    QTest::newRow("F4") << Qt::Key_F4 << u"Lbl2"_s;
    QTest::newRow("F5") << Qt::Key_F5 << u"Command1"_s;
}

void tst_Commands::functionKeysRunTheMenuItems()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, item);
    MainWindow main;
    HELD(main.shown());
    QSignalSpy triggered(main.menuItem(qPrintable(item)), &QAction::triggered);
    QTest::keyClick(main.window.get(), key);
    QCOMPARE(triggered.count(), 1);
    // "Выход" lives on the menu bar itself and has no key of its own.
    QVERIFY(main.menuItem("out_cmd2")->shortcut().isEmpty());
    QVERIFY(!main.menuItem("out_cmd2")->menu());
}

void tst_Commands::geometryOfEachCommand_data()
{
    QTest::addColumn<GeometryCommand>("command");
    QTest::addColumn<geometry::Size>("from");
    QTest::addColumn<Settings>("settings");
    // Every command from each of the four states, and from a size that is none of them.
    const geometry::Size state1 {7500, 2450}, state2 {9500, 2450}, state3 {9500, 4440},
        state4 {7500, 4440}, neither {8000, 3000};
    const auto row
        = [](const char *tag, GeometryCommand command, geometry::Size from,
              const Settings &settings) { QTest::newRow(tag) << command << from << settings; };
    const Settings show {Lbl2(u"Легенда <-"), Width(9500)};
    const Settings hide {Lbl2(u"Легенда ->"), Width(7500)};
    row("legend toggle from 1", geometry::legendToggle, state1, show);
    row("legend toggle from 2", geometry::legendToggle, state2, hide);
    row("legend toggle from 3", geometry::legendToggle, state3, hide);
    row("legend toggle from 4", geometry::legendToggle, state4, show);
    row("legend toggle from neither", geometry::legendToggle, neither,
        {Lbl2(u"Легенда ->"), Width(6000)});
    // A shown legend: narrowed and widened again within the one command.
    const Settings hideAndShow {Lbl2(u"Легенда ->"), Width(7500), Lbl2(u"Легенда <-"), Width(9500)};
    row("solve from 1", geometry::solve, state1, show);
    row("solve from 2", geometry::solve, state2, hideAndShow);
    row("solve from 3", geometry::solve, state3, hideAndShow);
    row("solve from 4", geometry::solve, state4, show);
    row("solve from neither", geometry::solve, neither, {Lbl2(u"Легенда ->"), Width(6000)});
    row("clear from 1", geometry::clear, state1, {});
    row("clear from 2", geometry::clear, state2, hide);
    row("clear from 3", geometry::clear, state3, hide);
    row("clear from 4", geometry::clear, state4, {});
    row("clear from neither", geometry::clear, neither, {Lbl2(u"Легенда ->"), Width(6000)});
    const Settings expand {
        Width(7500), Auther(u"Свернуть окно"), Height(4440), Lbl2(u"Легенда <-"), Width(9500)};
    const Settings collapse {
        Auther(u"Развернуть окно"), Height(2450), Lbl2(u"Легенда ->"), Width(7500)};
    row("window toggle from 1", geometry::windowToggle, state1, expand);
    row("window toggle from 2", geometry::windowToggle, state2, expand);
    row("window toggle from 3", geometry::windowToggle, state3, collapse);
    row("window toggle from 4", geometry::windowToggle, state4, collapse);
    row("window toggle from neither", geometry::windowToggle, neither,
        {Auther(u"Развернуть окно"), Height(1010), Lbl2(u"Легенда ->"), Width(7500)});
}

void tst_Commands::geometryOfEachCommand()
{
    QFETCH(GeometryCommand, command);
    QFETCH(geometry::Size, from);
    QFETCH(Settings, settings);
    QCOMPARE(command(from), settings);
}

void tst_Commands::geometryStates_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("to");
    // Each command on the window, from a state it changes.
    QTest::newRow("legend toggle from 3") << 3 << u"legend toggle"_s << 4;
    QTest::newRow("solve from 4") << 4 << u"solve"_s << 3;
    QTest::newRow("solve from 2") << 2 << u"solve"_s << 2;
    QTest::newRow("solve without data from 2") << 2 << u"solve without data"_s << 2;
    QTest::newRow("clear from 3") << 3 << u"clear"_s << 4;
    QTest::newRow("window toggle from 1") << 1 << u"window toggle"_s << 3;
    QTest::newRow("window toggle from 4") << 4 << u"window toggle"_s << 1;
}

void tst_Commands::geometryStates()
{
    QFETCH(int, from);
    QFETCH(QString, command);
    QFETCH(int, to);
    MainWindow main;
    HELD(main.shown());
    // A complete entry, so that Solve finds a nominal, or none.
    if (command != u"solve without data"_s)
        MainWindow::type(u"47100"_s);
    main.tick();
    enterState(*main.window, from);
    HELD(inState(main, from));

    const std::map<QString, Qt::Key> keys {{u"legend toggle"_s, Qt::Key_F4},
        {u"solve"_s, Qt::Key_F5}, {u"solve without data"_s, Qt::Key_F5},
        {u"window toggle"_s, Qt::Key_F3}};
    if (command == u"clear"_s)
        QTest::mouseClick(main.control<QLabel>("Label4"), Qt::LeftButton);
    else
        QTest::keyClick(main.window.get(), keys.at(command));
    HELD(inState(main, to));
    QCOMPARE(main.session.boxes.size(), command == u"solve without data"_s ? 1 : 0);
}

void tst_Commands::solveWithoutDataOnlyReports()
{
    MainWindow main;
    HELD(main.shown());
    MainWindow::type(u"47100"_s);
    main.tick();
    main.window->Command1_Click();
    const QImage painted = main.window->grab().toImage();
    // Emptying a field turns the readout into "Нет данных" on the next tick.
    main.field("Text14")->setText(QString());
    main.tick();
    QCOMPARE(main.readout(), u"Нет данных"_s);
    QTest::keyClick(main.window.get(), Qt::Key_F5);
    QCOMPARE(main.session.boxes.size(), 1);
    QCOMPARE(main.session.boxes[0].prompt, u"Ошибка №1. Нет данных"_s);
    QCOMPARE(main.session.boxes[0].title, QString::fromUtf16(literal::ProgramTitle));
    QCOMPARE(main.session.boxes[0].style, 16);
    // Bands, fields and geometry as they were.
    QCOMPARE(main.window->grab().toImage().copy(280, 0, 349, 120), painted.copy(280, 0, 349, 120));
    QCOMPARE(main.field("Text15")->text(), u"100"_s);
    HELD(inState(main, 2));
}

void tst_Commands::solveFromTheLabel()
{
    MainWindow main;
    HELD(main.shown());
    MainWindow::type(u"472"_s);
    main.tick();
    QCOMPARE(main.readout(), u"470 Ом"_s);
    QTest::mouseClick(main.control<QLabel>("Label3"), Qt::LeftButton);
    QCOMPARE(main.field("Text15")->text(), u"100"_s);
    QCOMPARE(main.shownColour("Shape3"), QColor(255, 0, 0));
    HELD(inState(main, 2));
    // Solve does not move the focus.
    QCOMPARE(QApplication::focusWidget(), main.field("Text15"));
    main.tick();
    QCOMPARE(main.readout(), u"4,7 КОм"_s);
}

void tst_Commands::clearEmptiesAndKeepsTheRest()
{
    MainWindow main;
    HELD(main.shown());
    MainWindow::type(u"47100"_s);
    QTest::mouseClick(main.control<QRadioButton>("Option3"), Qt::LeftButton);
    main.tick();
    main.window->Auther_Click();
    main.window->Command1_Click();
    HELD(inState(main, 3));

    main.window->Label4_Click();
    HELD(inState(main, 4));
    for (const char *name : {"Text13", "Text14", "Text15"})
        QVERIFY2(main.field(name)->text().isEmpty(), name);
    for (const char *band : {"Shape1", "Shape2", "Shape3", "Shape4"})
        QCOMPARE(main.shownColour(band), QColor(255, 192, 128));
    QCOMPARE(QApplication::focusWidget(), main.field("Text13"));
    QVERIFY(main.control<QRadioButton>("Option3")->isChecked());
    main.tick();
    QCOMPARE(main.readout(), u"Нет данных"_s);
}

void tst_Commands::exitAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("fromLabel");
    QTest::newRow("No from the menu") << forms::vbNo << false;
    QTest::newRow("Yes from the menu") << forms::vbYes << false;
    QTest::newRow("No from the label") << forms::vbNo << true;
    QTest::newRow("Yes from the label") << forms::vbYes << true;
}

void tst_Commands::exitAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, fromLabel);
    MainWindow main;
    HELD(main.shown());
    MainWindow::type(u"47"_s);
    main.window->Lbl2_Click();
    main.session.answers = {answer};
    if (fromLabel)
        QTest::mouseClick(main.control<QLabel>("Label5"), Qt::LeftButton);
    else
        main.menuItem("out_cmd2")->trigger();
    QCOMPARE(main.session.boxes.size(), 1);
    QCOMPARE(main.session.boxes[0].prompt, u"Завершить программу?"_s);
    QCOMPARE(main.session.boxes[0].title, u"Завершение работы"_s);
    QCOMPARE(main.session.boxes[0].style, 36);
    QCOMPARE(main.session.ends, answer == forms::vbYes ? 1 : 0);
    HELD(inState(main, 2));
    QCOMPARE(main.field("Text14")->text(), u"7"_s);
}

void tst_Commands::closeBoxAsksLikeExit()
{
    MainWindow main;
    HELD(main.shown());
    main.session.answers = {forms::vbNo};
    QVERIFY(!main.window->close());
    QVERIFY(main.window->isVisible());
    main.session.answers = {forms::vbYes};
    main.window->close();
    QCOMPARE(main.session.boxes.size(), 2);
    QCOMPARE(main.session.boxes[1].prompt, u"Завершить программу?"_s);
    QCOMPARE(main.session.ends, 1);
}

void tst_Commands::functionKeysActWhileAMenuIsOpen_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<Qt::Key>("key");
    for (const char *menu : {"upr", "help"}) {
        for (const Qt::Key key :
            {Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8})
            QTest::addRow("%s F%d", menu, key - Qt::Key_F1 + 1) << QString::fromLatin1(menu) << key;
    }
}

void tst_Commands::functionKeysActWhileAMenuIsOpen()
{
    QFETCH(QString, menu);
    QFETCH(Qt::Key, key);
    MainWindow main;
    HELD(main.shown());
    QTRY_COMPARE(main.readout(), u"Нет данных"_s);
    QMenu *open = main.control<QMenu>(qPrintable(menu));
    open->popup(main.window->mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(open->isVisible());
    QTest::keyClick(open, key);
    // The menu closes and the command runs, as it would with the menu closed.
    QTRY_VERIFY(!open->isVisible());
    switch (key) {
    case Qt::Key_F3:
        QTRY_COMPARE(main.window->Height(), 4440.0f);
        break;
    case Qt::Key_F4:
        QTRY_COMPARE(main.window->Width(), 9500.0f);
        break;
    case Qt::Key_F6:
    case Qt::Key_F7:
    case Qt::Key_F8: {
        QWidget *reading = nullptr;
        QTRY_VERIFY((reading = QApplication::activeWindow()) != main.window.get());
        const QString titles[] {u"Определяем номинал из цветов резистора"_s,
            u"Определяем номинал по маркировке SMD-резистора"_s,
            u"Подбираем номинал из стандартных резисторов"_s};
        QCOMPARE(reading->windowTitle(), titles[key - Qt::Key_F6]);
        reading->close();
        break;
    }
    default:
        QTRY_COMPARE(main.session.boxes.size(), 1);
        QCOMPARE(main.session.boxes[0].prompt, u"Ошибка №1. Нет данных"_s);
        break;
    }
    // Any other key is still the menu's own.
    open->popup(main.window->mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(open->isVisible());
    QTest::keyClick(open, Qt::Key_F7);
    QTest::keyClick(open, Qt::Key_Escape);
    QTRY_VERIFY(!open->isVisible());
}

void tst_Commands::focusComesBackAfterABox_data()
{
    addAskingRows();
}

void tst_Commands::focusComesBackAfterABox()
{
    QFETCH(Asking, way);
    MainWindow main;
    HELD(main.shown());
    QTRY_COMPARE(main.readout(), u"Нет данных"_s);
    MainWindow::type(u"4"_s);
    QCOMPARE(QApplication::focusWidget(), main.field("Text14"));
    HELD(ask(*main.window, way));
    QTRY_COMPARE(main.session.boxes.size(), 1);
    QTRY_COMPARE(QApplication::focusWidget(), main.field("Text14"));
    // The next digit goes into that field, never to the menu bar.
    MainWindow::type(u"7"_s);
    QCOMPARE(main.field("Text14")->text(), u"7"_s);
    QCOMPARE(main.session.ends, 0);
}

void tst_Commands::focusComesBackAfterARealBox_data()
{
    QTest::addColumn<Asking>("way");
    QTest::addColumn<QString>("answer");
    for (const QString &answer : {u"Escape"_s, u"Enter on Нет"_s, u"click Нет"_s}) {
        QTest::addRow("exit from the menu bar by keys, %s", qPrintable(answer))
            << Asking::MenuBarKeys << answer;
        QTest::addRow("exit from its label, %s", qPrintable(answer)) << Asking::ExitLabel << answer;
    }
    QTest::newRow("no data from F5, Escape") << Asking::SolveKey << u"Escape"_s;
    QTest::newRow("no data from the menu by keys, Enter")
        << Asking::SolveMenuKeys << u"Enter on OK"_s;
}

void tst_Commands::focusComesBackAfterARealBox()
{
    QFETCH(Asking, way);
    QFETCH(QString, answer);
    forms::QtSession session;
    Form1 window(session);
    window.showCentred();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLineEdit *second = window.findChild<QLineEdit *>(u"Text14"_s);
    QTRY_COMPARE(window.findChild<QLabel *>(u"Label1"_s)->text(), u"Нет данных"_s);
    MainWindow::type(u"4"_s);
    QCOMPARE(QApplication::focusWidget(), second);

    bool answered = false;
    QTimer answering;
    connect(&answering, &QTimer::timeout, &answering, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || answered)
            return;
        answered = true;
        QAbstractButton *no = box->button(QMessageBox::No);
        if (answer == u"Escape"_s) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (answer == u"click Нет"_s) {
            QTest::mouseClick(no, Qt::LeftButton);
        } else {
            QAbstractButton *button = no ? no : box->button(QMessageBox::Ok);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
        }
    });
    answering.start(10);
    HELD(ask(window, way));
    QTRY_VERIFY(answered);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QTRY_COMPARE(QApplication::focusWidget(), second);
    MainWindow::type(u"7"_s);
    QCOMPARE(second->text(), u"7"_s);
    QVERIFY(window.isVisible());
}

void tst_Commands::everyCommandComesBackToRest()
{
    MainWindow main;
    HELD(main.shown());
    const QTimer *timer = main.control<QTimer>("Timer1");
    const struct
    {
        const char *what;
        std::function<void()> act;
        QString readout;
    } steps[] = {
        {"typing", [] { MainWindow::type(u"4710"_s); }, u"470 Ом"_s},
        {"F5", [&] { QTest::keyClick(main.window.get(), Qt::Key_F5); }, u"470 Ом"_s},
        {"F3", [&] { QTest::keyClick(main.window.get(), Qt::Key_F3); }, u"470 Ом"_s},
        {"F4", [&] { QTest::keyClick(main.window.get(), Qt::Key_F4); }, u"470 Ом"_s},
        {"a short multiplier", [&] { main.field("Text15")->setText(u"3"_s); }, u"4,7 КОм"_s},
        {"F5 writes it out", [&] { QTest::keyClick(main.window.get(), Qt::Key_F5); }, u"47 КОм"_s},
        {"Очистить", [&] { QTest::mouseClick(main.control<QLabel>("Label4"), Qt::LeftButton); },
            u"Нет данных"_s},
        {"F5 without data", [&] { QTest::keyClick(main.window.get(), Qt::Key_F5); },
            u"Нет данных"_s},
        {"Выход answered No",
            [&] { QTest::mouseClick(main.control<QLabel>("Label5"), Qt::LeftButton); },
            u"Нет данных"_s},
    };
    for (const auto &step : steps) {
        step.act();
        QTRY_VERIFY2(!timer->isActive(), step.what);
        QTRY_VERIFY2(atRest(*main.window), step.what);
        QVERIFY2(main.readout() == step.readout, step.what);
    }
    QCOMPARE(main.field("Text15")->text(), QString());
    QCOMPARE(main.session.boxes.size(), 2);
}

QTEST_MAIN(tst_Commands)
#include "tst_commands.moc"
