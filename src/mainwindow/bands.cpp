#include "mainwindow/form1.h"

#include "colourcode/bandcolours.h"
#include "colourcode/names.h"
#include "forms/controls.h"
#include "formsvalues/numbers.h"

#include <algorithm>
#include <array>
#include <iterator>

using colourcode::CodeColour;

void Form1::InitColors()
{
    for (const colourcode::CodeColourRow &row : colourcode::CodeColours)
        ColourTable[row.colour] = row.value;
    // The body colour is whatever the layout gave the bands.
    ColourTable[CodeColour::ColorBody] = Shape1->BackColor();

    for (const Swatch &swatch : Legend)
        (this->*swatch.label)->setBackColor(ColourTable[swatch.colour]);
}

// A field text that does not read as a number (a field emptied since the last readout) maps
// to no colour, like any other value without one: the band stays as it is.
void Form1::PaintBand1()
{
    if (const auto value = forms::TextToDouble(Text13->text()))
        if (const auto colour = colourcode::DigitColor(*value))
            Shape1->setBackColor(ColourTable[*colour]);
}

void Form1::PaintBand2()
{
    if (const auto value = forms::TextToDouble(Text14->text()))
        if (const auto colour = colourcode::DigitColor(*value))
            Shape2->setBackColor(ColourTable[*colour]);
}

void Form1::PaintBand3()
{
    const auto value = forms::TextToDouble(Text15->text());
    if (!value)
        return;
    const auto band = colourcode::MultiplierColor(*value);
    if (!band)
        return;
    if (!band->text.isEmpty())
        Text15->setText(band->text);
    Shape3->setBackColor(ColourTable[band->colour]);
}

void Form1::PaintBand4()
{
    const auto first = std::find_if(ToleranceOptions.begin(), ToleranceOptions.end(),
        [this](forms::OptionButton *Form1::*option) { return (this->*option)->Value(); });
    const int selected = first == ToleranceOptions.end()
        ? 0
        : static_cast<int>(std::distance(ToleranceOptions.begin(), first)) + 1;
    if (const auto colour = colourcode::ToleranceColor(selected))
        Shape4->setBackColor(ColourTable[*colour]);
}

// The bands and the resistor carry their colours in words as well, for whoever cannot tell the
// colours apart or cannot see them.
QString Form1::nameBandsAndResistor()
{
    forms::Shape *const bands[] = {Shape1, Shape2, Shape3, Shape4};
    std::array<CodeColour, 4> colours {};
    for (std::size_t band = 0; band < colours.size(); ++band) {
        colours[band] = ColourTable.rowOf(bands[band]->BackColor());
        bands[band]->describe(colourcode::BandName(static_cast<int>(band) + 1, colours[band]));
    }
    const QString resistor = colourcode::ResistorName(colours);
    Shape5->describe(resistor);
    return resistor;
}
