#pragma once

#include "forms/runtime.h"

#include <QList>
#include <QString>

// Stands in for the platform in tests: records every message box and answers from a script,
// and counts program ends instead of ending the test.
class ScriptedRuntime final : public forms::Runtime
{
public:
    struct Box
    {
        QString prompt;
        int style = 0;
        QString title;
    };

    int MsgBox(const QString &prompt, int style, const QString &title) override
    {
        boxes.append({prompt, style, title});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return (style & 0x0F) == forms::vbYesNo ? forms::vbNo : forms::vbOK;
    }

    void End() override { ++ends; }

    QList<Box> boxes;
    QList<int> answers;
    int ends = 0;
};
