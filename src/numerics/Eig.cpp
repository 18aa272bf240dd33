#include "Eig.h"
#include "common/writeDiagnostic.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

int Eig::maxRotations(int n)
{
    if (n < 2)
        return 0;
    const long long pairs = static_cast<long long>(n) * (n - 1) / 2;
    const long long cap = 100 * pairs + 1000;
    return cap > 100000000LL ? 100000000 : static_cast<int>(cap);
}

Eig::Eig(QVector<QVector<double>> matrix, int order, int rotationCap) : n(order < 0 ? 0 : order)
{
    // Working matrix a row-major; the rotation product is kept transposed (vt[k*n + r] is
    // component r of column k) so that the per-rotation update runs along contiguous memory.
    std::vector<double> a(static_cast<size_t>(n) * n, 0.0);
    std::vector<double> vt(static_cast<size_t>(n) * n, 0.0);
    // A matrix smaller than n x n is a caller's fault; its missing entries read as 0 rather
    // than past the end.
    const int rows = std::min(n, matrix.size());
    for (int i = 0; i < rows; ++i) {
        const QVector<double> &row = matrix.at(i);
        const int cols = std::min(n, row.size());
        for (int j = 0; j < cols; ++j)
            a[i * n + j] = row.at(j);
    }
    for (int i = 0; i < n; ++i)
        vt[i * n + i] = 1.0;

    // Largest magnitude of the strict upper part of each row (NaN entries ignored, -1 when
    // none) and where it stands. A row whose largest entry cannot beat the running candidate
    // is skipped by the pivot scan; that leaves the scan's choice exactly as a full visit would.
    std::vector<double> rowMax(n, -1.0);
    std::vector<int> rowArg(n, -1);
    auto rescanRow = [&](int i) {
        const double *ai = &a[i * n];
        double m = -1.0;
        int arg = -1;
        for (int j = i + 1; j < n; ++j) {
            const double x = std::fabs(ai[j]);
            if (x > m) {
                m = x;
                arg = j;
            }
        }
        rowMax[i] = m;
        rowArg[i] = arg;
    };
    auto raiseRow = [&](int i, int j) {
        const double x = std::fabs(a[i * n + j]);
        if (x > rowMax[i]) {
            rowMax[i] = x;
            rowArg[i] = j;
        }
    };
    for (int i = 0; i < n - 1; ++i)
        rescanRow(i);

    const int cap = rotationCap < 0 ? maxRotations(n) : rotationCap;
    while (n >= 2 && nbRotations < cap) {
        int p = 0, q = 1;
        double best = std::fabs(a[1]);
        double beat = best + 1e-6;
        for (int i = 0; i < n - 1; ++i) {
            if (!(rowMax[i] > beat))
                continue;
            const double *ai = &a[i * n];
            for (int j = i + 1; j < n; ++j) {
                const double m = std::fabs(ai[j]);
                if (m > beat) {
                    best = m;
                    beat = m + 1e-6;
                    p = i;
                    q = j;
                }
            }
        }
        if (best < 1e-6 || !std::isfinite(best))
            break;
        ++nbRotations;

        const double theta = 0.5 * std::atan2(2.0 * a[p * n + q], a[p * n + p] - a[q * n + q]);
        const double s = std::sin(theta);
        const double c = std::cos(theta);
        double *vp = &vt[p * n];
        double *vq = &vt[q * n];
        for (int k = 0; k < n; ++k) {
            double &akp = a[k * n + p];
            double &akq = a[k * n + q];
            const double x = akp, y = akq;
            akp = c * x + s * y;
            akq = -s * x + c * y;
            const double vx = vp[k], vy = vq[k];
            vp[k] = c * vx + s * vy;
            vq[k] = -s * vx + c * vy;
        }
        a[p * n + p] = c * a[p * n + p] + s * a[q * n + p];
        a[q * n + q] = c * a[q * n + q] - s * a[p * n + q];
        a[p * n + q] = 0.0;
        for (int k = 0; k < n; ++k) {
            a[p * n + k] = a[k * n + p];
            a[q * n + k] = a[k * n + q];
        }

        // Upper-part entries changed: rows p and q whole, column p above row p, column q
        // above row q.
        rescanRow(p);
        rescanRow(q);
        for (int k = 0; k < q; ++k) {
            if (k == p)
                continue;
            if (rowArg[k] == q || (k < p && rowArg[k] == p)) {
                rescanRow(k);
            } else {
                if (k < p)
                    raiseRow(k, p);
                raiseRow(k, q);
            }
        }
    }

    std::vector<double> values(n);
    std::vector<int> column(n);
    for (int i = 0; i < n; ++i) {
        values[i] = a[i * n + i];
        column[i] = i;
    }
    // Bubble passes with a strict comparison: equal eigenvalues keep their diagonal order.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 0; i + 1 < n; ++i) {
            if (values[i + 1] > values[i]) {
                std::swap(values[i], values[i + 1]);
                std::swap(column[i], column[i + 1]);
                swapped = true;
            }
        }
    }

    eigenvalues.resize(n);
    eigenvectors.resize(n);
    for (int k = 0; k < n; ++k)
        eigenvalues[k] = values[k];
    for (int r = 0; r < n; ++r) {
        QVector<double> &row = eigenvectors[r];
        row.resize(n);
        for (int k = 0; k < n; ++k)
            row[k] = vt[column[k] * n + r];
    }
}

Eig::~Eig() = default;

QVector<double> Eig::eigvec(int k) const
{
    if (k < 0 || k >= n) {
        writeDiagnostic("Error index out of range for Eig::vector(index)");
        return QVector<double>();
    }
    QVector<double> v(n);
    for (int r = 0; r < n; ++r)
        v[r] = eigenvectors.at(r).at(k);
    return v;
}

double Eig::eigval(int k) const
{
    if (k < 0 || k >= n) {
        writeDiagnostic("Error index out of range for Eig::value(index)");
        return 0.0;
    }
    return eigenvalues.at(k);
}
