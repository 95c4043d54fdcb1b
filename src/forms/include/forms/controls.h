#pragma once

#include "formsvalues/colour.h"
#include "formsvalues/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <optional>

namespace forms {

// Each control is a thin class over a Qt widget, created inside its container at its place
// in twips, with its objectName set to the control's name.

// The background and text colours of a control, kept as colour values, system colours
// included, and given to its palette together.
class Colours
{
public:
    void setBackColor(QWidget *widget, ColourValue colour);
    void setForeColor(QWidget *widget, ColourValue colour);
    // Gives the widget both colours at once.
    void apply(QWidget *widget) const;

private:
    ColourValue m_back = InactiveBorder;
    ColourValue m_fore = Desktop;
};

class Label : public QLabel
{
    Q_OBJECT

public:
    enum class AutoSize {
        Off, // keeps its size; the caption wraps at word boundaries
        GrowRight, // fits its caption, its left edge staying where it is
        CentredInContainer, // fits its caption, kept centred across its container
    };

    Label(QWidget *container, const QString &name, Place place, AutoSize autoSize);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption);
    void setCentred();

    void setBackColor(ColourValue colour) { m_colours.setBackColor(this, colour); }
    void setForeColor(ColourValue colour) { m_colours.setForeColor(this, colour); }

    // A label that acts on a click is a push button to assistive technology, with a press
    // action that raises Click; it still looks like a label and takes no focus.
    bool ActsAsButton() const { return m_actsAsButton; }
    void setActsAsButton(const QString &description = QString());

Q_SIGNALS:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitCaption();

    Colours m_colours;
    AutoSize m_autoSize = AutoSize::Off;
    bool m_actsAsButton = false;
    bool m_fitWhenShown = false;
};

class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    TextBox(QWidget *container, const QString &name, Place place);

    // The texts that a drop may leave in the box, as the window's Change handling keeps them;
    // any text by default. A drop is taken whole or not at all.
    void setDropsKept(std::function<bool(const QString &)> kept);

Q_SIGNALS:
    // Raised on every change of the text, by typing or by assignment; an assignment made
    // while handling Change raises it again at once, nested.
    void Change();
    // Raised before a key is processed, for the keys that produce a character and for
    // Backspace, Enter and Escape.
    void KeyPress();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // A drop that would leave a text the box does not keep, or that MaxLength would cut short,
    // is refused while it is dragged and when it is dropped, so that the source keeps its text
    // after a move; one that is taken is a move or a copy, as the source asks.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The text a drop would leave, where the box takes it.
    std::optional<QString> afterDrop(const QDropEvent *event);

    std::function<bool(const QString &)> m_dropsKept;
};

class Frame : public QGroupBox
{
    Q_OBJECT

public:
    Frame(QWidget *container, const QString &name, Place place, const QString &caption);
};

class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    OptionButton(QWidget *container, const QString &name, Place place, const QString &caption);

    bool Value() const { return isChecked(); }
};

class CheckBox : public QCheckBox
{
    Q_OBJECT

public:
    CheckBox(QWidget *container, const QString &name, Place place, const QString &caption);
};

// A drop-down list of fixed choices, the user choosing one.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    ComboBox(QWidget *container, const QString &name, Place place, const QStringList &items);
};

// A list of lines, each its own item to assistive technology, named with its whole text; long
// lines wrap.
class ListBox : public QListWidget
{
    Q_OBJECT

public:
    ListBox(QWidget *container, const QString &name, Place place);
};

// A text box of many lines, of plain text.
class TextArea : public QPlainTextEdit
{
    Q_OBJECT

public:
    TextArea(QWidget *container, const QString &name, Place place);
};

class PushButton : public QPushButton
{
    Q_OBJECT

public:
    PushButton(QWidget *container, const QString &name, Place place, const QString &caption);

    // Escape anywhere in the button's window presses it, as it does the cancel button of a
    // dialog.
    void setCancel();
};

// A picture shown at its natural size.
class Picture : public QLabel
{
    Q_OBJECT

public:
    Picture(QWidget *container, const QString &name, Place place, const QPixmap &picture);
};

// A drawn rectangle or rounded rectangle: filled with its BackColor, with an outline of
// BorderWidth pixels inside its bounds, or none.
class Shape : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { Rectangle, RoundedRectangle };

    Shape(QWidget *container, const QString &name, Place place, Kind kind, int borderWidth);

    ColourValue BackColor() const { return m_back; }
    void setBackColor(ColourValue colour);

    // What the shape shows, in words: its tool tip, shown as soon as the pointer is over it,
    // and its accessible name.
    void describe(const QString &description);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;

private:
    Kind m_kind = Kind::Rectangle;
    int m_borderWidth = 0;
    ColourValue m_back = rgb(255, 255, 255);
    ColourValue m_border = WindowText;
};

// A straight line between two points of its container, in twips; its width in pixels.
class Line : public QWidget
{
    Q_OBJECT

public:
    Line(QWidget *container, const QString &name, QPoint fromTwips, QPoint toTwips, int width,
        ColourValue colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
    int m_width = 1;
    ColourValue m_colour = WindowText;
};

} // namespace forms
