#pragma once

#include <QFont>
#include <QString>

namespace forms {

using namespace Qt::StringLiterals;

struct FontStyle
{
    bool bold = false;
    bool underline = false;
};

// The families the forms name; where the machine lacks them, as Linux desktops do, the
// forms layer asks for metric-alike free fonts in their place (see registerFontSubstitutes).
inline const QString Tahoma = u"Tahoma"_s;
inline const QString Courier = u"Courier"_s;
inline const QString CourierNew = u"Courier New"_s;
// The font of controls whose window sets none.
inline const QString DefaultFamily = u"MS Sans Serif"_s;
inline constexpr double DefaultPoints = 8.25;

QFont font(const QString &family, double points, FontStyle style = {});

// Once per process, before the first window is built.
void registerFontSubstitutes();

} // namespace forms
