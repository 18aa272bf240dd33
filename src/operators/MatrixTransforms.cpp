#include "operators/MatrixTransforms.h"

#include "numerics/Cholesky.h"

void laplacianOf(const ValueBlock &a, ValueRows &out)
{
    const int n = a.cols;
    for (int i = 0; i < n; ++i) {
        const double *row = a.m.at(i).constData();
        double *target = out[i].data();
        for (int j = 0; j < n; ++j)
            target[j] = -row[j];
        double diagonal = target[i];
        for (int j = 0; j < n; ++j)
            diagonal += row[j];
        target[i] = diagonal;
    }
}

bool choleskyInto(const ValueRows &a, int n, ValueRows &out)
{
    for (int i = 0; i < n; ++i) {
        const double *row = a.at(i).constData();
        double *target = out[i].data();
        for (int j = 0; j < n; ++j)
            target[j] = row[j];
    }
    const Cholesky factorisation(out, n);
    if (!factorisation.succeeded())
        return false;
    const QVector<QVector<double>> l = factorisation.q();
    for (int i = 0; i < n; ++i) {
        double *target = out[i].data();
        for (int j = 0; j < n; ++j)
            target[j] = l.at(i).at(j);
    }
    return true;
}
