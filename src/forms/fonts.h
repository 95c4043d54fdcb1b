#pragma once

#include <QFont>
#include <QString>

namespace forms {

struct FontStyle
{
    bool bold = false;
    bool underline = false;
};

// The families the windows name; where the machine lacks them, as Linux desktops do, the
// forms layer asks for metric-alike free fonts in their place (see registerFontSubstitutes).
inline const QString Tahoma = QStringLiteral("Tahoma");
inline const QString Courier = QStringLiteral("Courier");
inline const QString CourierNew = QStringLiteral("Courier New");
// The font of controls whose window sets none.
inline const QString DefaultFamily = QStringLiteral("MS Sans Serif");
inline constexpr double DefaultPoints = 8.25;

QFont font(const QString &family, double points, FontStyle style = {});

// Once per process, before the first window is built.
void registerFontSubstitutes();

} // namespace forms
