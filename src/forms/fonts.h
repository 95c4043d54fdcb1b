#pragma once

#include <QFont>
#include <QString>

namespace forms {

struct FontStyle
{
    bool bold = false;
    bool underline = false;
};

// The families the windows name; Linux desktops lack them, so the forms layer lets Qt
// substitute metric-alike free fonts (see registerFontSubstitutes).
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
