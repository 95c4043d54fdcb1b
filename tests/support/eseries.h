#pragma once

#include <QList>

#include <cmath>

// IEC 60063:2015, Table 2: E48, E96 and E192 are 10^(i/n) to three figures, but for E192's
// 920, where the rounding gives 919. Worked out here, not taken from the program's tables.
inline QList<int> threeFigureSeries(int n)
{
    QList<int> values;
    for (int i = 0; i < n; ++i) {
        const int value = int(std::lround(100 * std::pow(10.0, double(i) / n)));
        values.append(value == 919 ? 920 : value);
    }
    return values;
}
