// A long random session on the main window, with a fixed seed: after every action the window
// must still keep its promises. On a failure it prints the seed and the shortest failing
// sequence of actions it can find. TSVETOZNAK_SESSION_SEED and TSVETOZNAK_SESSION_ACTIONS
// choose another session.
#include "forms/application.h"
#include "forms/controls.h"
#include "formsvalues/numbers.h"
#include "support/literals.h"
#include "support/mainwindow.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct Action
{
    enum Kind { Key, FocusField, Option, WindowToggle, LegendToggle, Solve, Clear } kind;
    int argument = 0;
};

// Keys typed into whatever has the focus: digits, letters, both separators, signs, blanks
// and Backspace.
const int Keys[] = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6,
    Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_0, Qt::Key_1, Qt::Key_A, Qt::Key_E, Qt::Key_X, ',',
    '.', '+', '-', Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Backspace};
const char *const Fields[] = {"Text13", "Text14", "Text15"};

QString describe(const Action &action)
{
    switch (action.kind) {
    case Action::Key:
        return action.argument == Qt::Key_Backspace ? u"Backspace"_s
                                                    : u"key '%1'"_s.arg(QChar(action.argument));
    case Action::FocusField:
        return u"click %1"_s.arg(QLatin1StringView(Fields[action.argument]));
    case Action::Option:
        return u"click Option%1"_s.arg(action.argument);
    case Action::WindowToggle:
        return u"F3"_s;
    case Action::LegendToggle:
        return u"F4"_s;
    case Action::Solve:
        return u"F5"_s;
    case Action::Clear:
        return u"click Очистить"_s;
    }
    return {};
}

Action randomAction(QRandomGenerator &random)
{
    const int roll = random.bounded(100);
    if (roll < 60)
        return {Action::Key, Keys[random.bounded(int(std::size(Keys)))]};
    if (roll < 72)
        return {Action::FocusField, random.bounded(3)};
    if (roll < 80)
        return {Action::Option, random.bounded(1, 10)};
    if (roll < 85)
        return {Action::WindowToggle};
    if (roll < 90)
        return {Action::LegendToggle};
    if (roll < 96)
        return {Action::Solve};
    return {Action::Clear};
}

void perform(MainWindow &main, const Action &action)
{
    switch (action.kind) {
    case Action::Key:
        if (QWidget *focused = QApplication::focusWidget())
            QTest::keyClick(focused, static_cast<Qt::Key>(action.argument));
        break;
    case Action::FocusField:
        QTest::mouseClick(main.field(Fields[action.argument]), Qt::LeftButton);
        break;
    case Action::Option:
        QTest::mouseClick(
            main.control<QRadioButton>(qPrintable(u"Option%1"_s.arg(action.argument))),
            Qt::LeftButton);
        break;
    case Action::WindowToggle:
        QTest::keyClick(main.window.get(), Qt::Key_F3);
        break;
    case Action::LegendToggle:
        QTest::keyClick(main.window.get(), Qt::Key_F4);
        break;
    case Action::Solve:
        QTest::keyClick(main.window.get(), Qt::Key_F5);
        break;
    case Action::Clear:
        QTest::mouseClick(main.control<QLabel>("Label4"), Qt::LeftButton);
        break;
    }
}

// The readout the fields call for, worked out here from the code's rules, independently of the
// program: the nominal in ohms is the two digits times a power of ten, shown in the unit its
// multiplier's row names. None where the multiplier names no row, so that the readout keeps
// what it shows.
std::optional<QString> expectedReadout(
    const QString &first, const QString &second, const QString &multiplierText)
{
    if (first.isEmpty() || second.isEmpty() || multiplierText.isEmpty())
        return u"Нет данных"_s;
    const auto m = forms::TextToDouble(multiplierText);
    if (!m)
        return std::nullopt;
    // Rows: the multiplier, its short form, the power of ten and the unit's power of a
    // thousand. 10 and more that no row names is the last power.
    struct Row
    {
        double multiplier;
        double shortForm;
        int power;
        int unit;
    };
    const Row rows[] = {{1, -1, 0, 0}, {10, 2, 1, 0}, {100, 3, 2, 1}, {1e3, 4, 3, 1},
        {1e4, 5, 4, 1}, {1e5, 6, 5, 2}, {1e6, 7, 6, 2}, {1e7, 8, 7, 2}, {1e8, 9, 8, 3},
        {1e9, -1, 9, 3}, {0.1, -1, -1, 0}, {0.01, -1, -2, 0}};
    const Row *found = nullptr;
    for (const Row &row : rows) {
        if (*m == row.multiplier || *m == row.shortForm) {
            found = &row;
            break;
        }
    }
    if (!found && *m >= 10)
        found = &rows[9];
    if (!found)
        return std::nullopt;
    // The shown number in hundredths: digits × 10^(power + 2) / 1000^unit, always whole.
    long long hundredths = (first.toInt() * 10 + second.toInt()) * 100LL;
    for (int i = 0; i < found->power; ++i)
        hundredths *= 10;
    for (int i = 0; i > found->power; --i)
        hundredths /= 10;
    for (int i = 0; i < found->unit; ++i)
        hundredths /= 1000;
    QString text = QString::number(hundredths / 100);
    if (const long long fraction = hundredths % 100) {
        QString digits = u"%1"_s.arg(fraction, 2, 10, QChar(u'0'));
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += QLocale().decimalPoint() + digits;
    }
    const char16_t *units[] = {u"Ом", u"КОм", u"МОм", u"ГОм"};
    return text + u' ' + QString::fromUtf16(units[found->unit]);
}

