#pragma once

#include <QtGlobal>
#include <algorithm>
#include <cmath>

/// True when actual and expected agree within eps, absolutely or relative to their size.
inline bool fuzzyCompare(double actual, double expected, double eps = 1e-6)
{
    if (std::isnan(actual) || std::isnan(expected))
        return std::isnan(actual) && std::isnan(expected);
    if (actual == expected)
        return true;
    const double diff = std::fabs(actual - expected);
    return diff <= eps || diff <= eps * std::max(std::fabs(actual), std::fabs(expected));
}

#define FUZZY_COMPARE(actual, expected, eps)                                                     \
    QVERIFY2(fuzzyCompare((actual), (expected), (eps)),                                          \
             qPrintable(QString("%1 != %2 (eps %3)").arg((actual), 0, 'g', 17)                   \
                            .arg((expected), 0, 'g', 17).arg((eps))))
