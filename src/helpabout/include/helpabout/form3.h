#pragma once

#include "forms/form.h"

namespace forms {
class Label;
class PushButton;
class Session;
} // namespace forms

// The about window: the program's name and version, the credits with their contact links, the
// story of the program and a button that closes it.
class Form3 : public forms::Form
{
    Q_OBJECT

public:
    explicit Form3(forms::Session &session);

    void Command1_Click();
    void Label3_Click();
    void Label11_Click();

private:
    forms::Session &m_session;

    forms::Label *Label3 = nullptr;
    forms::Label *Label11 = nullptr;
    forms::PushButton *Command1 = nullptr;
};
