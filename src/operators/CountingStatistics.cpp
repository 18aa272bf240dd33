#include "operators/CountingStatistics.h"

#include <cmath>

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
    double representatives[32 * 32];
    int found = 0;
    for (int i = 0; i < a.rows; ++i) {
        const double *row = a.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j) {
            const double x = row[j];
            bool matched = false;
            for (int k = 0; k < found && !matched; ++k)
                matched = kTolerance > std::fabs(representatives[k] - x);
            if (!matched)
                representatives[found++] = x;
        }
    }
    return found;
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
