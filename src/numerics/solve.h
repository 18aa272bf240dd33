#pragma once

#include <QVector>

/// Coefficients x and offset c with b[i] = sum_j A[i][j] * x[j] + c on the pivot rows, by
/// Gauss-Jordan elimination with complete pivoting on the system centred on the means; pivots
/// of magnitude 1e-4 or less end the elimination and leave the remaining variables at 0.
/// Returns x[0..m-1] then c. Throws the int 1 when A is not m x m for m = b.size().
QVector<double> solve(QVector<QVector<double>> A, QVector<double> b);
