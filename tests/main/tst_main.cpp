#include "colourcode/colourtable.h"
#include "forms/application.h"
#include "forms/controls.h"
#include "main/geometry.h"
#include "support/announcements.h"
#include "support/literals.h"
#include "support/mainwindow.h"

#include <QAccessible>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTimer>

#include <functional>
#include <map>

using namespace Qt::StringLiterals;
using colourcode::CodeColour;

class tst_Main : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { forms::prepareApplication(); }

    void startsCollapsedWithoutLegend();
    void startsWithEmptyEntryAndPlainResistor();
    void legendIsPaintedBeforeItIsShown_data();
    void legendIsPaintedBeforeItIsShown();
    void fieldsTakeTheirLengthsAndFonts();
    void focusRunsThroughFieldsThenOptions();
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

    // The entry fields and the readout.
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

    // The bands.
    void solvePaintsTheBands_data();
    void solvePaintsTheBands();
    void bandsWithoutAColourKeepTheirs();
    void paintingNeverChangesTheTable();

    // Keys and focus.
    void functionKeysActWhileAMenuIsOpen_data();
    void functionKeysActWhileAMenuIsOpen();
    void typingOverASelectedDigitReplacesIt();
    void aLocaleThatWritesAPoint();
    void focusComesBackAfterABox_data();
    void focusComesBackAfterABox();
    void focusComesBackAfterARealBox_data();
    void focusComesBackAfterARealBox();

    // At rest.
    void readoutTimerRunsOnlyWhileTheReadoutCanChange();
    void everyCommandComesBackToRest();

    // The answer in words.
    void bandsSayTheirColours_data();
    void bandsSayTheirColours();
    void accessibilityTreeHoldsOnlyNamedThings();
    void commandLabelsArePushButtons();

    // Heard where the focus is not.
    void readoutIsSpokenOnceTheTypingSettles();
    void solveAndClearSpeakTheirResult();
    void togglesSayWhatTheyDid_data();
    void togglesSayWhatTheyDid();
};

namespace {

// The colour each row of the table must show, written out here in the order of its rows:
// silver, gold, black to white, and the body colour.
QColor shown(CodeColour colour)
{
    using namespace literal;
    static const literal::CodeColour rows[]
        = {Silver, Gold, Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Body};
    return rows[static_cast<std::size_t>(colour)].colour();
}

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

// Brings a freshly started window into one of the four states through its own commands.
void enterState(Form1 &window, int state)
{
    switch (state) {
    case 2:
        window.Lbl2_Click();
        break;
    case 3:
        window.Auther_Click();
        break;
    case 4:
        window.Auther_Click();
        window.Lbl2_Click();
        break;
    default:
        break;
    }
}

// Every timer of the window is idle: nothing happens until the user acts.
bool atRest(const Form1 &window)
{
    const auto timers = window.findChildren<QTimer *>();
    return std::none_of(
        timers.begin(), timers.end(), [](const QTimer *timer) { return timer->isActive(); });
}

void checkState(const MainWindow &main, int state)
{
    const GeometryState &expected = States[state];
    QCOMPARE(main.window->Width(), expected.width);
    QCOMPARE(main.window->Height(), expected.height);
    QCOMPARE(main.menuItem("Lbl2")->text(), expected.legend);
    QCOMPARE(main.menuItem("Auther")->text(), expected.window);
    // The platform window shows what the outer size leaves.
    QCOMPARE(main.window->centralWidget()->size(),
        QSize(forms::twipsToPixels(expected.width - 60),
            forms::twipsToPixels(expected.height - 650)));
}

} // namespace

