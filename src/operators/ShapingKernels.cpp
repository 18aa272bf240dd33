#include "operators/ShapingKernels.h"

#include <cmath>

OperStatus entryInReadingOrder(const ValueBlock &a, int position, double &value)
{
    const int count = a.rows * a.cols;
    const int k = position < 0 ? count + position : position;
    if (k < 0 || k >= count)
        return OperStatus::NotEnoughValues;
    value = a.at(k / a.cols, k % a.cols);
    return OperStatus::Ok;
}

OperStatus indexFrom(const ValueBlock &index, int count, int &k)
{
    if (index.rows != 1 || index.cols != 1)
        return OperStatus::FormatError;
    const double v = index.at(0, 0);
    // Written so that NaN fails the test.
    if (!(v >= 1 - 1e-6 && v <= count + 1e-6))
        return OperStatus::IndexOutOfRange;
    const double whole = std::round(v);
    if (std::fabs(v - whole) > 1e-6)
        return OperStatus::IndexOutOfRange;
    k = int(whole) - 1;
    return OperStatus::Ok;
}

void columnInto(const ValueBlock &a, int j, ValueRows &out)
{
    for (int i = 0; i < a.rows; ++i)
        out[i][0] = a.at(i, j);
}

void rowInto(const ValueBlock &a, int i, ValueRows &out)
{
    const double *source = a.m.at(i).constData();
    double *target = out[0].data();
    for (int j = 0; j < a.cols; ++j)
        target[j] = source[j];
}

OperStatus checkAppendColumns(const ValueBlock &a, const ValueBlock &b)
{
    return b.rows == a.rows && a.cols + b.cols <= 32 ? OperStatus::Ok : OperStatus::FormatError;
}

void appendColumnsInto(const ValueBlock &a, const ValueBlock &b, ValueRows &out)
{
    for (int i = 0; i < a.rows; ++i) {
        double *target = out[i].data();
        for (int j = 0; j < a.cols; ++j)
            target[j] = a.at(i, j);
        for (int j = 0; j < b.cols; ++j)
            target[a.cols + j] = b.at(i, j);
    }
}

void transposeInto(const ValueBlock &a, ValueRows &out)
{
    for (int i = 0; i < a.rows; ++i)
        for (int j = 0; j < a.cols; ++j)
            out[j][i] = a.at(i, j);
}

OperStatus diagonalInto(const ValueBlock &a, bool &toMatrix, ValueRows &out)
{
    if (a.isVector()) {
        toMatrix = true;
        const int n = a.rows * a.cols;
        for (int i = 0; i < n; ++i) {
            double *target = out[i].data();
            for (int j = 0; j < n; ++j)
                target[j] = 0.0;
            target[i] = a.vectorAt(i);
        }
        return OperStatus::Ok;
    }
    if (a.rows != a.cols)
        return OperStatus::FormatError;
    toMatrix = false;
    for (int i = 0; i < a.rows; ++i)
        out[i][0] = a.at(i, i);
    return OperStatus::Ok;
}

OperStatus sortedInto(const ValueBlock &a, ValueRows &out)
{
    if (!a.isVector())
        return OperStatus::FormatError;
    const int n = a.rows * a.cols;
    double v[32];
    // Insertion sort: at most 32 entries, and a NaN (placed last) cannot upset it.
    for (int k = 0; k < n; ++k) {
        const double x = a.vectorAt(k);
        int p = k;
        while (p > 0 && (std::isnan(v[p - 1]) || (!std::isnan(x) && v[p - 1] < x))) {
            v[p] = v[p - 1];
            --p;
        }
        v[p] = x;
    }
    for (int k = 0; k < n; ++k) {
        if (a.cols >= 2)
            out[0][k] = v[k];
        else
            out[k][0] = v[k];
    }
    return OperStatus::Ok;
}
