#include "forms/controls.h"

#include "forms/accessibility.h"
#include "forms/qtcolour.h"

#include <QAccessible>
#include <QCursor>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QShortcut>
#include <QToolTip>

#include <algorithm>

namespace forms {

void Colours::setBackColor(QWidget *widget, ColourValue colour)
{
    m_back = colour;
    apply(widget);
}

void Colours::setForeColor(QWidget *widget, ColourValue colour)
{
    m_fore = colour;
    apply(widget);
}

void Colours::apply(QWidget *widget) const
{
    QPalette palette = widget->palette();
    const QColor back = toQColor(m_back);
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, back);
    const QColor fore = toQColor(m_fore);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, fore);
    widget->setPalette(palette);
}

namespace {

// Every control starts with the window's common colours.
void setUp(QWidget *control, const QString &name, Place place)
{
    control->setObjectName(name);
    control->setGeometry(place.pixels());
    control->setAutoFillBackground(true);
    Colours().apply(control);
}

} // namespace

Label::Label(QWidget *container, const QString &name, Place place, AutoSize autoSize)
    : QLabel(container)
    , m_autoSize(autoSize)
{
    setUp(this, name, place);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(autoSize == AutoSize::Off);
}

void Label::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    fitCaption();
}

void Label::setCentred()
{
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void Label::fitCaption()
{
    if (m_autoSize == AutoSize::Off)
        return;
    // Measuring a caption loads its font; a label out of sight is measured once it is shown,
    // and so a window shows sooner when it starts with part of itself hidden.
    m_fitWhenShown = !isVisible();
    if (m_fitWhenShown)
        return;
    resize(sizeHint());
    if (m_autoSize == AutoSize::CentredInContainer && parentWidget())
        move((parentWidget()->width() - width()) / 2, y());
}

void Label::setActsAsButton(const QString &description)
{
    m_actsAsButton = true;
    setAccessibleDescription(description);
    // Drops an interface made for the plain label, as setting its caption may have made one;
    // the next one asked for is a button's.
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(this)));
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT Click();
}

void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitCaption();
}

void Label::showEvent(QShowEvent *event)
{
    if (m_fitWhenShown)
        fitCaption();
    QLabel::showEvent(event);
}