void tst_Main::startsCollapsedWithoutLegend()
{
    MainWindow main;
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

void tst_Main::startsWithEmptyEntryAndPlainResistor()
{
    {
        // Before the first tick the readout still shows its design caption.
        ScriptedSession session;
        const Form1 unshown(session);
        QCOMPARE(unshown.findChild<QLabel *>(u"Label1"_s)->text(), u"Label1"_s);
    }
    MainWindow main;
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

void tst_Main::legendIsPaintedBeforeItIsShown_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("swatch");
    QTest::addColumn<QColor>("text");
    const QColor grey(128, 128, 128);
    const QColor white(255, 255, 255);
    const auto row = [](const char *tag, const char16_t *label, literal::CodeColour swatch,
                         const QColor &text) {
        QTest::newRow(tag) << QString::fromUtf16(label) << QString::fromUtf16(swatch.name)
                           << swatch.colour() << text;
    };
    row("silver", u"Label12", literal::Silver, grey);
    row("gold", u"Label13", literal::Gold, grey);
    row("black", u"Label14", literal::Black, white);
    row("brown", u"Label15", literal::Brown, white);
    row("red", u"Label16", literal::Red, white);
    row("orange", u"Label17", literal::Orange, white);
    row("yellow", u"Label18", literal::Yellow, grey);
    row("green", u"Label19", literal::Green, white);
    row("blue", u"Label20", literal::Blue, white);
    row("violet", u"Label21", literal::Violet, white);
    row("grey", u"Label22", literal::Grey, grey);
    row("white", u"Label23", literal::White, grey);
}

void tst_Main::legendIsPaintedBeforeItIsShown()
{
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(QColor, swatch);
    QFETCH(QColor, text);

    MainWindow main;
    // Widening only uncovers the legend; nothing paints it afresh.
    main.window->setWidth(9500);
    const QLabel *legend = main.control<QLabel>(qPrintable(label));
    QCOMPARE(legend->text(), caption);
    const QImage shown = main.window->grab().toImage();
    const QRect area(legend->mapTo(main.window.get(), QPoint()), legend->size());
    QVERIFY(main.window->rect().contains(area));
    QCOMPARE(shown.pixelColor(area.topLeft()), swatch);
    QCOMPARE(shown.pixelColor(area.bottomRight()), swatch);
    // The caption is written in its own colour, somewhere on the swatch.
    bool captionSeen = false;
    for (int y = area.top(); y <= area.bottom() && !captionSeen; ++y)
        for (int x = area.left(); x <= area.right() && !captionSeen; ++x)
            captionSeen = shown.pixelColor(x, y) == text;
    QVERIFY(captionSeen);
}

void tst_Main::fieldsTakeTheirLengthsAndFonts()
{
    MainWindow main;
    QCOMPARE(main.field("Text13")->maxLength(), 1);
    QCOMPARE(main.field("Text14")->maxLength(), 1);
    QCOMPARE(main.field("Text15")->maxLength(), 10);
    QCOMPARE(main.field("Text13")->font().pointSizeF(), 9.75);
    QCOMPARE(main.field("Text15")->font().pointSizeF(), 9.75);
    QCOMPARE(main.field("Text14")->font().pointSizeF(), 8.25);
    QVERIFY(QFontInfo(main.field("Text14")->font()).pixelSize()
        < QFontInfo(main.field("Text13")->font()).pixelSize());
}

void tst_Main::focusRunsThroughFieldsThenOptions()
{
    MainWindow main;
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

void tst_Main::functionKeysRunTheMenuItems_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("item");
    QTest::newRow("F1") << Qt::Key_F1 << u"HElP_cmd"_s;
    QTest::newRow("F2") << Qt::Key_F2 << u"about"_s;
    QTest::newRow("F3") << Qt::Key_F3 << u"Auther"_s;
    QTest::newRow("F4") << Qt::Key_F4 << u"Lbl2"_s;
    QTest::newRow("F5") << Qt::Key_F5 << u"Command1"_s;
}

void tst_Main::functionKeysRunTheMenuItems()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, item);
    MainWindow main;
    QSignalSpy triggered(main.menuItem(qPrintable(item)), &QAction::triggered);
    QTest::keyClick(main.window.get(), key);
    QCOMPARE(triggered.count(), 1);
    // "Выход" lives on the menu bar itself and has no key of its own.
    QVERIFY(main.menuItem("out_cmd2")->shortcut().isEmpty());
    QVERIFY(!main.menuItem("out_cmd2")->menu());
}

void tst_Main::geometryOfEachCommand_data()
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

void tst_Main::geometryOfEachCommand()
{
    QFETCH(GeometryCommand, command);
    QFETCH(geometry::Size, from);
    QFETCH(Settings, settings);
    QCOMPARE(command(from), settings);
}

void tst_Main::geometryStates_data()
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

