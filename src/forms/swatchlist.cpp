#include "forms/swatchlist.h"

#include "forms/accessibility.h"
#include "forms/qtcolour.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolTip>

namespace forms {

SwatchList::SwatchList(QWidget *container, const QString &name, Place place)
    : QWidget(container)
{
    setObjectName(name);
    setGeometry(place.pixels());
    setFocusPolicy(Qt::StrongFocus);
}

void SwatchList::setItems(const QList<Item> &items)
{
    if (items == m_items)
        return;
    setChosen(-1);
    reportItemsGoing(this, int(items.size()));
    const auto before = m_items.size();
    m_items = items;
    // As wide as its swatches, so that a click beside the last one is no one's.
    resize(twipsToPixels(SwatchWidth * int(m_items.size())), height());
    update();
    reportItemsCame(this, int(before));
}

void SwatchList::setChosen(int index)
{
    if (index < -1 || index >= m_items.size() || index == m_chosen)
        return;
    const int before = m_chosen;
    m_chosen = index;
    update();
    reportChoice(this, before);
}

void SwatchList::pick(int index, Means means)
{
    if (index < 0 || index >= m_items.size() || index == m_chosen)
        return;
    setChosen(index);
    Q_EMIT picked(means);
}

QRect SwatchList::swatchRect(int index) const
{
    const int left = twipsToPixels(index * SwatchWidth);
    const int right = twipsToPixels((index + 1) * SwatchWidth);
    return {left, 0, right - left, height()};
}

int SwatchList::swatchAt(QPoint point) const
{
    for (int index = 0; index < m_items.size(); ++index) {
        if (swatchRect(index).contains(point))
            return index;
    }
    return -1;
}

bool SwatchList::event(QEvent *event)
{
    // Each swatch says what it stands for, for as long as the pointer stays on it.
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int index = swatchAt(help->pos());
        if (index < 0)
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), m_items[index].name, this, swatchRect(index));
        return true;
    }
    return QWidget::event(event);
}

void SwatchList::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    for (int index = 0; index < m_items.size(); ++index) {
        const QRect cell = swatchRect(index);
        const QRect swatch = cell.adjusted(3, 3, -3, -3);
        painter.fillRect(swatch, toQColor(m_items[index].colour));
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

void SwatchList::keyPressEvent(QKeyEvent *event)
{
    const int last = int(m_items.size()) - 1;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        pick(m_chosen < 0 ? 0 : std::max(m_chosen - 1, 0), Means::Key);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        pick(m_chosen < 0 ? 0 : std::min(m_chosen + 1, last), Means::Key);
        return;
    case Qt::Key_Home:
        pick(0, Means::Key);
        return;
    case Qt::Key_End:
        pick(last, Means::Key);
        return;
    default:
        break;
    }
    // A digit is the same digit in any script a keyboard layout writes it in.
    const QString text = event->text();
    const QChar typed = text.size() == 1 ? text.at(0) : QChar();
    const auto carries = [typed](QChar key) {
        return key == typed
            || (typed.isDigit() && key.isDigit() && key.digitValue() == typed.digitValue());
    };
    if (!typed.isNull() && !typed.isSpace()) {
        for (int index = 0; index < m_items.size(); ++index) {
            if (carries(m_items[index].key)) {
                pick(index, Means::Key);
                return;
            }
        }
        if (typed.isDigit()) {
            Q_EMIT refused(typed);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void SwatchList::mousePressEvent(QMouseEvent *event)
{
    const int index = swatchAt(event->position().toPoint());
    if (index < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    pick(index, Means::Pointer);
}

} // namespace forms
