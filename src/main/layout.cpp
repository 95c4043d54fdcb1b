#include "form1.h"

#include "colourcode/names.h"
#include "colourcode/nominal.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/numbers.h"
#include "forms/runtime.h"
#include "main/captions.h"
#include "windows/form2.h"
#include "windows/form3.h"
#include "windows/pictures.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

using namespace Qt::StringLiterals;
using forms::Place;
using AutoSize = forms::Label::AutoSize;
using Kind = forms::Shape::Kind;

namespace {

// Legend captions are grey on the light swatches and white on the dark ones.
constexpr forms::ColourValue GreyText = forms::rgb(128, 128, 128);
constexpr forms::ColourValue WhiteText = forms::rgb(255, 255, 255);
constexpr forms::ColourValue BodyColour = forms::rgb(255, 192, 128);
constexpr int SeparatorWidth = 3;

} // namespace

Form1::Form1(forms::Runtime &runtime)
    : forms::Form(Menu::Bar)
    , m_runtime(runtime)
{
    setObjectName(u"Form1"_s);
    setCaption(u"Определяем цвета из номинала резисторов"_s);
    setBackColor(forms::InactiveBorder);
    setWindowIcon(windows::programIcon());
    setClientSize(9630, 3480);
    createControls();
    createMenu();
    Form_Load();
}

Form1::~Form1()
{
    // The secondary windows have no owner; they go with the program's main window.
    delete m_form2;
    delete m_form3;
}

