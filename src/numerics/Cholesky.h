#pragma once

#include <QVector>

/// Factor A = L * L^T of a symmetric positive definite matrix. Only the diagonal and lower
/// triangle of the top-left n x n block are read. A pivot of 0 or less fails the whole
/// factorisation: succeeded() is false and q() all zeros.
class Cholesky
{
public:
    Cholesky(QVector<QVector<double>> matrix, int n);

    /// The factor L: n rows of n doubles, zeros above the diagonal.
    QVector<QVector<double>> q() const { return factor; }
    bool succeeded() const { return success; }

private:
    QVector<QVector<double>> factor;
    bool success = true;
};
