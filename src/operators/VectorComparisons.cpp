#include "operators/VectorComparisons.h"

#include <cmath>

OperStatus checkPair(const ValueBlock &a, const ValueBlock &b, bool vectorsOnly)
{
    if (a.empty())
        return OperStatus::ArgumentError;
    if (vectorsOnly && !a.isVector())
        return OperStatus::VectorsNeeded;
    if (b.cols != a.cols || b.rows != a.rows)
        return OperStatus::SizeDiffer;
    return OperStatus::Ok;
}

OperStatus cosineBetween(const ValueBlock &a, const ValueBlock &b, double &cosine)
{
    cosine = 0.0;
    double p = 0.0;
    double q = 0.0;
    for (int i = 0; i < a.rows; ++i) {
        const double *ra = a.m.at(i).constData();
        const double *rb = b.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j) {
            p += ra[j] * ra[j];
            q += rb[j] * rb[j];
        }
    }
    const double s = std::sqrt(q * p);
    if (s < 1e-6)
        return OperStatus::DivisionByZero;
    double c = 0.0;
    for (int i = 0; i < a.rows; ++i) {
        const double *ra = a.m.at(i).constData();
        const double *rb = b.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j)
            c += ra[j] * rb[j] / s;
    }
    if (c < -0.999999)
        c = -1.0;
    if (c > 0.999999)
        c = 1.0;
    cosine = c;
    return OperStatus::Ok;
}

double euclideanDistance(const ValueBlock &a, const ValueBlock &b)
{
    double t = 0.0;
    for (int i = 0; i < a.rows; ++i) {
        const double *ra = a.m.at(i).constData();
        const double *rb = b.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j)
            t += (ra[j] - rb[j]) * (ra[j] - rb[j]);
    }
    return std::sqrt(t);
}

double manhattanDistance(const ValueBlock &a, const ValueBlock &b)
{
    double t = 0.0;
    for (int i = 0; i < a.rows; ++i) {
        const double *ra = a.m.at(i).constData();
        const double *rb = b.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j)
            t += std::fabs(ra[j] - rb[j]);
    }
    return t;
}

double sumOfProducts(const ValueBlock &a, const ValueBlock &b)
{
    double t = 0.0;
    for (int i = 0; i < a.rows; ++i) {
        const double *ra = a.m.at(i).constData();
        const double *rb = b.m.at(i).constData();
        for (int j = 0; j < a.cols; ++j)
            t += ra[j] * rb[j];
    }
    return t;
}
