#include "operators/CountingStatistics.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
const double kTolerance = 1e-6;
}

double sumAtLeast(const ValueBlock &a, double threshold)
{
    const double bound = threshold - kTolerance;
    double s = 0.0;
    for (int i = 0; i < a.rows; ++i) {
        const double *row = a.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j)
            if (row[j] >= bound)
                s += row[j];
    }
    return s;
}

double countNear(const ValueBlock &a, double v, double eps)
{
    double count = 0.0;
    for (int i = 0; i < a.rows; ++i) {
        const double *row = a.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j)
            if (eps > std::fabs(row[j] - v))
                count += 1.0;
    }
    return count;
}

void countNearEach(const ValueBlock &a, const ValueBlock &ref, double eps, ValueRows &out)
{
    for (int i = 0; i < ref.rows; ++i) {
        double *target = out[i].data();
        for (int j = 0; j < ref.cols; ++j)
            target[j] = countNear(a, ref.at(i, j), eps);
    }
}

double countDistinct(const ValueBlock &a)
{
    // Representatives are kept sorted. The computed |y - x| never shrinks as y moves away from
    // x on either side, so only the nearest representative at or above x and the nearest below
    // it can lie within the tolerance: the same answer as comparing x with all of them.
    double sorted[32 * 32];
    int found = 0;
    int notANumber = 0; // such representatives match nothing, so they need no place
    for (int i = 0; i < a.rows; ++i) {
        const double *row = a.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j) {
            const double x = row[j];
            if (std::isnan(x)) {
                ++notANumber;
                continue;
            }
            const int p = int(std::lower_bound(sorted, sorted + found, x) - sorted);
            const bool matched = (p < found && kTolerance > std::fabs(sorted[p] - x)) ||
                                 (p > 0 && kTolerance > std::fabs(sorted[p - 1] - x));
            if (matched)
                continue;
            std::memmove(sorted + p + 1, sorted + p, sizeof(double) * size_t(found - p));
            sorted[p] = x;
            ++found;
        }
    }
    return found + notANumber;
}

double populationVariance(const ValueBlock &a)
{
    const double count = double(a.rows * a.cols);
    double mean = 0.0;
    for (int i = 0; i < a.rows; ++i) {
        const double *row = a.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j)
            mean = mean + row[j] / count;
    }
    double squares = 0.0;
    for (int i = 0; i < a.rows; ++i) {
        const double *row = a.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j)
            squares = squares + (row[j] - mean) * (row[j] - mean);
    }
    return squares / count;
}

OperStatus distanceToPalindrome(const ValueBlock &a, double &distance)
{
    if (a.empty())
        return OperStatus::ArgumentError;
    if (!a.isVector())
        return OperStatus::NotVector;
    if (a.rows == 1 && a.cols == 1)
        return OperStatus::SingleValue;
    const int n = a.rows == 1 ? a.cols : a.rows;
    double d = 0.0;
    for (int i = 0; i < n / 2; ++i)
        d = d + std::fabs(a.vectorAt(i) - a.vectorAt(n - 1 - i));
    distance = d;
    return OperStatus::Ok;
}
