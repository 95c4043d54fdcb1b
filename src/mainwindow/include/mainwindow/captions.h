#pragma once

#include <QString>

// Captions of the two toggle menu items, which start-up and the commands both set.
namespace captions {

using namespace Qt::StringLiterals;

inline const QString LegendHidden = u"Легенда ->"_s;
inline const QString LegendShown = u"Легенда <-"_s;
inline const QString Collapsed = u"Развернуть окно"_s;
inline const QString Expanded = u"Свернуть окно"_s;

} // namespace captions