void Form1::createControls()
{
    QWidget *const form = client();
    const QFont tahoma975 = forms::font(forms::Tahoma, 9.75);
    const QFont tahoma825 = forms::font(forms::Tahoma, 8.25);
    const QFont frameCaption = forms::font(forms::Courier, 9.75);

    // Entry: a frame per field.
    Frame2 = new forms::Frame(form, u"Frame2"_s, {120, 120, 1095, 615}, u"1 цифра"_s);
    Frame3 = new forms::Frame(form, u"Frame3"_s, {1320, 120, 1095, 615}, u"2 цифра"_s);
    Frame4 = new forms::Frame(form, u"Frame4"_s, {2520, 120, 1575, 615}, u"Множитель"_s);
    for (forms::Frame *frame : {Frame2, Frame3, Frame4})
        frame->setFont(frameCaption);
    Text13 = new forms::TextBox(Frame2, u"Text13"_s, {360, 240, 375, 285});
    Text14 = new forms::TextBox(Frame3, u"Text14"_s, {360, 240, 375, 285});
    Text15 = new forms::TextBox(Frame4, u"Text15"_s, {120, 240, 1335, 285});
    Text13->setFont(tahoma975);
    Text14->setFont(tahoma825);
    Text15->setFont(tahoma975);
    Text13->setMaxLength(1);
    Text14->setMaxLength(1);
    Text15->setMaxLength(10);
    // A drop is kept as typing is: a number, or nothing.
    for (forms::TextBox *field : {Text13, Text14, Text15})
        field->setDropsKept([](const QString &text) { return forms::IsNumeric(text); });

    // Tolerance: one group of nine options, three columns of three.
    Frame8 = new forms::Frame(form, u"Frame8"_s, {120, 720, 2535, 975}, u"Допуск"_s);
    Frame8->setFont(frameCaption);
    Option8 = new forms::OptionButton(Frame8, u"Option8"_s, {120, 240, 855, 255}, u"0.05%"_s);
    Option7 = new forms::OptionButton(Frame8, u"Option7"_s, {120, 480, 735, 255}, u"0.1%"_s);
    Option6 = new forms::OptionButton(Frame8, u"Option6"_s, {120, 720, 855, 195}, u"0.25%"_s);
    Option5 = new forms::OptionButton(Frame8, u"Option5"_s, {960, 240, 735, 195}, u"0.5%"_s);
    Option1 = new forms::OptionButton(Frame8, u"Option1"_s, {960, 480, 615, 195}, u"1%"_s);
    Option2 = new forms::OptionButton(Frame8, u"Option2"_s, {960, 720, 615, 195}, u"2%"_s);
    Option3 = new forms::OptionButton(Frame8, u"Option3"_s, {1800, 240, 615, 195}, u"5%"_s);
    Option4 = new forms::OptionButton(Frame8, u"Option4"_s, {1680, 480, 735, 195}, u"10%"_s);
    Option9 = new forms::OptionButton(Frame8, u"Option9"_s, {1680, 720, 735, 195}, u"20%"_s);
    for (forms::OptionButton *option :
        {Option1, Option2, Option3, Option4, Option5, Option6, Option7, Option8, Option9})
        option->setFont(tahoma825);

    // Readout, kept centred in its frame as its caption changes length.
    Frame1 = new forms::Frame(form, u"Frame1"_s, {2760, 720, 1335, 975}, u"Вам нужен:"_s);
    Frame1->setFont(frameCaption);
    Label1
        = new forms::Label(Frame1, u"Label1"_s, {405, 405, 570, 240}, AutoSize::CentredInContainer);
    Label1->setFont(tahoma975);
    Label1->setCentred();
    Label1->setCaption(u"Label1"_s);

    // The drawn resistor: leads, then the body over them, then the bands over the body.
    Label6 = new forms::Label(form, u"Label6"_s, {5400, 240, 840, 285}, AutoSize::GrowRight);
    Label6->setFont(forms::font(forms::Tahoma, 12));
    Label6->setCaption(u"ОТВЕТ:"_s);
    Line10 = new forms::Line(form, u"Line10"_s, {5040, 840}, {4440, 840}, 1, forms::WindowText);
    Line9 = new forms::Line(form, u"Line9"_s, {5040, 960}, {4440, 960}, 1, forms::WindowText);
    Line15 = new forms::Line(form, u"Line15"_s, {4440, 840}, {4440, 960}, 1, forms::WindowText);
    Line13 = new forms::Line(form, u"Line13"_s, {7200, 840}, {6600, 840}, 1, forms::WindowText);
    Line12 = new forms::Line(form, u"Line12"_s, {7200, 960}, {6600, 960}, 1, forms::WindowText);
    Line6 = new forms::Line(form, u"Line6"_s, {7200, 840}, {7200, 960}, 1, forms::WindowText);
    Shape5 = new forms::Shape(form, u"Shape5"_s, {5040, 600, 1575, 615}, Kind::RoundedRectangle, 2);
    Shape1 = new forms::Shape(form, u"Shape1"_s, {5400, 600, 135, 615}, Kind::Rectangle, 0);
    Shape2 = new forms::Shape(form, u"Shape2"_s, {5640, 600, 135, 615}, Kind::Rectangle, 0);
    Shape3 = new forms::Shape(form, u"Shape3"_s, {5880, 600, 135, 615}, Kind::Rectangle, 0);
    Shape4 = new forms::Shape(form, u"Shape4"_s, {6120, 600, 135, 615}, Kind::Rectangle, 0);
    for (forms::Shape *shape : {Shape5, Shape1, Shape2, Shape3, Shape4})
        shape->setBackColor(BodyColour);

    // Command labels, acting as buttons.
    Label3 = new forms::Label(form, u"Label3"_s, {4320, 1440, 1065, 240}, AutoSize::GrowRight);
    Label4 = new forms::Label(form, u"Label4"_s, {5640, 1440, 825, 240}, AutoSize::GrowRight);
    Label5 = new forms::Label(form, u"Label5"_s, {6720, 1440, 540, 240}, AutoSize::GrowRight);
    for (forms::Label *label : {Label3, Label4, Label5})
        label->setFont(tahoma975);
    Label3->setCaption(u"F5 - Решить"_s);
    Label3->setToolTip(u"F5 - Решить"_s);
    Label4->setCaption(u"Очистить"_s);
    Label4->setToolTip(u"Очистить окно"_s);
    Label5->setCaption(u"Выход"_s);
    for (forms::Label *label : {Label3, Label4, Label5})
        label->setActsAsButton();

    // Legend: twelve swatches, painted by InitColors and captioned with the names of the colours
    // they show.
    const struct
    {
        forms::Label *&label;
        const char16_t *name;
        Place place;
        forms::ColourValue captionColour;
    } legend[] = {
        {Label14, u"Label14", {7560, 120, 660, 210}, WhiteText},
        {Label15, u"Label15", {7560, 360, 1050, 210}, WhiteText},
        {Label16, u"Label16", {7560, 600, 720, 210}, WhiteText},
        {Label17, u"Label17", {7560, 840, 1005, 210}, WhiteText},
        {Label12, u"Label12", {7560, 1080, 1065, 210}, GreyText},
        {Label19, u"Label19", {7560, 1320, 735, 210}, WhiteText},
        {Label21, u"Label21", {8280, 120, 1080, 210}, WhiteText},
        {Label18, u"Label18", {8640, 360, 705, 210}, GreyText},
        {Label13, u"Label13", {8640, 600, 705, 210}, GreyText},
        {Label22, u"Label22", {8760, 840, 540, 210}, GreyText},
        {Label23, u"Label23", {8760, 1080, 540, 210}, GreyText},
        {Label20, u"Label20", {8760, 1320, 525, 210}, WhiteText},
    };
    const QFont tahoma9 = forms::font(forms::Tahoma, 9);
    for (const auto &swatch : legend) {
        swatch.label = new forms::Label(
            form, QString::fromUtf16(swatch.name), swatch.place, AutoSize::GrowRight);
        swatch.label->setFont(tahoma9);
        swatch.label->setForeColor(swatch.captionColour);
    }
    for (const auto &[label, colour] : legendSwatches())
        label->setCaption(colourcode::ColourName(colour));

    // Banner strip: runs of blanks push each part onto a wrapped line of its own.
    const QFont courierNew12 = forms::font(forms::CourierNew, 12);
    Label9 = new forms::Label(form, u"Label9"_s, {120, 1920, 9135, 855}, AutoSize::Off);
    Label9->setFont(courierNew12);
    Label9->setCaption(u"Программу написал Иван Примеров (ник Пример)                   "
                       u"Пишите: ivan.primerov@example.org"_s);
    Label2 = new forms::Label(form, u"Label2"_s, {120, 2880, 9135, 975}, AutoSize::Off);
    Label2->setFont(courierNew12);
    Label2->setCaption(u"КОМУ СКОЛЬКО НЕ ЖАЛКО:                                           "
                       u"Кошелёк №1: R000000000000                                         "
                       u"Кошелёк №2: Z000000000000"_s);

    // Separators, over everything they cross.
    Line7 = new forms::Line(
        form, u"Line7"_s, {4200, 0}, {4200, 1800}, SeparatorWidth, forms::ActiveTitleBar);
    Line1 = new forms::Line(
        form, u"Line1"_s, {7440, 1800}, {7440, 0}, SeparatorWidth, forms::ActiveTitleBar);
    Line8 = new forms::Line(
        form, u"Line8"_s, {9360, 1800}, {0, 1800}, SeparatorWidth, forms::ActiveTitleBar);

    // Only the fields and the options take the focus, in this order.
    QWidget::setTabOrder(Text13, Text14);
    QWidget::setTabOrder(Text14, Text15);
    QWidget::setTabOrder(Text15, Option1);
    QWidget::setTabOrder(Option1, Option2);
    QWidget::setTabOrder(Option2, Option3);
    QWidget::setTabOrder(Option3, Option4);
    QWidget::setTabOrder(Option4, Option5);
    QWidget::setTabOrder(Option5, Option6);
    QWidget::setTabOrder(Option6, Option7);
    QWidget::setTabOrder(Option7, Option8);
    QWidget::setTabOrder(Option8, Option9);

    connect(Text13, &forms::TextBox::KeyPress, this, &Form1::Text13_KeyPress);
    connect(Text14, &forms::TextBox::KeyPress, this, &Form1::Text14_KeyPress);
    connect(Text13, &forms::TextBox::Change, this, &Form1::Text13_Change);
    connect(Text14, &forms::TextBox::Change, this, &Form1::Text14_Change);
    connect(Text15, &forms::TextBox::Change, this, &Form1::Text15_Change);
    connect(Label3, &forms::Label::Click, this, &Form1::Label3_Click);
    connect(Label4, &forms::Label::Click, this, &Form1::Label4_Click);
    connect(Label5, &forms::Label::Click, this, &Form1::Label5_Click);

    // The readout changes only when a field does: the timer ticks once at start-up, to replace
    // the design caption, and once after each run of changes, and is idle otherwise.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(10);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();

    // Half a second without a change of the fields is a pause in the typing.
    m_readoutSettles = new QTimer(this);
    m_readoutSettles->setInterval(500);
    m_readoutSettles->setSingleShot(true);
    connect(m_readoutSettles, &QTimer::timeout, this, &Form1::announceReadout);
    m_spokenReadout = colourcode::NoData;
}

