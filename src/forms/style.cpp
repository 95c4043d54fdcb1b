#include "forms/style.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <cmath>

using namespace Qt::StringLiterals;

namespace forms {

namespace {

// A line of a bevel, one logical pixel wide: its first and last pixel along each side, counted
// inwards from the near edge (left, top) or the far one (right, bottom).
struct Edge
{
    bool far = false;
    int offset = 0;
};

struct Stroke
{
    Edge left, right, top, bottom;
    QPalette::ColorRole colour = QPalette::Dark;
};

// A sunken panel, two pixels deep, as a text box shows it.
constexpr Stroke SunkenPanel[] = {
    {{false, 0}, {false, 0}, {false, 0}, {true, 1}, QPalette::Dark},
    {{false, 0}, {true, 1}, {false, 0}, {false, 0}, QPalette::Dark},
    {{false, 0}, {true, 0}, {true, 0}, {true, 0}, QPalette::Light},
    {{true, 0}, {true, 0}, {false, 0}, {true, 0}, QPalette::Light},
    {{false, 1}, {false, 1}, {false, 1}, {true, 2}, QPalette::Shadow},
    {{false, 1}, {true, 2}, {false, 1}, {false, 1}, QPalette::Shadow},
    {{false, 1}, {true, 1}, {true, 1}, {true, 1}, QPalette::Window},
    {{true, 1}, {true, 1}, {false, 1}, {true, 1}, QPalette::Window},
};

// An etched frame: a dark line with a light one beside it.
constexpr Stroke EtchedFrame[] = {
    {{false, 0}, {true, 1}, {false, 0}, {false, 0}, QPalette::Dark},
    {{false, 0}, {true, 1}, {true, 1}, {true, 1}, QPalette::Dark},
    {{false, 0}, {false, 0}, {false, 0}, {true, 1}, QPalette::Dark},
    {{true, 1}, {true, 1}, {false, 0}, {true, 1}, QPalette::Dark},
    {{false, 1}, {true, 2}, {false, 1}, {false, 1}, QPalette::Light},
    {{false, 1}, {false, 1}, {false, 2}, {true, 2}, QPalette::Light},
    {{false, 0}, {true, 0}, {true, 0}, {true, 0}, QPalette::Light},
    {{true, 0}, {true, 0}, {false, 0}, {true, 1}, QPalette::Light},
};

bool fractional(qreal scale)
{
    return scale != std::round(scale);
}

// Paints the strokes over a rectangle in whole device pixels, each line as many pixels wide
// as the scale rounds to, from the rectangle's edges rounded inwards to the device's pixels.
template<std::size_t N>
void paintStrokes(
    QPainter *painter, const QRect &rect, const QPalette &palette, const Stroke (&strokes)[N])
{
    const QTransform device = painter->deviceTransform();
    const QRectF edges = device.mapRect(QRectF(rect));
    // Rounded inwards, so that every line lies inside the pixels the control owns, however the
    // platform rounds the control's own edges.
    const int near[2] = {int(std::ceil(edges.left())), int(std::ceil(edges.top()))};
    const int far[2] = {int(std::floor(edges.right())), int(std::floor(edges.bottom()))};
    const int width = std::max(1, qRound(device.m11()));
    const auto start = [&](Edge edge, int axis) {
        return edge.far ? far[axis] - (edge.offset + 1) * width : near[axis] + edge.offset * width;
    };
    const auto end = [&](Edge edge, int axis) {
        return edge.far ? far[axis] - edge.offset * width : near[axis] + (edge.offset + 1) * width;
    };
    painter->save();
    // From here on one unit is one pixel of the device.
    painter->setWorldTransform(device.inverted() * painter->worldTransform());
    for (const Stroke &stroke : strokes) {
        const QRect pixels(QPoint(start(stroke.left, 0), start(stroke.top, 1)),
            QPoint(end(stroke.right, 0) - 1, end(stroke.bottom, 1) - 1));
        painter->fillRect(pixels, palette.color(stroke.colour));
    }
    painter->restore();
}

class ClassicStyle : public QProxyStyle
{
public:
    ClassicStyle()
        : QProxyStyle(QStyleFactory::create(u"Windows"_s))
    { }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget) const override
    {
        const bool inPixels = fractional(painter->deviceTransform().m11());
        if (inPixels && element == PE_FrameLineEdit)
            paintStrokes(painter, option->rect, option->palette, SunkenPanel);
        else if (inPixels && element == PE_FrameGroupBox)
            paintStrokes(painter, option->rect, option->palette, EtchedFrame);
        else
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

} // namespace

QStyle *classicStyle()
{
    return new ClassicStyle;
}

} // namespace forms
