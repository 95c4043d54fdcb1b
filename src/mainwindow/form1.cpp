#include "mainwindow/form1.h"

#include "forms/controls.h"
#include "forms/session.h"
#include "helpabout/form2.h"
#include "helpabout/form3.h"
#include "helpabout/pictures.h"
#include "mainwindow/captions.h"
#include "mainwindow/geometry.h"
#include "mainwindow/readoutspeech.h"
#include "program/program.h"
#include "readingwindow/readingwindow.h"
#include "smdwindow/smdwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

using namespace Qt::StringLiterals;

Form1::Form1(forms::Session &session)
    : forms::Form(Menu::Bar)
    , m_session(session)
{
    setObjectName(u"Form1"_s);
    setCaption(u"Определяем цвета из номинала резисторов"_s);
    setBackColor(forms::InactiveBorder);
    setWindowIcon(helpabout::programIcon());
    setClientSize(9630, 3480);
    createControls();
    connectHandlers();
    createTimers();
    createMenu();
    Form_Load();
}

Form1::~Form1()
{
    // The other windows have no owner; they go with the program's main window.
    delete m_form2;
    delete m_form3;
    delete m_readingWindow;
    delete m_smdWindow;
}

void Form1::connectHandlers()
{
    connect(Text13, &forms::TextBox::KeyPress, this, &Form1::Text13_KeyPress);
    connect(Text14, &forms::TextBox::KeyPress, this, &Form1::Text14_KeyPress);
    connect(Text13, &forms::TextBox::Change, this, &Form1::Text13_Change);
    connect(Text14, &forms::TextBox::Change, this, &Form1::Text14_Change);
    connect(Text15, &forms::TextBox::Change, this, &Form1::Text15_Change);
    connect(Label3, &forms::Label::Click, this, &Form1::Label3_Click);
    connect(Label4, &forms::Label::Click, this, &Form1::Label4_Click);
    connect(Label5, &forms::Label::Click, this, &Form1::Label5_Click);
}

void Form1::createTimers()
{
    // The readout changes only when a field does: the timer ticks once at start-up, to replace
    // the design caption, and once after each run of changes, and is idle otherwise.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(10);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();

    m_readoutSpeech = new ReadoutSpeech(this, Label1);
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
    // Captioned by Form_Load, as every start of the window does.
    Lbl2 = item(upr, u"Lbl2"_s, QString(), Qt::Key_F4, &Form1::Lbl2_Click);
    Command1 = item(upr, u"Command1"_s, u"Решить"_s, Qt::Key_F5, &Form1::Command1_Click);
    // Beyond the three commands of the main window, after them: the colours read the other way,
    // a chip's printed marking, and a value made of standard parts.
    readColours = item(
        upr, u"readColours"_s, u"Номинал по цветам"_s, Qt::Key_F6, &Form1::openReadingWindow);
    readMarking = item(
        upr, u"readMarking"_s, u"Номинал по маркировке SMD"_s, Qt::Key_F7, &Form1::openSmdWindow);
    fitValue = item(upr, u"fitValue"_s, u"Подбор из стандартных номиналов"_s, Qt::Key_F8,
        &Form1::openCombinationWindow);

    help = addMenu(u"Помощь"_s);
    help->setObjectName(u"help"_s);
    HElP_cmd = item(help, u"HElP_cmd"_s, u"Как пользоваться"_s, Qt::Key_F1, &Form1::HElP_cmd_Click);
    tire2 = help->addSeparator();
    tire2->setObjectName(u"tire2"_s);
    about = item(
        help, u"about"_s, u"О программе "_s + program::Title, Qt::Key_F2, &Form1::about_Click);

    // A command on the menu bar itself, without a submenu.
    out_cmd2 = menuBar()->addAction(u"Выход"_s);
    out_cmd2->setObjectName(u"out_cmd2"_s);
    connect(out_cmd2, &QAction::triggered, this, &Form1::out_cmd2_Click);
}

void Form1::Form_Load()
{
    Lbl2->setText(captions::LegendHidden);
    setWidth(geometry::NarrowWidth);
    setHeight(geometry::CollapsedHeight);
    InitColors();
    nameBandsAndResistor();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // The close box asks like "Выход" does; a Yes ends the program from there.
    event->ignore();
    out_cmd2_Click();
}