TextBox::TextBox(QWidget *container, const QString &name, Place place)
    : QLineEdit(container)
{
    setUp(this, name, place);
    setAlignment(Qt::AlignCenter);
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool editingKey = key == Qt::Key_Backspace || key == Qt::Key_Return
        || key == Qt::Key_Enter || key == Qt::Key_Escape;
    const bool character = !event->text().isEmpty() && key != Qt::Key_Delete;
    if (editingKey || character) {
        // A handler that moves the focus away deselects the text; the key still acts on the
        // selection it was typed over.
        const int start = selectionStart();
        const int length = selectionLength();
        Q_EMIT KeyPress();
        if (start >= 0 && !hasSelectedText())
            setSelection(start, length);
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::setDropsKept(std::function<bool(const QString &)> kept)
{
    m_dropsKept = std::move(kept);
}

std::optional<QString> TextBox::afterDrop(const QDropEvent *event)
{
    QString whole = text();
    whole.insert(cursorPositionAt(event->position().toPoint()), event->mimeData()->text());
    if (whole.size() > maxLength() || (m_dropsKept && !m_dropsKept(whole)))
        return std::nullopt;
    return whole;
}

void TextBox::dragEnterEvent(QDragEnterEvent *event)
{
    // As for the line edit itself, entering is the first move.
    dragMoveEvent(event);
}

void TextBox::dragMoveEvent(QDragMoveEvent *event)
{
    QLineEdit::dragMoveEvent(event);
    if (event->isAccepted() && !afterDrop(event))
        event->ignore();
}

void TextBox::dropEvent(QDropEvent *event)
{
    const std::optional<QString> whole = afterDrop(event);
    if (whole)
        QLineEdit::dropEvent(event);
    // Refused, or put back by the window after all: the source is told so.
    if (!whole || text() != *whole) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
    }
}

Frame::Frame(QWidget *container, const QString &name, Place place, const QString &caption)
    : QGroupBox(caption, container)
{
    setUp(this, name, place);
}

OptionButton::OptionButton(
    QWidget *container, const QString &name, Place place, const QString &caption)
    : QRadioButton(caption, container)
{
    setUp(this, name, place);
}

CheckBox::CheckBox(QWidget *container, const QString &name, Place place, const QString &caption)
    : QCheckBox(caption, container)
{
    setUp(this, name, place);
}

ComboBox::ComboBox(QWidget *container, const QString &name, Place place, const QStringList &items)
    : QComboBox(container)
{
    setUp(this, name, place);
    addItems(items);
}

ListBox::ListBox(QWidget *container, const QString &name, Place place)
    : QListWidget(container)
{
    setUp(this, name, place);
    setWordWrap(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

TextArea::TextArea(QWidget *container, const QString &name, Place place)
    : QPlainTextEdit(container)
{
    setUp(this, name, place);
    setTabChangesFocus(true);
}

PushButton::PushButton(QWidget *container, const QString &name, Place place, const QString &caption)
    : QPushButton(caption, container)
{
    setObjectName(name);
    setGeometry(place.pixels());
    // Enter presses the focused button, in any window.
    setAutoDefault(true);
}

void PushButton::setCancel()
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window());
    connect(escape, &QShortcut::activated, this, &QPushButton::click);
}

Picture::Picture(QWidget *container, const QString &name, Place place, const QPixmap &picture)
    : QLabel(container)
{
    setObjectName(name);
    setGeometry(place.pixels());
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPixmap(picture);
}

Shape::Shape(QWidget *container, const QString &name, Place place, Kind kind, int borderWidth)
    : QWidget(container)
    , m_kind(kind)
    , m_borderWidth(borderWidth)
{
    setObjectName(name);
    setGeometry(place.pixels());
}

void Shape::setBackColor(ColourValue colour)
{
    if (colour == m_back)
        return;
    m_back = colour;
    update();
}

void Shape::describe(const QString &description)
{
    if (description == accessibleName())
        return;
    setToolTip(description);
    setAccessibleName(description);
    // A tip already open over the shape follows it.
    if (underMouse() && QToolTip::isVisible())
        QToolTip::showText(QCursor::pos(), description, this);
}

void Shape::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (!toolTip().isEmpty())
        QToolTip::showText(event->globalPosition().toPoint(), toolTip(), this);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    const QRect outer = rect();
    const QRect inner
        = outer.adjusted(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    if (m_kind == Kind::Rectangle) {
        painter.fillRect(outer, toQColor(m_border));
        painter.fillRect(inner, toQColor(m_back));
        return;
    }
    // The outline is the ring between the outer rounded rectangle and the inner one.
    const int radius = std::min(outer.width(), outer.height()) / 6;
    painter.setBrush(toQColor(m_border));
    painter.drawRoundedRect(outer, radius, radius);
    painter.setBrush(toQColor(m_back));
    painter.drawRoundedRect(inner, radius - m_borderWidth, radius - m_borderWidth);
}

Line::Line(QWidget *container, const QString &name, QPoint fromTwips, QPoint toTwips, int width,
    ColourValue colour)
    : QWidget(container)
    , m_width(width)
    , m_colour(colour)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    markDecorative(this);
    const QPoint from(twipsToPixels(fromTwips.x()), twipsToPixels(fromTwips.y()));
    const QPoint to(twipsToPixels(toTwips.x()), twipsToPixels(toTwips.y()));
    // The widget covers the line with room for its width on every side.
    const QRect bounds = QRect(from, to).normalized().adjusted(-width, -width, width, width);
    setGeometry(bounds);
    m_from = from - bounds.topLeft();
    m_to = to - bounds.topLeft();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(toQColor(m_colour), m_width);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(m_from, m_to);
}

} // namespace forms