// The bands the code calls for, worked out here from its rules independently of the program,
// in the colours it must show.
using Bands = std::array<forms::ColourValue, 4>;
constexpr forms::ColourValue value(const literal::NamedColour &colour)
{
    return forms::rgb(colour.red, colour.green, colour.blue);
}
constexpr forms::ColourValue Body = value(literal::Body);
constexpr forms::ColourValue Gold = value(literal::Gold);
constexpr forms::ColourValue Silver = value(literal::Silver);
constexpr forms::ColourValue digitColour(int number)
{
    return value(literal::Digits[number]);
}

std::optional<forms::ColourValue> digitBand(const QString &text)
{
    const auto value = forms::TextToDouble(text);
    for (int digit = 0; value && digit <= 9; ++digit) {
        if (*value == digit)
            return digitColour(digit);
    }
    return std::nullopt;
}

// The multiplier: 1, then 10 to the power 1 to 8, whose short form is the power from 2 on; 9 or
// more is the last power, 9; and the two fractions.
std::optional<forms::ColourValue> multiplierBand(const QString &text)
{
    const auto value = forms::TextToDouble(text);
    if (!value)
        return std::nullopt;
    double power = 1;
    for (int exponent = 0; exponent <= 8; ++exponent, power *= 10) {
        if (*value == power || (exponent >= 2 && *value == exponent))
            return digitColour(exponent);
    }
    if (*value >= 9)
        return digitColour(9);
    if (*value == 0.1)
        return Gold;
    if (*value == 0.01)
        return Silver;
    return std::nullopt;
}

// Option1 to Option9: 1%, 2%, 5%, 10%, 0.5%, 0.25%, 0.1%, 0.05%, and 20%, which shows no band.
std::optional<forms::ColourValue> toleranceBand(const MainWindow &main)
{
    const forms::ColourValue options[] = {digitColour(1), digitColour(2), Gold, Silver,
        digitColour(5), digitColour(6), digitColour(7), digitColour(8), Body};
    for (int option = 1; option <= 9; ++option) {
        if (main.control<QRadioButton>(qPrintable(u"Option%1"_s.arg(option)))->isChecked())
            return options[option - 1];
    }
    return std::nullopt;
}

// The bands after an action, from the window as it is before it: Решить paints each band whose
// input has a colour, unless the readout says there is no data; Очистить clears them.
Bands bandsAfter(const MainWindow &main, const Action &action, Bands bands)
{
    if (action.kind == Action::Clear)
        return {Body, Body, Body, Body};
    if (action.kind != Action::Solve || main.readout() == u"Нет данных"_s)
        return bands;
    const std::optional<forms::ColourValue> painted[]
        = {digitBand(main.field("Text13")->text()), digitBand(main.field("Text14")->text()),
            multiplierBand(main.field("Text15")->text()), toleranceBand(main)};
    for (std::size_t band = 0; band < bands.size(); ++band)
        bands[band] = painted[band].value_or(bands[band]);
    return bands;
}

