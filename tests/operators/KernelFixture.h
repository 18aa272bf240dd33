#pragma once

#include "InvariantFixtures.h"
#include "operators/OperStatus.h"

#include <Eigen/Dense>
#include <QVector>

/// A 32 x 32 value store whose leading rows x cols block holds entries row-major; every other
/// cell holds a poison value, so a kernel that reads outside the block shows it.
struct StoredValue {
    ValueRows m;
    int rows, cols;
    ValueBlock block() const { return ValueBlock{m, rows, cols}; }
};

inline StoredValue stored(int rows, int cols, const QVector<double> &entries = {})
{
    StoredValue v{ValueRows(32, QVector<double>(32, 7777.0)), rows, cols};
    for (int k = 0; k < entries.size() && cols > 0; ++k)
        v.m[k / cols][k % cols] = entries[k];
    return v;
}

inline StoredValue column(const QVector<double> &x)
{
    return stored(x.size(), 1, x);
}

inline Eigen::MatrixXd toEigen(const StoredValue &a)
{
    Eigen::MatrixXd e(a.rows, a.cols);
    for (int i = 0; i < a.rows; ++i)
        for (int j = 0; j < a.cols; ++j)
            e(i, j) = a.m[i][j];
    return e;
}

inline StoredValue fromEigen(const Eigen::MatrixXd &e)
{
    StoredValue a = stored(int(e.rows()), int(e.cols()));
    for (int i = 0; i < e.rows(); ++i)
        for (int j = 0; j < e.cols(); ++j)
            a.m[i][j] = e(i, j);
    return a;
}

/// A fresh 32 x 32 output store filled with a marker, to see which cells a kernel writes.
inline ValueRows markedStore(double marker = -4242.0)
{
    return ValueRows(32, QVector<double>(32, marker));
}
