#pragma once

#include "formsvalues/twips.h"
#include "mainwindow/form1.h"
#include "support/checks.h"
#include "support/scriptedsession.h"

#include <QAction>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

// The main window as a person meets it: shown, active, with the focus in the first field.
// A test begins with HELD(main.shown()).
struct MainWindow
{
    MainWindow() { window->showCentred(); }

    // Whether the window has become active, as the user's desktop makes it.
    [[nodiscard]] bool shown() const
    {
        HELPER_VERIFY(QTest::qWaitForWindowActive(window.get()));
        return true;
    }

    template<typename T>
    T *control(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    QLineEdit *field(const char *name) const { return control<QLineEdit>(name); }
    QAction *menuItem(const char *name) const { return control<QAction>(name); }
    QString readout() const { return control<QLabel>("Label1")->text(); }

    // The colour at a point of a control, in twips from its top-left corner, as the window
    // shows it.
    QColor shownColour(const char *name, QPoint twips = {60, 300}) const
    {
        const QWidget *widget = control<QWidget>(name);
        const QPoint at = widget->mapTo(
            window.get(), QPoint(forms::twipsToPixels(twips.x()), forms::twipsToPixels(twips.y())));
        return window->grab().toImage().pixelColor(at);
    }

    void tick() { window->Timer1_Timer(); }

    // Types as a person does: each key goes to whichever control has the focus by then.
    static void type(const QString &keys)
    {
        for (const QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }

    ScriptedSession session;
    std::unique_ptr<Form1> window = std::make_unique<Form1>(session);
};

// Brings a freshly started window into one of its four states through its own commands:
// 1 collapsed, 2 collapsed with the legend, 3 expanded with the legend, 4 expanded.
inline void enterState(Form1 &window, int state)
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
inline bool atRest(const Form1 &window)
{
    const auto timers = window.findChildren<QTimer *>();
    return std::none_of(
        timers.begin(), timers.end(), [](const QTimer *timer) { return timer->isActive(); });
}

// Any character, Cyrillic ones too, as a keyboard layout gives it.
inline void typeText(QWidget *field, const QString &text)
{
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Press, field, Qt::Key_unknown, character, {});
        QTest::sendKeyEvent(QTest::Release, field, Qt::Key_unknown, character, {});
    }
}

// A window that a function key of the main window opens: active, the focus on the control named
// FOCUSED; its controls by name.
template<typename Window>
struct OpenedBy
{
    [[nodiscard]] bool opened(Qt::Key key, const QString &focused)
    {
        HELPER_VERIFY(main.shown());
        QTest::keyClick(main.window.get(), key);
        HELPER_VERIFY(QTest::qWaitFor([this] {
            window = qobject_cast<Window *>(QApplication::activeWindow());
            return window != nullptr;
        }));
        HELPER_COMPARE(window->focusWidget()->objectName(), focused);
        return true;
    }

    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        return window->template findChild<T *>(name);
    }

    // The text typed over what the field holds, key by key.
    void typeInto(const QString &field, const QString &text) const
    {
        auto *box = control<QLineEdit>(field);
        box->setFocus();
        box->selectAll();
        typeText(box, text);
    }

    MainWindow main;
    QPointer<Window> window;
};
