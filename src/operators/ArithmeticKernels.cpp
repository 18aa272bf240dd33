#include "operators/ArithmeticKernels.h"

#include <cmath>

namespace
{
const double kInfinite = 1e12;
const double kLogInfinite = std::log(kInfinite);

bool isSingle(const ValueBlock &b)
{
    return b.rows == 1 && b.cols == 1;
}
} // namespace

double bounded(double x)
{
    if (std::isfinite(x))
        return x;
    return x < 0 ? -kInfinite : kInfinite;
}

OperStatus broadcastShape(const ValueBlock *const blocks[], int count, int &setter)
{
    setter = -1;
    for (int k = 0; k < count; ++k) {
        const ValueBlock &b = *blocks[k];
        if (isSingle(b))
            continue;
        if (setter < 0) {
            setter = k;
            continue;
        }
        if (b.rows != blocks[setter]->rows || b.cols != blocks[setter]->cols)
            return OperStatus::FormatError;
    }
    // An empty block sets a 0 x 0 shape that nothing else can match but another empty block.
    if (setter >= 0 && blocks[setter]->empty())
        return OperStatus::FormatError;
    return OperStatus::Ok;
}

void broadcastInto(const ValueBlock *const blocks[], int count, int rows, int cols, Combine f,
                   ValueRows &out)
{
    double x[4];
    bool single[4];
    for (int k = 0; k < count; ++k) {
        single[k] = isSingle(*blocks[k]);
        x[k] = blocks[k]->at(0, 0);
    }
    for (int i = 0; i < rows; ++i) {
        double *target = out[i].data();
        for (int j = 0; j < cols; ++j) {
            for (int k = 0; k < count; ++k)
                if (!single[k])
                    x[k] = blocks[k]->at(i, j);
            target[j] = bounded(f(x));
        }
    }
}

double plusOf(const double *x)
{
    return x[0] + x[1];
}

double minusOf(const double *x)
{
    return x[0] - x[1];
}

double timesOf(const double *x)
{
    return x[0] * x[1];
}

double quotientOf(const double *x)
{
    return std::fabs(x[1]) <= 1e-12 ? kInfinite : x[0] / x[1];
}

double largerOf(const double *x)
{
    return x[1] > x[0] ? x[1] : x[0];
}

double smallerOf(const double *x)
{
    return x[1] < x[0] ? x[1] : x[0];
}

double ifAtLeastOf(const double *x)
{
    return x[0] >= x[1] - 1e-6 ? x[2] : x[3];
}

void matrixProduct(const ValueBlock &a, const ValueBlock &b, ValueRows &out)
{
    // Row by row of b, so the inner loop runs along contiguous rows; each entry still sums its
    // products in increasing k.
    for (int i = 0; i < a.rows; ++i) {
        const double *left = a.m.at(i).constData();
        double *target = out[i].data();
        for (int j = 0; j < b.cols; ++j)
            target[j] = 0.0;
        for (int k = 0; k < a.cols; ++k) {
            const double *right = b.m.at(k).constData();
            const double factor = left[k];
            for (int j = 0; j < b.cols; ++j)
                target[j] += factor * right[j];
        }
        for (int j = 0; j < b.cols; ++j)
            target[j] = bounded(target[j]);
    }
}

void mapInto(const ValueBlock &a, Map f, ValueRows &out)
{
    for (int i = 0; i < a.rows; ++i) {
        const double *source = a.m.at(i).constData();
        double *target = out[i].data();
        for (int j = 0; j < a.cols; ++j)
            target[j] = bounded(f(source[j]));
    }
}

double absoluteOf(double x)
{
    return std::fabs(x);
}

double ceilingOf(double x)
{
    return std::ceil(x);
}

double floorOf(double x)
{
    return std::floor(x);
}

double cappedExp(double x)
{
    // Beyond log(1e12) the cap holds anyway; testing first avoids the overflow.
    return x >= kLogInfinite ? kInfinite : std::exp(x);
}

double rootOf(double x)
{
    return x > 0 ? std::sqrt(x) : (std::isnan(x) ? x : 0.0);
}

OperStatus checkSquareRoots(const ValueBlock &a)
{
    for (int i = 0; i < a.rows; ++i)
        for (int j = 0; j < a.cols; ++j)
            if (a.at(i, j) < -1e-6)
                return OperStatus::NegativeArgument;
    return OperStatus::Ok;
}

void centerInto(const ValueBlock &a, ValueRows &out)
{
    const double count = double(a.rows) * a.cols;
    // Each entry divided before it is added: the mean of finite entries never overflows.
    double mean = 0.0;
    for (int i = 0; i < a.rows; ++i)
        for (int j = 0; j < a.cols; ++j)
            mean += a.at(i, j) / count;
    for (int i = 0; i < a.rows; ++i) {
        const double *source = a.m.at(i).constData();
        double *target = out[i].data();
        for (int j = 0; j < a.cols; ++j)
            target[j] = bounded(source[j] - mean);
    }
}