void tst_Main::geometryStates()
{
    QFETCH(int, from);
    QFETCH(QString, command);
    QFETCH(int, to);
    MainWindow main;
    // A complete entry, so that Solve finds a nominal, or none.
    if (command != u"solve without data"_s)
        MainWindow::type(u"47100"_s);
    main.tick();
    enterState(*main.window, from);
    checkState(main, from);

    const std::map<QString, Qt::Key> keys {{u"legend toggle"_s, Qt::Key_F4},
        {u"solve"_s, Qt::Key_F5}, {u"solve without data"_s, Qt::Key_F5},
        {u"window toggle"_s, Qt::Key_F3}};
    if (command == u"clear"_s)
        QTest::mouseClick(main.control<QLabel>("Label4"), Qt::LeftButton);
    else
        QTest::keyClick(main.window.get(), keys.at(command));
    checkState(main, to);
    QCOMPARE(main.session.boxes.size(), command == u"solve without data"_s ? 1 : 0);
}

void tst_Main::solveWithoutDataOnlyReports()
{
    MainWindow main;
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
    checkState(main, 2);
}

void tst_Main::solveFromTheLabel()
{
    MainWindow main;
    MainWindow::type(u"472"_s);
    main.tick();
    QCOMPARE(main.readout(), u"470 Ом"_s);
    QTest::mouseClick(main.control<QLabel>("Label3"), Qt::LeftButton);
    QCOMPARE(main.field("Text15")->text(), u"100"_s);
    QCOMPARE(main.shownColour("Shape3"), QColor(255, 0, 0));
    checkState(main, 2);
    // Solve does not move the focus.
    QCOMPARE(QApplication::focusWidget(), main.field("Text15"));
    main.tick();
    QCOMPARE(main.readout(), u"4,7 КОм"_s);
}

void tst_Main::clearEmptiesAndKeepsTheRest()
{
    MainWindow main;
    MainWindow::type(u"47100"_s);
    QTest::mouseClick(main.control<QRadioButton>("Option3"), Qt::LeftButton);
    main.tick();
    main.window->Auther_Click();
    main.window->Command1_Click();
    checkState(main, 3);

    main.window->Label4_Click();
    checkState(main, 4);
    for (const char *name : {"Text13", "Text14", "Text15"})
        QVERIFY2(main.field(name)->text().isEmpty(), name);
    for (const char *band : {"Shape1", "Shape2", "Shape3", "Shape4"})
        QCOMPARE(main.shownColour(band), QColor(255, 192, 128));
    QCOMPARE(QApplication::focusWidget(), main.field("Text13"));
    QVERIFY(main.control<QRadioButton>("Option3")->isChecked());
    main.tick();
    QCOMPARE(main.readout(), u"Нет данных"_s);
}

void tst_Main::exitAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("fromLabel");
    QTest::newRow("No from the menu") << forms::vbNo << false;
    QTest::newRow("Yes from the menu") << forms::vbYes << false;
    QTest::newRow("No from the label") << forms::vbNo << true;
    QTest::newRow("Yes from the label") << forms::vbYes << true;
}

void tst_Main::exitAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, fromLabel);
    MainWindow main;
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
    checkState(main, 2);
    QCOMPARE(main.field("Text14")->text(), u"7"_s);
}

void tst_Main::closeBoxAsksLikeExit()
{
    MainWindow main;
    main.session.answers = {forms::vbNo};
    QVERIFY(!main.window->close());
    QVERIFY(main.window->isVisible());
    main.session.answers = {forms::vbYes};
    main.window->close();
    QCOMPARE(main.session.boxes.size(), 2);
    QCOMPARE(main.session.boxes[1].prompt, u"Завершить программу?"_s);
    QCOMPARE(main.session.ends, 1);
}

void tst_Main::typingFillsTheThreeFieldsInOneRun()
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

void tst_Main::nonNumericEditsAreUndone_data()
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

void tst_Main::nonNumericEditsAreUndone()
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

void tst_Main::dropsAreKeptWholeOrRefused_data()
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

void tst_Main::dropsAreKeptWholeOrRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, dropped);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Qt::DropAction, reported);
    QFETCH(QString, after);
    MainWindow main;
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

void tst_Main::emptiedFieldRemembersItsLastNumber()
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

void tst_Main::everyKeyHandsTheFocusOn()
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

void tst_Main::multiplierPassesThroughEachPrefix()
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

