#include "solve.h"
#include "common/writeDiagnostic.h"

#include <cmath>
#include <utility>

QVector<double> solve(QVector<QVector<double>> A, QVector<double> b)
{
    const int m = b.size();
    bool fits = A.size() == m;
    for (int i = 0; fits && i < A.size(); ++i)
        fits = A.at(i).size() == m;
    if (!fits) {
        writeDiagnostic("DIMENSION ERROR IN solve()");
        writeDiagnostic("VEC :" + QByteArray::number(m));
        writeDiagnostic("MAT :" + QByteArray::number(A.size()) + " x " +
                        QByteArray::number(A.isEmpty() ? 0 : A.at(0).size()));
        throw 1;
    }

    QVector<double> mu(m, 0.0);
    double beta = 0.0;
    for (int i = 0; i < m; ++i) {
        const QVector<double> &row = A.at(i);
        for (int j = 0; j < m; ++j)
            mu[j] += row.at(j) / m;
        beta += b.at(i) / m;
    }

    // A and b are our own copies: centre them in place.
    QVector<QVector<double>> &M = A;
    QVector<double> &r = b;
    for (int i = 0; i < m; ++i) {
        QVector<double> &row = M[i];
        for (int j = 0; j < m; ++j)
            row[j] -= mu[j];
        r[i] -= beta;
    }
    QVector<int> perm(m);
    for (int j = 0; j < m; ++j)
        perm[j] = j;

    for (int k = 0; k < m; ++k) {
        int pr = k, pc = k;
        double v = M[k][k];
        for (int i = k; i < m; ++i)
            for (int j = k; j < m; ++j)
                if (std::fabs(M[i][j]) > std::fabs(v)) {
                    v = M[i][j];
                    pr = i;
                    pc = j;
                }
        if (std::fabs(v) <= 1e-4) {
            for (int i = k; i < m; ++i)
                r[i] = 0.0;
            break;
        }
        std::swap(M[k], M[pr]);
        std::swap(r[k], r[pr]);
        for (int i = 0; i < m; ++i)
            std::swap(M[i][k], M[i][pc]);
        std::swap(perm[k], perm[pc]);

        QVector<double> &rowK = M[k];
        for (int j = 0; j < m; ++j)
            rowK[j] /= v;
        r[k] /= v;

        for (int i = 0; i < m; ++i) {
            if (i == k)
                continue;
            QVector<double> &rowI = M[i];
            const double f = rowI[k];
            for (int j = 0; j < m; ++j)
                if (j != k)
                    rowI[j] -= rowK[j] * f;
            r[i] -= r[k] * f;
            rowI[k] = 0.0;
        }
    }

    QVector<double> x(m + 1, 0.0);
    for (int j = 0; j < m; ++j)
        x[perm[j]] = r[j];
    double c = beta;
    for (int i = 0; i < m; ++i)
        c -= x[i] * mu[i];
    x[m] = c;
    return x;
}
