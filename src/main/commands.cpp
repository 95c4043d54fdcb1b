#include "form1.h"

#include "colourcode/nominal.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/runtime.h"
#include "main/captions.h"
#include "main/sizes.h"
#include "windows/program.h"

#include <QAction>

using namespace Qt::StringLiterals;
using colourcode::CodeColour;
using namespace sizes;

namespace {

// What a screen reader says of a command whose result shows away from the focus.
const QString LegendShownSpoken = u"Легенда показана"_s;
const QString LegendHiddenSpoken = u"Легенда скрыта"_s;
const QString ExpandedSpoken = u"Окно развернуто"_s;
const QString CollapsedSpoken = u"Окно свернуто"_s;
const QString ClearedSpoken = u"Поля и полосы очищены"_s;

} // namespace

void Form1::showLegend()
{
    Lbl2->setText(captions::LegendShown);
    setWidth(Width() + LegendWidth);
}

void Form1::hideLegend()
{
    Lbl2->setText(captions::LegendHidden);
    setWidth(Width() - LegendWidth);
}

void Form1::Lbl2_Click()
{
    if (Width() == NarrowWidth) {
        showLegend();
        forms::announce(this, LegendShownSpoken);
    } else {
        hideLegend();
        forms::announce(this, LegendHiddenSpoken);
    }
}

void Form1::Command1_Click()
{
    if (Label1->Caption() == colourcode::NoData) {
        m_runtime.MsgBox(u"Ошибка №1. Нет данных"_s, forms::vbCritical, windows::ProgramTitle);
        return;
    }
    PaintBand1();
    PaintBand2();
    PaintBand3();
    PaintBand4();
    const QString answer = describeBands();
    // A shown legend is hidden by the toggle and shown again here: Solve always ends with it
    // shown.
    Lbl2_Click();
    if (Width() == NarrowWidth)
        showLegend();
    // The answer is what is heard, not the legend.
    readoutToldByCommand();
    forms::announce(this, answer);
}

void Form1::Label3_Click()
{
    Command1_Click();
}

void Form1::Label4_Click()
{
    if (Width() != NarrowWidth)
        hideLegend();
    Text13->setText(QString());
    Text14->setText(QString());
    Text15->setText(QString());
    const forms::ColourValue body = ColourTable[CodeColour::ColorBody];
    Shape1->setBackColor(body);
    Shape2->setBackColor(body);
    Shape3->setBackColor(body);
    Shape4->setBackColor(body);
    describeBands();
    Text13->setFocus();
    readoutToldByCommand();
    forms::announce(this, ClearedSpoken);
}

void Form1::Auther_Click()
{
    if (Height() == CollapsedHeight) {
        // The expanded window always shows the legend.
        setWidth(NarrowWidth);
        Auther->setText(captions::Expanded);
        setHeight(Height() + BannerHeight);
        Lbl2_Click();
        forms::announce(this, ExpandedSpoken);
    } else {
        // The collapsed window always starts without it.
        Auther->setText(captions::Collapsed);
        setHeight(Height() - BannerHeight);
        Lbl2->setText(captions::LegendHidden);
        setWidth(NarrowWidth);
        forms::announce(this, CollapsedSpoken);
    }
}

void Form1::out_cmd2_Click()
{
    if (m_runtime.MsgBox(
            u"Завершить программу?"_s, forms::vbYesNo | forms::vbQuestion, u"Завершение работы"_s)
        == forms::vbYes)
        m_runtime.End();
}

void Form1::Label5_Click()
{
    out_cmd2_Click();
}