void tst_Main::enterInTheMultiplierDoesNothing()
{
    MainWindow main;
    MainWindow::type(u"47100"_s);
    main.tick();
    QTest::keyClick(main.field("Text15"), Qt::Key_Return);
    QTest::keyClick(main.field("Text15"), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), main.field("Text15"));
    QCOMPARE(main.field("Text15")->text(), u"100"_s);
    QCOMPARE(main.window->Width(), 7500.0f);
    QVERIFY(main.session.boxes.isEmpty());
}

void tst_Main::readoutStaysCentred()
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

void tst_Main::solvePaintsTheBands_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("multiplierAfter");
    QTest::addColumn<QList<CodeColour>>("bands");
    QTest::addColumn<QString>("readoutAfter");
    using C = CodeColour;
    const auto row = [](const char *typed, const char *option, const QString &after,
                         QList<CodeColour> bands, const QString &readout) {
        QTest::addRow("%s %s", typed, option)
            << QString::fromLatin1(typed) << QString::fromLatin1(option) << after << bands
            << readout;
    };
    row("47100", "Option3", u"100"_s, {C::ColorYellow, C::ColorViolet, C::ColorRed, C::ColorGold},
        u"4,7 КОм"_s);
    row("011", "Option1", u"1"_s, {C::ColorBlack, C::ColorBrown, C::ColorBlack, C::ColorBrown},
        u"1 Ом"_s);
    row("2310", "Option2", u"10"_s, {C::ColorRed, C::ColorOrange, C::ColorBrown, C::ColorRed},
        u"230 Ом"_s);
    row("452", "Option4", u"100"_s, {C::ColorYellow, C::ColorGreen, C::ColorRed, C::ColorSilver},
        u"4,5 КОм"_s);
    row("673", "Option5", u"1000"_s, {C::ColorBlue, C::ColorViolet, C::ColorOrange, C::ColorGreen},
        u"67 КОм"_s);
    row("894", "Option6", u"10000"_s, {C::ColorGrey, C::ColorWhite, C::ColorYellow, C::ColorBlue},
        u"890 КОм"_s);
    row("105", "Option7", u"100000"_s,
        {C::ColorBrown, C::ColorBlack, C::ColorGreen, C::ColorViolet}, u"1 МОм"_s);
    row("126", "Option8", u"1000000"_s, {C::ColorBrown, C::ColorRed, C::ColorBlue, C::ColorGrey},
        u"12 МОм"_s);
    row("337", "Option9", u"10000000"_s,
        {C::ColorOrange, C::ColorOrange, C::ColorViolet, C::ColorBody}, u"330 МОм"_s);
    row("558", "", u"100000000"_s, {C::ColorGreen, C::ColorGreen, C::ColorGrey, C::ColorBody},
        u"5,5 ГОм"_s);
    row("669", "Option3", u"1000000000"_s,
        {C::ColorBlue, C::ColorBlue, C::ColorWhite, C::ColorGold}, u"66 ГОм"_s);
    row("7711", "Option3", u"1000000000"_s,
        {C::ColorViolet, C::ColorViolet, C::ColorWhite, C::ColorGold}, u"77 ГОм"_s);
    row("990,1", "Option3", u"0,1"_s, {C::ColorWhite, C::ColorWhite, C::ColorGold, C::ColorGold},
        u"9,9 Ом"_s);
    row("990,01", "Option4", u"0,01"_s,
        {C::ColorWhite, C::ColorWhite, C::ColorSilver, C::ColorSilver}, u"0,99 Ом"_s);
}

void tst_Main::solvePaintsTheBands()
{
    QFETCH(QString, typed);
    QFETCH(QString, option);
    QFETCH(QString, multiplierAfter);
    QFETCH(QList<CodeColour>, bands);
    QFETCH(QString, readoutAfter);
    MainWindow main;
    MainWindow::type(typed);
    if (!option.isEmpty())
        QTest::mouseClick(main.control<QRadioButton>(qPrintable(option)), Qt::LeftButton);
    main.tick();
    QTest::keyClick(main.window.get(), Qt::Key_F5);
    QCOMPARE(main.field("Text15")->text(), multiplierAfter);
    const char *shapes[] = {"Shape1", "Shape2", "Shape3", "Shape4"};
    for (int band = 0; band < 4; ++band)
        QCOMPARE(main.shownColour(shapes[band]), shown(bands[band]));
    // The rewritten multiplier passed the guard and the readout follows it.
    main.tick();
    QCOMPARE(main.readout(), readoutAfter);
}

