#include "mainwindow/form1.h"

#include "colourcode/names.h"
#include "colourcode/nominal.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/session.h"
#include "formsvalues/numbers.h"
#include "helpabout/form2.h"
#include "helpabout/form3.h"
#include "helpabout/pictures.h"
#include "mainwindow/captions.h"
#include "mainwindow/geometry.h"
#include "program/program.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

using namespace Qt::StringLiterals;
using forms::Place;
using AutoSize = forms::Label::AutoSize;
using Kind = forms::Shape::Kind;
using colourcode::CodeColour;

namespace {

// Legend captions are grey on the light swatches and white on the dark ones.
constexpr forms::ColourValue GreyText = forms::rgb(128, 128, 128);
constexpr forms::ColourValue WhiteText = forms::rgb(255, 255, 255);
constexpr int SeparatorWidth = 3;

// The fonts the groups share: frame captions, and the two sizes of Tahoma.
QFont frameCaptionFont()
{
    return forms::font(forms::Courier, 9.75);
}

QFont tahoma975()
{
    return forms::font(forms::Tahoma, 9.75);
}

QFont tahoma825()
{
    return forms::font(forms::Tahoma, 8.25);
}

QString text(const char16_t *literal)
{
    return QString::fromUtf16(literal);
}

// A row of captioned controls: the member, its name, place and caption.
template<typename Control>
struct CaptionedRow
{
    Control *&control;
    const char16_t *name;
    forms::Place place;
    const char16_t *caption;
};

// A line of the drawing: the member, its name, and the two points it joins, in twips.
struct LineRow
{
    forms::Line *&line;
    const char16_t *name;
    QPoint from;
    QPoint to;
};

} // namespace

const std::array<forms::OptionButton * Form1::*, 9> Form1::ToleranceOptions {&Form1::Option1,
    &Form1::Option2, &Form1::Option3, &Form1::Option4, &Form1::Option5, &Form1::Option6,
    &Form1::Option7, &Form1::Option8, &Form1::Option9};

// The legend: one row per swatch, its label, place, the code colour it is painted in and named
// after, and its caption's colour, grey on the light swatches and white on the dark ones.
const std::array<Form1::Swatch, colourcode::CodeColourCount> Form1::Legend {{
    {&Form1::Label14, u"Label14", {7560, 120, 660, 210}, CodeColour::ColorBlack, WhiteText},
    {&Form1::Label15, u"Label15", {7560, 360, 1050, 210}, CodeColour::ColorBrown, WhiteText},
    {&Form1::Label16, u"Label16", {7560, 600, 720, 210}, CodeColour::ColorRed, WhiteText},
    {&Form1::Label17, u"Label17", {7560, 840, 1005, 210}, CodeColour::ColorOrange, WhiteText},
    {&Form1::Label12, u"Label12", {7560, 1080, 1065, 210}, CodeColour::ColorSilver, GreyText},
    {&Form1::Label19, u"Label19", {7560, 1320, 735, 210}, CodeColour::ColorGreen, WhiteText},
    {&Form1::Label21, u"Label21", {8280, 120, 1080, 210}, CodeColour::ColorViolet, WhiteText},
    {&Form1::Label18, u"Label18", {8640, 360, 705, 210}, CodeColour::ColorYellow, GreyText},
    {&Form1::Label13, u"Label13", {8640, 600, 705, 210}, CodeColour::ColorGold, GreyText},
    {&Form1::Label22, u"Label22", {8760, 840, 540, 210}, CodeColour::ColorGrey, GreyText},
    {&Form1::Label23, u"Label23", {8760, 1080, 540, 210}, CodeColour::ColorWhite, GreyText},
    {&Form1::Label20, u"Label20", {8760, 1320, 525, 210}, CodeColour::ColorBlue, WhiteText},
}};

// The controls, group by group as the window shows them, each row a control with its place,
// font, colours and caption. The order of creation is the order of stacking.
void Form1::createControls()
{
    createEntry();
    createTolerance();
    createReadout();
    createDrawing();
    createCommands();
    createLegend();
    createBanners();
    createSeparators();

    // Only the fields and the options take the focus, in this order.
    QWidget::setTabOrder(Text13, Text14);
    QWidget::setTabOrder(Text14, Text15);
    QWidget *previous = Text15;
    for (forms::OptionButton *Form1::*option : ToleranceOptions) {
        QWidget::setTabOrder(previous, this->*option);
        previous = this->*option;
    }
}