// What must hold after every action; empty when it does.
QString broken(MainWindow &main, const Bands &bands)
{
    for (const char *name : Fields) {
        const QString text = main.field(name)->text();
        if (!text.isEmpty() && !forms::IsNumeric(text))
            return u"%1 holds the non-numeric \"%2\""_s.arg(QLatin1StringView(name), text);
    }
    for (const char *name : {"Text13", "Text14"}) {
        const QString text = main.field(name)->text();
        if (text.size() > 1 || (text.size() == 1 && !text[0].isDigit()))
            return u"%1 holds \"%2\", not one digit"_s.arg(QLatin1StringView(name), text);
    }

    const QString before = main.readout();
    main.tick();
    const QString expected = expectedReadout(
        main.field("Text13")->text(), main.field("Text14")->text(), main.field("Text15")->text())
                                 .value_or(before);
    if (main.readout() != expected)
        return u"the readout shows \"%1\", not \"%2\""_s.arg(main.readout(), expected);

    const Form1 &window = *main.window;
    const bool wide = window.Width() == 9500;
    const bool tall = window.Height() == 4440;
    if ((!wide && window.Width() != 7500) || (!tall && window.Height() != 2450))
        return u"the window is %1 × %2 twips"_s.arg(window.Width()).arg(window.Height());
    if (main.menuItem("Lbl2")->text() != (wide ? u"Легенда <-"_s : u"Легенда ->"_s)
        || main.menuItem("Auther")->text() != (tall ? u"Свернуть окно"_s : u"Развернуть окно"_s))
        return u"the toggles read \"%1\" and \"%2\" at %3 × %4"_s.arg(main.menuItem("Lbl2")->text(),
            main.menuItem("Auther")->text(), QString::number(window.Width()),
            QString::number(window.Height()));

    const char *const shapes[] = {"Shape1", "Shape2", "Shape3", "Shape4"};
    for (std::size_t band = 0; band < bands.size(); ++band) {
        const forms::ColourValue colour = main.control<forms::Shape>(shapes[band])->BackColor();
        if (colour != bands[band])
            return u"%1 shows the colour %2, not %3"_s.arg(QLatin1StringView(shapes[band]))
                .arg(colour, 6, 16, QChar(u'0'))
                .arg(bands[band], 6, 16, QChar(u'0'));
    }
    return {};
}

struct Failure
{
    qsizetype step = 0;
    QString message;
};

std::optional<Failure> run(const QList<Action> &actions)
{
    MainWindow main;
    if (!QTest::qWaitForWindowActive(main.window.get()))
        return Failure {0, u"the main window did not become active"_s};
    Bands bands = {Body, Body, Body, Body};
    for (qsizetype step = 0; step < actions.size(); ++step) {
        bands = bandsAfter(main, actions[step], bands);
        perform(main, actions[step]);
        // What the event loop would have handled by now: the events the action posted, and the
        // deletions it asked for, such as the zero-length animations of the window's layout
        // that each change of size leaves. Left waiting, they would make every look-up of a
        // control and every posting slower, and a long session slower with the square of its
        // length.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (const QString message = broken(main, bands); !message.isEmpty())
            return Failure {step, message};
    }
    return std::nullopt;
}

// Drops every action the failure does not need, one at a time, from a failing sequence.
QList<Action> shortestFailing(QList<Action> actions)
{
    for (qsizetype i = actions.size() - 1; i >= 0; --i) {
        QList<Action> shorter = actions;
        shorter.remove(i);
        if (run(shorter))
            actions = shorter;
    }
    return actions;
}

} // namespace

class tst_Session : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { forms::prepareApplication(); }
    void randomSessionKeepsEveryPromise();
};

void tst_Session::randomSessionKeepsEveryPromise()
{
    const quint32 seed = qEnvironmentVariableIsSet("TSVETOZNAK_SESSION_SEED")
        ? qEnvironmentVariableIntValue("TSVETOZNAK_SESSION_SEED")
        : 20261208;
    const int count = qEnvironmentVariableIsSet("TSVETOZNAK_SESSION_ACTIONS")
        ? qEnvironmentVariableIntValue("TSVETOZNAK_SESSION_ACTIONS")
        : 4000;
    QRandomGenerator random(seed);
    QList<Action> actions;
    for (int i = 0; i < count; ++i)
        actions.append(randomAction(random));

    QElapsedTimer clock;
    clock.start();
    const auto failure = run(actions);
    if (!failure) {
        const double seconds = std::max<qint64>(clock.elapsed(), 1) / 1000.0;
        std::printf(
            "%d actions in %.1f s, %.0f actions per second\n", count, seconds, count / seconds);
        return;
    }
    const QList<Action> shortest = shortestFailing(actions.first(failure->step + 1));
    QStringList steps;
    for (const Action &action : shortest)
        steps.append(describe(action));
    QFAIL(qPrintable(u"seed %1, step %2: %3\nshortest failing sequence (%4 actions): %5"_s.arg(seed)
                         .arg(failure->step)
                         .arg(failure->message)
                         .arg(shortest.size())
                         .arg(steps.join(u", "_s))));
}

QTEST_MAIN(tst_Session)
#include "tst_session.moc"