void Form1::createMenu()
{
    const auto item = [this](QMenu *menu, const QString &name, const QString &caption, Qt::Key key,
                          void (Form1::*handler)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    menuBar()->setAccessibleName(u"Меню"_s);
    upr = addMenu(u"Основное меню"_s);
    upr->setObjectName(u"upr"_s);
    Auther = item(upr, u"Auther"_s, captions::Collapsed, Qt::Key_F3, &Form1::Auther_Click);
    Lbl2 = item(upr, u"Lbl2"_s, u"Легенда"_s, Qt::Key_F4, &Form1::Lbl2_Click);
    Command1 = item(upr, u"Command1"_s, u"Решить"_s, Qt::Key_F5, &Form1::Command1_Click);

    help = addMenu(u"Помощь"_s);
    help->setObjectName(u"help"_s);
    HElP_cmd = item(help, u"HElP_cmd"_s, u"Как пользоваться"_s, Qt::Key_F1, &Form1::HElP_cmd_Click);
    tire2 = help->addSeparator();
    tire2->setObjectName(u"tire2"_s);
    about
        = item(help, u"about"_s, u"О программе Цветознак v1.0"_s, Qt::Key_F2, &Form1::about_Click);

    // A command on the menu bar itself, without a submenu.
    out_cmd2 = menuBar()->addAction(u"Выход"_s);
    out_cmd2->setObjectName(u"out_cmd2"_s);
    connect(out_cmd2, &QAction::triggered, this, &Form1::out_cmd2_Click);
}

void Form1::Form_Load()
{
    Lbl2->setText(captions::LegendHidden);
    setWidth(7500);
    setHeight(2450);
    InitColors();
    describeBands();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // The close box asks like "Выход" does; a Yes ends the program from there.
    event->ignore();
    out_cmd2_Click();
}