// A frame per field; Text14 writes smaller than the other two.
void Form1::createEntry()
{
    const QFont large = tahoma975();
    const QFont small = tahoma825();
    const struct
    {
        forms::Frame *&frame;
        const char16_t *frameName;
        Place framePlace;
        const char16_t *caption;
        forms::TextBox *&field;
        const char16_t *fieldName;
        Place fieldPlace;
        const QFont &font;
        int maxLength;
    } entry[] = {
        {Frame2, u"Frame2", {120, 120, 1095, 615}, u"1 цифра", Text13, u"Text13",
            {360, 240, 375, 285}, large, 1},
        {Frame3, u"Frame3", {1320, 120, 1095, 615}, u"2 цифра", Text14, u"Text14",
            {360, 240, 375, 285}, small, 1},
        {Frame4, u"Frame4", {2520, 120, 1575, 615}, u"Множитель", Text15, u"Text15",
            {120, 240, 1335, 285}, large, 10},
    };
    const QFont frameCaption = frameCaptionFont();
    for (const auto &row : entry) {
        row.frame
            = new forms::Frame(client(), text(row.frameName), row.framePlace, text(row.caption));
        row.frame->setFont(frameCaption);
        row.field = new forms::TextBox(row.frame, text(row.fieldName), row.fieldPlace);
        row.field->setFont(row.font);
        row.field->setMaxLength(row.maxLength);
        // A drop is kept as typing is: a number, or nothing.
        row.field->setDropsKept([](const QString &dropped) { return forms::IsNumeric(dropped); });
    }
}

// One group of nine options, three columns of three.
void Form1::createTolerance()
{
    Frame8 = new forms::Frame(client(), u"Frame8"_s, {120, 720, 2535, 975}, u"Допуск"_s);
    Frame8->setFont(frameCaptionFont());
    const CaptionedRow<forms::OptionButton> tolerance[] = {
        {Option8, u"Option8", {120, 240, 855, 255}, u"0.05%"},
        {Option7, u"Option7", {120, 480, 735, 255}, u"0.1%"},
        {Option6, u"Option6", {120, 720, 855, 195}, u"0.25%"},
        {Option5, u"Option5", {960, 240, 735, 195}, u"0.5%"},
        {Option1, u"Option1", {960, 480, 615, 195}, u"1%"},
        {Option2, u"Option2", {960, 720, 615, 195}, u"2%"},
        {Option3, u"Option3", {1800, 240, 615, 195}, u"5%"},
        {Option4, u"Option4", {1680, 480, 735, 195}, u"10%"},
        {Option9, u"Option9", {1680, 720, 735, 195}, u"20%"},
    };
    const QFont font = tahoma825();
    for (const auto &row : tolerance) {
        row.control = new forms::OptionButton(Frame8, text(row.name), row.place, text(row.caption));
        row.control->setFont(font);
    }
}

// The readout, kept centred in its frame as its caption changes length.
void Form1::createReadout()
{
    Frame1 = new forms::Frame(client(), u"Frame1"_s, {2760, 720, 1335, 975}, u"Вам нужен:"_s);
    Frame1->setFont(frameCaptionFont());
    Label1
        = new forms::Label(Frame1, u"Label1"_s, {405, 405, 570, 240}, AutoSize::CentredInContainer);
    Label1->setFont(tahoma975());
    Label1->setCentred();
    Label1->setCaption(u"Label1"_s);
}

