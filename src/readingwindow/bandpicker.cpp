#include "readingwindow/bandpicker.h"

#include "forms/qtcolour.h"
#include "partcode/answer.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

BandPicker::BandPicker(QWidget *container, const QString &name, forms::Place place)
    : QWidget(container)
{
    setObjectName(name);
    setGeometry(place.pixels());
    setFocusPolicy(Qt::StrongFocus);
}

void BandPicker::setColours(const QList<partcode::Colour> &colours)
{
    const auto kept = colour();
    m_colours = colours;
    m_chosen = kept ? int(m_colours.indexOf(*kept)) : -1;
    // As wide as its swatches, so that a click beside the last one is no one's.
    resize(forms::twipsToPixels(SwatchWidth * int(m_colours.size())), height());
    update();
}

std::optional<partcode::Colour> BandPicker::colour() const
{
    if (m_chosen < 0)
        return std::nullopt;
    return m_colours[m_chosen];
}

void BandPicker::setColour(std::optional<partcode::Colour> colour)
{
    m_chosen = colour ? int(m_colours.indexOf(*colour)) : -1;
    update();
}

QRect BandPicker::swatchRect(int index) const
{
    const int left = forms::twipsToPixels(index * SwatchWidth);
    const int right = forms::twipsToPixels((index + 1) * SwatchWidth);
    return {left, 0, right - left, height()};
}

void BandPicker::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    for (int index = 0; index < m_colours.size(); ++index) {
        const QRect cell = swatchRect(index);
        const QRect swatch = cell.adjusted(3, 3, -3, -3);
        painter.fillRect(swatch, forms::toQColor(partcode::colourValue(m_colours[index])));
        painter.setPen(Qt::black);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        if (index == m_chosen) {
            painter.setPen(QPen(Qt::black, 2));
            painter.drawRect(cell.adjusted(1, 1, -1, -1));
            painter.setPen(Qt::white);
            painter.drawRect(cell.adjusted(2, 2, -3, -3));
        }
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void BandPicker::keyPressEvent(QKeyEvent *event)
{
    const int last = int(m_colours.size()) - 1;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        pick(m_chosen < 0 ? 0 : std::max(m_chosen - 1, 0));
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        pick(m_chosen < 0 ? 0 : std::min(m_chosen + 1, last));
        return;
    case Qt::Key_Home:
        pick(0);
        return;
    case Qt::Key_End:
        pick(last);
        return;
    default:
        break;
    }
    // A digit picks the colour that stands for it as a figure.
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isDigit()) {
        const int digit = text.at(0).digitValue();
        for (int index = 0; index < m_colours.size(); ++index) {
            if (iec60062::meaning(m_colours[index]).figure == digit) {
                pick(index);
                return;
            }
        }
        Q_EMIT refused(digit);
        return;
    }
    QWidget::keyPressEvent(event);
}

void BandPicker::mousePressEvent(QMouseEvent *event)
{
    for (int index = 0; index < m_colours.size(); ++index) {
        if (swatchRect(index).contains(event->position().toPoint())) {
            setFocus(Qt::MouseFocusReason);
            pick(index);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void BandPicker::pick(int index)
{
    if (index < 0 || index >= m_colours.size())
        return;
    m_chosen = index;
    update();
    Q_EMIT picked();
}
