#pragma once

#include "colourcode/colourtable.h"
#include "forms/form.h"
#include "formsvalues/twips.h"
#include "mainwindow/geometry.h"

#include <QPointer>
#include <QString>

#include <array>
#include <vector>

class QAction;
class QMenu;
class QTimer;

namespace forms {
class Frame;
class Label;
class Line;
class OptionButton;
class Session;
class Shape;
class TextBox;
} // namespace forms

class Form2;
class Form3;
class ReadingWindow;
class ReadoutSpeech;
class SmdWindow;
class CombinationWindow;

// The main window: the entry of a nominal, its readout, the drawn resistor with its four
// bands, the legend of the code colours and the banner strip. The member functions are
// defined one file per concern: form1.cpp (construction, menu, timers and start-up),
// layout.cpp (the controls), entry.cpp (the entry fields and the readout tick), bands.cpp (the
// colour table, the legend and the band painters), commands.cpp (the commands, applying what
// geometry.cpp reckons of the window's size), helpandabout.cpp (opening the help window
// and the about window) and readingcommand.cpp (opening the windows that read a part's
// colours and a chip's marking). The readout is spoken by a ReadoutSpeech of its own.
class Form1 : public forms::Form
{
    Q_OBJECT

public:
    explicit Form1(forms::Session &session);
    ~Form1() override;

    // Start-up (form1.cpp).
    void Form_Load();

    // Commands (commands.cpp).
    void Command1_Click();
    void Label3_Click();
    void Label4_Click();
    void Lbl2_Click();
    void Auther_Click();
    void out_cmd2_Click();
    void Label5_Click();

    // The help window and the about window (helpandabout.cpp).
    void HElP_cmd_Click();
    void about_Click();

    // The windows that read a part's colours and a chip's marking (readingcommand.cpp).
    void openReadingWindow();
    void openSmdWindow();
    void openCombinationWindow();

    // Entry fields and readout (entry.cpp).
    void Text13_KeyPress();
    void Text14_KeyPress();
    void Text13_Change();
    void Text14_Change();
    void Text15_Change();
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The controls, one group at a time (layout.cpp).
    void createControls();
    void createEntry();
    void createTolerance();
    void createReadout();
    void createDrawing();
    void createCommands();
    void createLegend();
    void createBanners();
    void createSeparators();
    // What the controls raise, the timers and the menu (form1.cpp).
    void connectHandlers();
    void createTimers();
    void createMenu();
    // The outer size, and the settings of a command applied to the window in their order
    // (commands.cpp).
    geometry::Size outerSize() const;
    void applyGeometry(const std::vector<geometry::Setting> &settings);
    // The readout woken by a change, and what it is about to show (entry.cpp).
    void wakeReadout();
    QString readoutOfEntry() const;

    // Colour table, legend and bands (bands.cpp).
    void InitColors();
    void PaintBand1();
    void PaintBand2();
    void PaintBand3();
    void PaintBand4();
    // Names each band and the resistor after the colours they show; gives the resistor's name.
    QString nameBandsAndResistor();

    struct Swatch
    {
        forms::Label *Form1::*label;
        const char16_t *name;
        forms::Place place;
        colourcode::CodeColour colour;
        forms::ColourValue captionColour;
    };
    static const std::array<Swatch, colourcode::CodeColourCount> Legend;
    // The tolerance options by their numbers, Option1 to Option9: the order in which the
    // colouring counts them and the focus passes through them.
    static const std::array<forms::OptionButton * Form1::*, 9> ToleranceOptions;

    forms::Session &m_session;

    forms::Frame *Frame2 = nullptr;
    forms::Frame *Frame3 = nullptr;
    forms::Frame *Frame4 = nullptr;
    forms::TextBox *Text13 = nullptr;
    forms::TextBox *Text14 = nullptr;
    forms::TextBox *Text15 = nullptr;

    forms::Frame *Frame8 = nullptr;
    forms::OptionButton *Option1 = nullptr;
    forms::OptionButton *Option2 = nullptr;
    forms::OptionButton *Option3 = nullptr;
    forms::OptionButton *Option4 = nullptr;
    forms::OptionButton *Option5 = nullptr;
    forms::OptionButton *Option6 = nullptr;
    forms::OptionButton *Option7 = nullptr;
    forms::OptionButton *Option8 = nullptr;
    forms::OptionButton *Option9 = nullptr;

    forms::Frame *Frame1 = nullptr;
    forms::Label *Label1 = nullptr;

    forms::Label *Label6 = nullptr;
    forms::Line *Line10 = nullptr;
    forms::Line *Line9 = nullptr;
    forms::Line *Line15 = nullptr;
    forms::Line *Line13 = nullptr;
    forms::Line *Line12 = nullptr;
    forms::Line *Line6 = nullptr;
    forms::Shape *Shape5 = nullptr;
    forms::Shape *Shape1 = nullptr;
    forms::Shape *Shape2 = nullptr;
    forms::Shape *Shape3 = nullptr;
    forms::Shape *Shape4 = nullptr;

    forms::Label *Label3 = nullptr;
    forms::Label *Label4 = nullptr;
    forms::Label *Label5 = nullptr;

    forms::Label *Label14 = nullptr;
    forms::Label *Label15 = nullptr;
    forms::Label *Label16 = nullptr;
    forms::Label *Label17 = nullptr;
    forms::Label *Label12 = nullptr;
    forms::Label *Label19 = nullptr;
    forms::Label *Label21 = nullptr;
    forms::Label *Label18 = nullptr;
    forms::Label *Label13 = nullptr;
    forms::Label *Label22 = nullptr;
    forms::Label *Label23 = nullptr;
    forms::Label *Label20 = nullptr;

    forms::Label *Label9 = nullptr;
    forms::Label *Label2 = nullptr;

    forms::Line *Line7 = nullptr;
    forms::Line *Line1 = nullptr;
    forms::Line *Line8 = nullptr;

    QTimer *Timer1 = nullptr;
    ReadoutSpeech *m_readoutSpeech = nullptr;

    QMenu *upr = nullptr;
    QAction *Auther = nullptr;
    QAction *Lbl2 = nullptr;
    QAction *Command1 = nullptr;
    QAction *readColours = nullptr;
    QAction *readMarking = nullptr;
    QAction *fitValue = nullptr;
    QMenu *help = nullptr;
    QAction *HElP_cmd = nullptr;
    QAction *tire2 = nullptr;
    QAction *about = nullptr;
    QAction *out_cmd2 = nullptr;

    colourcode::ColourTable ColourTable;

    QString LastText13;
    QString LastText14;
    QString LastText15;

    // The default instances of the help window and the about window, while they are loaded.
    QPointer<Form2> m_form2;
    QPointer<Form3> m_form3;
    QPointer<ReadingWindow> m_readingWindow;
    QPointer<SmdWindow> m_smdWindow;
    QPointer<CombinationWindow> m_combinationWindow;
};