// The drawn resistor under its heading: the leads, the body over them, the bands over the body,
// all in the body colour.
void Form1::createDrawing()
{
    Label6 = new forms::Label(client(), u"Label6"_s, {5400, 240, 840, 285}, AutoSize::GrowRight);
    Label6->setFont(forms::font(forms::Tahoma, 12));
    Label6->setCaption(u"ОТВЕТ:"_s);
    const LineRow leads[] = {
        {Line10, u"Line10", {5040, 840}, {4440, 840}},
        {Line9, u"Line9", {5040, 960}, {4440, 960}},
        {Line15, u"Line15", {4440, 840}, {4440, 960}},
        {Line13, u"Line13", {7200, 840}, {6600, 840}},
        {Line12, u"Line12", {7200, 960}, {6600, 960}},
        {Line6, u"Line6", {7200, 840}, {7200, 960}},
    };
    for (const auto &row : leads)
        row.line
            = new forms::Line(client(), text(row.name), row.from, row.to, 1, forms::WindowText);
    const struct
    {
        forms::Shape *&shape;
        const char16_t *name;
        Place place;
        Kind kind;
        int outline;
    } resistor[] = {
        {Shape5, u"Shape5", {5040, 600, 1575, 615}, Kind::RoundedRectangle, 2},
        {Shape1, u"Shape1", {5400, 600, 135, 615}, Kind::Rectangle, 0},
        {Shape2, u"Shape2", {5640, 600, 135, 615}, Kind::Rectangle, 0},
        {Shape3, u"Shape3", {5880, 600, 135, 615}, Kind::Rectangle, 0},
        {Shape4, u"Shape4", {6120, 600, 135, 615}, Kind::Rectangle, 0},
    };
    for (const auto &row : resistor) {
        row.shape = new forms::Shape(client(), text(row.name), row.place, row.kind, row.outline);
        row.shape->setBackColor(colourcode::BodyColour);
    }
}

// The command labels, acting as buttons.
void Form1::createCommands()
{
    const struct
    {
        forms::Label *&label;
        const char16_t *name;
        Place place;
        const char16_t *caption;
        const char16_t *toolTip;
    } commands[] = {
        {Label3, u"Label3", {4320, 1440, 1065, 240}, u"F5 - Решить", u"F5 - Решить"},
        {Label4, u"Label4", {5640, 1440, 825, 240}, u"Очистить", u"Очистить окно"},
        {Label5, u"Label5", {6720, 1440, 540, 240}, u"Выход", u""},
    };
    const QFont font = tahoma975();
    for (const auto &row : commands) {
        row.label = new forms::Label(client(), text(row.name), row.place, AutoSize::GrowRight);
        row.label->setFont(font);
        row.label->setCaption(text(row.caption));
        row.label->setToolTip(text(row.toolTip));
        row.label->setActsAsButton();
    }
}

// Twelve swatches, captioned with the names of the colours that InitColors paints them in.
void Form1::createLegend()
{
    const QFont font = forms::font(forms::Tahoma, 9);
    for (const Swatch &swatch : Legend) {
        forms::Label *&label = this->*swatch.label;
        label = new forms::Label(client(), text(swatch.name), swatch.place, AutoSize::GrowRight);
        label->setFont(font);
        label->setForeColor(swatch.captionColour);
        label->setCaption(colourcode::ColourName(swatch.colour));
    }
}

// The banner strip: runs of blanks push each part onto a wrapped line of its own.
void Form1::createBanners()
{
    const CaptionedRow<forms::Label> banners[] = {
        {Label9, u"Label9", {120, 1920, 9135, 855},
            u"Программу написал Иван Примеров (ник Пример)                   "
            u"Пишите: ivan.primerov@example.org"},
        {Label2, u"Label2", {120, 2880, 9135, 975},
            u"КОМУ СКОЛЬКО НЕ ЖАЛКО:                                           "
            u"Кошелёк №1: R000000000000                                         "
            u"Кошелёк №2: Z000000000000"},
    };
    const QFont font = forms::font(forms::CourierNew, 12);
    for (const auto &row : banners) {
        row.control = new forms::Label(client(), text(row.name), row.place, AutoSize::Off);
        row.control->setFont(font);
        row.control->setCaption(text(row.caption));
    }
}

// The separators, over everything they cross.
void Form1::createSeparators()
{
    const LineRow separators[] = {
        {Line7, u"Line7", {4200, 0}, {4200, 1800}},
        {Line1, u"Line1", {7440, 1800}, {7440, 0}},
        {Line8, u"Line8", {9360, 1800}, {0, 1800}},
    };
    for (const auto &row : separators) {
        row.line = new forms::Line(
            client(), text(row.name), row.from, row.to, SeparatorWidth, forms::ActiveTitleBar);
    }
}
