#include "Cholesky.h"

#include <algorithm>
#include <cmath>

Cholesky::Cholesky(QVector<QVector<double>> matrix, int n)
{
    if (n <= 0)
        return;
    factor = QVector<QVector<double>>(n, QVector<double>(n, 0.0));
    // Missing entries of a matrix smaller than n x n read as 0 rather than past the end.
    const int rows = std::min(n, matrix.size());
    for (int i = 0; i < rows; ++i) {
        const QVector<double> &row = matrix.at(i);
        std::copy(row.constBegin(), row.constBegin() + std::min(n, row.size()), factor[i].begin());
    }

    for (int j = 0; j < n; ++j) {
        QVector<double> &lj = factor[j];
        double d = lj[j];
        for (int k = 0; k < j; ++k)
            d -= lj[k] * lj[k];
        // No tolerance: an exact zero fails as well, and so does NaN, which would otherwise
        // pass as a factor.
        if (!(d > 0.0)) {
            success = false;
            for (QVector<double> &row : factor)
                row.fill(0.0);
            return;
        }
        d = std::sqrt(d);
        lj[j] = d;
        for (int i = j + 1; i < n; ++i) {
            QVector<double> &li = factor[i];
            double x = li[j];
            for (int k = 0; k < j; ++k)
                x -= li[k] * lj[k];
            li[j] = x / d;
        }
    }
    for (int i = 0; i < n; ++i)
        std::fill(factor[i].begin() + i + 1, factor[i].end(), 0.0);
}
