#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace colourcode {

using namespace Qt::StringLiterals;

// The readout's caption while a field is empty; "Решить" refuses to paint on it.
inline const QString NoData = u"Нет данных"_s;

// The readout of the three entry texts (first digit, second digit, multiplier): the nominal
// with its unit, "Нет данных" while a text is empty, or none where the multiplier names no
// known step or a text does not read as a number, so that the readout keeps its caption.
std::optional<QString> ComputeNominal(QStringView first, QStringView second, QStringView multiplier,
    const QLocale &locale = QLocale());

} // namespace colourcode
