#pragma once

#include <QString>

// Captions of the two toggle menu items, which start-up and the commands both set.
namespace captions {

inline const QString LegendHidden = QStringLiteral("Легенда ->");
inline const QString LegendShown = QStringLiteral("Легенда <-");
inline const QString Collapsed = QStringLiteral("Развернуть окно");
inline const QString Expanded = QStringLiteral("Свернуть окно");

} // namespace captions
