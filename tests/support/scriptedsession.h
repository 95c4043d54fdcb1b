#pragma once

#include "forms/session.h"

#include <QApplication>
#include <QList>
#include <QString>
#include <QWidget>

// Stands in for the desktop session in tests: records every message box and answers from a script,
// and counts program ends instead of ending the test.
class ScriptedSession final : public forms::Session
{
public:
    struct Box
    {
        QString prompt;
        int style = 0;
        QString title;
    };

    void End() override { ++ends; }

    QList<Box> boxes;
    QList<int> answers;
    int ends = 0;

protected:
    // Takes the keyboard focus from the window while it is open, as a real box does.
    int showMessageBox(const QString &prompt, int style, const QString &title) override
    {
        if (QWidget *focused = QApplication::focusWidget())
            focused->clearFocus();
        boxes.append({prompt, style, title});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return (style & 0x0F) == forms::vbYesNo ? forms::vbNo : forms::vbOK;
    }
};
