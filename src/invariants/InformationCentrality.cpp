#include "invariants/InformationCentrality.h"

#include "invariants/Distances.h"

#include <cmath>

namespace
{

// Inverse of the Cholesky factor of the positive definite n x n block of a: y = r^-1 with
// a = r r^T, both lower triangular, so that a^-1 = y^T y. False on a pivot that is not positive.
bool inverseCholeskyFactor(int n, const double a[][32], double y[][32])
{
    double r[32][32];
    for (int j = 0; j < n; ++j) {
        double pivot = a[j][j];
        for (int k = 0; k < j; ++k)
            pivot -= r[j][k] * r[j][k];
        if (pivot <= 1e-12)
            return false;
        r[j][j] = std::sqrt(pivot);
        for (int i = j + 1; i < n; ++i) {
            double s = a[i][j];
            for (int k = 0; k < j; ++k)
                s -= r[i][k] * r[j][k];
            r[i][j] = s / r[j][j];
        }
    }
    for (int c = 0; c < n; ++c) {
        y[c][c] = 1.0 / r[c][c];
        for (int i = c + 1; i < n; ++i) {
            double s = 0;
            for (int k = c; k < i; ++k)
                s += r[i][k] * y[k][c];
            y[i][c] = -s / r[i][i];
        }
    }
    return true;
}

} // namespace

bool informationCentrality(const BitGraph &g, double out[])
{
    const int n = g.n;
    if (!isConnected(g))
        return false;
    if (n == 1) {
        out[0] = kInfiniteValue;
        return true;
    }
    double a[32][32];
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            a[i][j] = g.edge(i, j) ? 0.0 : 1.0;
        a[i][i] = 1.0 + g.degree(i);
    }
    // C = y^T y: its diagonal and row sums come from the columns of y without forming C.
    double y[32][32];
    if (!inverseCholeskyFactor(n, a, y))
        return false;
    double ySums[32];
    for (int i = 0; i < n; ++i) {
        double s = 0;
        for (int c = 0; c <= i; ++c)
            s += y[i][c];
        ySums[i] = s;
    }
    double diagonal[32], rowSum[32];
    double trace = 0;
    for (int u = 0; u < n; ++u) {
        double d = 0, r = 0;
        for (int i = u; i < n; ++i) {
            d += y[i][u] * y[i][u];
            r += y[i][u] * ySums[i];
        }
        diagonal[u] = d;
        rowSum[u] = r;
        trace += d;
    }
    for (int u = 0; u < n; ++u)
        out[u] = n / (n * diagonal[u] + trace - 2 * rowSum[u]);
    return true;
}
