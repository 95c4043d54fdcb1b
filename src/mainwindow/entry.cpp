#include "mainwindow/form1.h"

#include "colourcode/nominal.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "formsvalues/numbers.h"
#include "mainwindow/readoutspeech.h"

#include <QTimer>

namespace {

// Keeps a field empty or numeric: a numeric text is remembered, any other is replaced by the
// remembered one. That assignment raises Change again, nested, and the nested run finds an
// empty or a numeric text, so the nesting stops there.
void keepNumeric(forms::TextBox *field, QString &lastText)
{
    if (field->text().isEmpty())
        return;
    if (forms::IsNumeric(field->text()))
        lastText = field->text();
    else
        field->setText(lastText);
}

} // namespace

// Every key hands the focus on before the field itself processes it, so that the two digits
// and the multiplier are typed in one run.
void Form1::Text13_KeyPress()
{
    Text14->setFocus();
}

void Form1::Text14_KeyPress()
{
    Text15->setFocus();
}

void Form1::Text13_Change()
{
    keepNumeric(Text13, LastText13);
    wakeReadout();
}

void Form1::Text14_Change()
{
    keepNumeric(Text14, LastText14);
    wakeReadout();
}

void Form1::Text15_Change()
{
    keepNumeric(Text15, LastText15);
    wakeReadout();
}

// A change is shown by the next tick, within one interval of the first change of a run: a
// running timer is left to fire, not started over. It is spoken only after the last change of
// the run.
void Form1::wakeReadout()
{
    if (!Timer1->isActive())
        Timer1->start();
    m_readoutSpeech->changed();
}

// The readout that the entry leads to, which the next tick shows.
QString Form1::readoutOfEntry() const
{
    return colourcode::ComputeNominal(Text13->text(), Text14->text(), Text15->text())
        .value_or(Label1->Caption());
}

void Form1::Timer1_Timer()
{
    if (const auto caption
        = colourcode::ComputeNominal(Text13->text(), Text14->text(), Text15->text()))
        Label1->setCaption(*caption);
}
