#pragma once

#include "forms/form.h"

namespace forms {
class Label;
class PushButton;
} // namespace forms

// The help window: a page of text with two worked examples and a button that closes it.
class Form2 : public forms::Form
{
    Q_OBJECT

public:
    Form2();

    void Label1_Click();

private:
    forms::PushButton *Label1 = nullptr;
};
