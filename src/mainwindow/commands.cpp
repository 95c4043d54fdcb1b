#include "mainwindow/form1.h"

#include "colourcode/nominal.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/session.h"
#include "mainwindow/geometry.h"
#include "mainwindow/readoutspeech.h"
#include "program/program.h"

#include <QAction>

using namespace Qt::StringLiterals;
using colourcode::CodeColour;

namespace {

// What a screen reader says of a command whose result shows away from the focus.
const QString LegendShownSpoken = u"Легенда показана"_s;
const QString LegendHiddenSpoken = u"Легенда скрыта"_s;
const QString ExpandedSpoken = u"Окно развернуто"_s;
const QString CollapsedSpoken = u"Окно свернуто"_s;
const QString ClearedSpoken = u"Поля и полосы очищены"_s;

} // namespace

geometry::Size Form1::outerSize() const
{
    return {Width(), Height()};
}

void Form1::applyGeometry(const std::vector<geometry::Setting> &settings)
{
    for (const geometry::Setting &setting : settings) {
        switch (setting.target) {
        case geometry::Setting::Target::LegendCaption:
            Lbl2->setText(setting.caption);
            break;
        case geometry::Setting::Target::WindowCaption:
            Auther->setText(setting.caption);
            break;
        case geometry::Setting::Target::Width:
            setWidth(setting.size);
            break;
        case geometry::Setting::Target::Height:
            setHeight(setting.size);
            break;
        }
    }
}

void Form1::Lbl2_Click()
{
    const geometry::Size size = outerSize();
    applyGeometry(geometry::legendToggle(size));
    forms::announce(this, geometry::legendShown(size) ? LegendHiddenSpoken : LegendShownSpoken);
}

void Form1::Command1_Click()
{
    if (Label1->Caption() == colourcode::NoData) {
        m_session.MsgBox(u"Ошибка №1. Нет данных"_s, forms::vbCritical, program::Title);
        return;
    }
    PaintBand1();
    PaintBand2();
    PaintBand3();
    PaintBand4();
    const QString answer = nameBandsAndResistor();
    applyGeometry(geometry::solve(outerSize()));
    // The answer is what is heard.
    m_readoutSpeech->told(readoutOfEntry());
    forms::announce(this, answer);
}

void Form1::Label3_Click()
{
    Command1_Click();
}

void Form1::Label4_Click()
{
    applyGeometry(geometry::clear(outerSize()));
    Text13->setText(QString());
    Text14->setText(QString());
    Text15->setText(QString());
    const forms::ColourValue body = ColourTable[CodeColour::ColorBody];
    Shape1->setBackColor(body);
    Shape2->setBackColor(body);
    Shape3->setBackColor(body);
    Shape4->setBackColor(body);
    nameBandsAndResistor();
    Text13->setFocus();
    m_readoutSpeech->told(readoutOfEntry());
    forms::announce(this, ClearedSpoken);
}

void Form1::Auther_Click()
{
    const geometry::Size size = outerSize();
    applyGeometry(geometry::windowToggle(size));
    forms::announce(this, geometry::expanded(size) ? CollapsedSpoken : ExpandedSpoken);
}

void Form1::out_cmd2_Click()
{
    if (m_session.MsgBox(
            u"Завершить программу?"_s, forms::vbYesNo | forms::vbQuestion, u"Завершение работы"_s)
        == forms::vbYes)
        m_session.End();
}

void Form1::Label5_Click()
{
    out_cmd2_Click();
}
