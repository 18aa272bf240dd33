#include "operators/EigenKernels.h"

#include "numerics/Eig.h"

#include <cmath>

namespace
{
const double kTolerance = 1e-6;
}

OperStatus checkSymmetricMatrix(const ValueBlock &a)
{
    if (a.empty())
        return OperStatus::ArgumentError;
    if (a.cols != a.rows)
        return OperStatus::NotSquare;
    if (a.cols == 1)
        return OperStatus::NotMatrix;
    const int n = a.rows;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (std::fabs(a.at(i, j) - a.at(j, i)) > kTolerance)
                return OperStatus::NotSymmetric;
    return OperStatus::Ok;
}

OperStatus checkDecomposable(const ValueBlock &a)
{
    const OperStatus status = checkSymmetricMatrix(a);
    if (status != OperStatus::Ok)
        return status;
    // Refused rather than decomposed: a decomposition of such a block means nothing.
    const int n = a.rows;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (!std::isfinite(a.at(i, j)))
                return OperStatus::NotFinite;
    return OperStatus::Ok;
}

void eigenvaluesInto(const ValueRows &a, int n, ValueRows &out)
{
    const Eig eig(a, n);
    const QVector<double> values = eig.eigvals();
    for (int k = 0; k < n; ++k)
        out[k][0] = values.at(k);
}

void eigenvectorsInto(const ValueRows &a, int n, ValueRows &out)
{
    const Eig eig(a, n);
    const QVector<QVector<double>> vectors = eig.eigvecs();
    for (int i = 0; i < n; ++i) {
        double *row = out[i].data();
        for (int j = 0; j < n; ++j)
            row[j] = vectors.at(i).at(j);
    }
}

double productWithZeroRule(const QVector<double> &eigenvalues)
{
    double p = 1.0;
    for (const double lambda : eigenvalues) {
        if (std::fabs(lambda) < kTolerance || std::fabs(p) < kTolerance)
            p = 0.0;
        p = lambda * p;
    }
    return p;
}

double determinantOf(const ValueRows &a, int n)
{
    return productWithZeroRule(Eig(a, n).eigvals());
}

void inertiaOf(const ValueRows &a, int n, int counts[3])
{
    counts[0] = counts[1] = counts[2] = 0;
    const QVector<double> values = Eig(a, n).eigvals();
    for (const double lambda : values) {
        if (lambda > kTolerance)
            ++counts[2];
        else if (lambda < -kTolerance)
            ++counts[0];
        else
            ++counts[1];
    }
}