void tst_Main::bandsWithoutAColourKeepTheirs()
{
    MainWindow main;
    MainWindow::type(u"47100"_s);
    QTest::mouseClick(main.control<QRadioButton>("Option3"), Qt::LeftButton);
    main.tick();
    main.window->Command1_Click();
    // 0,5 matches no row: band 3 and the field keep what they had; the readout too.
    QLineEdit *multiplier = main.field("Text15");
    multiplier->setText(u"0,5"_s);
    main.tick();
    QCOMPARE(main.readout(), u"4,7 КОм"_s);
    main.window->Command1_Click();
    QCOMPARE(multiplier->text(), u"0,5"_s);
    QCOMPARE(main.shownColour("Shape3"), shown(CodeColour::ColorRed));
    // A field emptied since the last tick reaches the painters: its band stays, the others
    // are painted, nothing ends.
    multiplier->setText(u"1000"_s);
    main.field("Text13")->setText(QString());
    main.window->Command1_Click();
    QCOMPARE(main.shownColour("Shape1"), shown(CodeColour::ColorYellow));
    QCOMPARE(main.shownColour("Shape3"), shown(CodeColour::ColorOrange));
}

void tst_Main::paintingNeverChangesTheTable()
{
    MainWindow main;
    main.window->setWidth(9500);
    const QImage before = main.window->grab().toImage();
    for (const char *typed : {"47100", "0025", "990,01"}) {
        main.window->Label4_Click();
        MainWindow::type(QString::fromLatin1(typed));
        QTest::mouseClick(main.control<QRadioButton>("Option9"), Qt::LeftButton);
        main.tick();
        main.window->Command1_Click();
    }
    main.window->Label4_Click();
    main.window->setWidth(9500);
    // Cleared bands take the body colour again, and the legend is as it was.
    QCOMPARE(main.window->grab().toImage().copy(496, 0, 133, 120), before.copy(496, 0, 133, 120));
    for (const char *band : {"Shape1", "Shape2", "Shape3", "Shape4"})
        QCOMPARE(main.shownColour(band), shown(CodeColour::ColorBody));
}

void tst_Main::bandsSayTheirColours_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("colours");
    QTest::newRow("4,7 КОм 5%") << u"47100"_s << u"Option3"_s
                                << QStringList {
                                       u"Желтый"_s, u"Фиолетовый"_s, u"Красный"_s, u"Золотой"_s};
    QTest::newRow("33 МОм 20%") << u"337"_s << u"Option9"_s
                                << QStringList {u"Оранжевый"_s, u"Оранжевый"_s, u"Фиолетовый"_s,
                                       u"Без цвета"_s};
}

void tst_Main::bandsSayTheirColours()
{
    QFETCH(QString, typed);
    QFETCH(QString, option);
    QFETCH(QStringList, colours);
    const QString roles[] = {u"Полоса 1, первая цифра: "_s, u"Полоса 2, вторая цифра: "_s,
        u"Полоса 3, множитель: "_s, u"Полоса 4, допуск: "_s};
    const char *const bands[] = {"Shape1", "Shape2", "Shape3", "Shape4"};
    MainWindow main;
    const auto says = [&](const QStringList &expected) {
        for (int band = 0; band < 4; ++band) {
            const QWidget *shape = main.control<QWidget>(bands[band]);
            QCOMPARE(shape->toolTip(), roles[band] + expected[band]);
            QCOMPARE(shape->accessibleName(), roles[band] + expected[band]);
        }
        QCOMPARE(main.control<QWidget>("Shape5")->accessibleName(),
            u"Резистор: "_s + expected.join(u", "_s));
    };
    const QStringList plain(4, u"Без цвета"_s);
    says(plain);

    MainWindow::type(typed);
    QTest::mouseClick(main.control<QRadioButton>(qPrintable(option)), Qt::LeftButton);
    main.tick();
    QTest::keyClick(main.window.get(), Qt::Key_F5);
    says(colours);

    QTest::mouseClick(main.control<QLabel>("Label4"), Qt::LeftButton);
    says(plain);
}

