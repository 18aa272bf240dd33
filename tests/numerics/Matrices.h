#pragma once

#include <Eigen/Dense>
#include <QMetaType>
#include <QVector>

typedef QVector<QVector<double>> Matrix;
Q_DECLARE_METATYPE(Matrix)

/// The top-left n x n block of m, for Eigen.
inline Eigen::MatrixXd toEigen(const Matrix &m, int n)
{
    Eigen::MatrixXd e(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            e(i, j) = m[i][j];
    return e;
}

inline Matrix fromEigen(const Eigen::MatrixXd &e)
{
    Matrix m(int(e.rows()), QVector<double>(int(e.cols())));
    for (int i = 0; i < e.rows(); ++i)
        for (int j = 0; j < e.cols(); ++j)
            m[i][j] = e(i, j);
    return m;
}

/// Entries drawn in [-scale, scale] (qrand), symmetric when asked.
inline Matrix randomMatrix(int rows, int cols, double scale, bool symmetric = false)
{
    Matrix m(rows, QVector<double>(cols));
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            m[i][j] = symmetric && j < i ? m[j][i] : scale * (2.0 * qrand() / RAND_MAX - 1.0);
    return m;
}
