#pragma once

#include <QString>

namespace forms {

using namespace Qt::StringLiterals;

// Message box style codes: buttons in the low bits (none set: OK alone), the icon above them.
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbInformation = 64;

// The caption of every OK button of the program, in Cyrillic letters; Qt's Russian translation
// keeps the Latin ones, which a Russian voice spells out.
inline const QString OkCaption = u"ОК"_s;

// The buttons a message box returns.
inline constexpr int vbOK = 1;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// What the forms ask of the desktop session beyond their own controls: message boxes, and the
// end of the program. Tests put a scripted one in its place, so no test ever waits on a modal
// box or ends the test process.
class Session
{
public:
    virtual ~Session() = default;

    // Shows a modal message box and returns the button pressed (vbOK, vbYes or vbNo). Once it
    // is answered, the keyboard focus is back in the control that had it before: where the
    // menu bar had taken it, in the control that had it before the menu bar.
    int MsgBox(const QString &prompt, int style, const QString &title);

    // Ends the program: every window closes at once and no further event is handled.
    virtual void End() = 0;

protected:
    virtual int showMessageBox(const QString &prompt, int style, const QString &title) = 0;
};

// The real thing: QMessageBox, and leaving the event loop.
class QtSession final : public Session
{
public:
    void End() override;

protected:
    int showMessageBox(const QString &prompt, int style, const QString &title) override;
};

} // namespace forms