void tst_Main::accessibilityTreeHoldsOnlyNamedThings()
{
    MainWindow main;
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

void tst_Main::commandLabelsArePushButtons()
{
    MainWindow main;
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

void tst_Main::readoutTimerRunsOnlyWhileTheReadoutCanChange()
{
    MainWindow main;
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

void tst_Main::everyCommandComesBackToRest()
{
    MainWindow main;
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

void tst_Main::functionKeysActWhileAMenuIsOpen_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<Qt::Key>("key");
    for (const char *menu : {"upr", "help"}) {
        for (const Qt::Key key : {Qt::Key_F3, Qt::Key_F4, Qt::Key_F5})
            QTest::addRow("%s F%d", menu, key - Qt::Key_F1 + 1) << QString::fromLatin1(menu) << key;
    }
}

void tst_Main::functionKeysActWhileAMenuIsOpen()
{
    QFETCH(QString, menu);
    QFETCH(Qt::Key, key);
    MainWindow main;
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
    default:
        QTRY_COMPARE(main.session.boxes.size(), 1);
        QCOMPARE(main.session.boxes[0].prompt, u"Ошибка №1. Нет данных"_s);
        break;
    }
    // Any other key is still the menu's own.
    open->popup(main.window->mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(open->isVisible());
    QTest::keyClick(open, Qt::Key_F6);
    QTest::keyClick(open, Qt::Key_Escape);
    QTRY_VERIFY(!open->isVisible());
}

void tst_Main::typingOverASelectedDigitReplacesIt()
{
    MainWindow main;
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

void tst_Main::aLocaleThatWritesAPoint()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    MainWindow main;
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

namespace {

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

void ask(Form1 &window, Asking way)
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
        // "Решить" is the last item of the first menu.
        QTest::keyClick(&window, Qt::Key_Alt);
        QTest::keyClick(bar, Qt::Key_Return);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        break;
    case Asking::SolveLabel:
        QTest::mouseClick(window.findChild<QLabel *>(u"Label3"_s), Qt::LeftButton);
        break;
    }
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

void tst_Main::focusComesBackAfterABox_data()
{
    addAskingRows();
}

void tst_Main::focusComesBackAfterABox()
{
    QFETCH(Asking, way);
    MainWindow main;
    QTRY_COMPARE(main.readout(), u"Нет данных"_s);
    MainWindow::type(u"4"_s);
    QCOMPARE(QApplication::focusWidget(), main.field("Text14"));
    ask(*main.window, way);
    QTRY_COMPARE(main.session.boxes.size(), 1);
    QTRY_COMPARE(QApplication::focusWidget(), main.field("Text14"));
    // The next digit goes into that field, never to the menu bar.
    MainWindow::type(u"7"_s);
    QCOMPARE(main.field("Text14")->text(), u"7"_s);
    QCOMPARE(main.session.ends, 0);
}

void tst_Main::focusComesBackAfterARealBox_data()
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

void tst_Main::focusComesBackAfterARealBox()
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
    ask(window, way);
    QTRY_VERIFY(answered);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QTRY_COMPARE(QApplication::focusWidget(), second);
    MainWindow::type(u"7"_s);
    QCOMPARE(second->text(), u"7"_s);
    QVERIFY(window.isVisible());
}

void tst_Main::readoutIsSpokenOnceTheTypingSettles()
{
    Announcements heard;
    MainWindow main;
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

void tst_Main::solveAndClearSpeakTheirResult()
{
    Announcements heard;
    MainWindow main;
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

void tst_Main::togglesSayWhatTheyDid_data()
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

void tst_Main::togglesSayWhatTheyDid()
{
    QFETCH(int, state);
    QFETCH(Qt::Key, key);
    QFETCH(QString, spoken);
    Announcements heard;
    MainWindow main;
    enterState(*main.window, state);
    QTest::qWait(0);
    heard.clear();
    QTest::keyClick(main.window.get(), key);
    QTRY_COMPARE(heard.texts(), QStringList {spoken});
    QTest::qWait(20);
    QCOMPARE(heard.texts(), QStringList {spoken});
    QCOMPARE(QApplication::focusWidget(), main.field("Text13"));
}

QTEST_MAIN(tst_Main)
#include "tst_main.moc"
