#include "invariants/InformationCentrality.h"

#include "invariants/Distances.h"

#include <cmath>
#include <utility>

namespace
{

// Gauss-Jordan inversion with partial pivoting of the n x n block of a, into inv; a is destroyed.
// False when a pivot vanishes.
bool invert(int n, double a[][32], double inv[][32])
{
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            inv[i][j] = i == j ? 1.0 : 0.0;
    for (int col = 0; col < n; ++col) {
        int pivot = col;
        for (int r = col + 1; r < n; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col]))
                pivot = r;
        if (std::fabs(a[pivot][col]) < 1e-12)
            return false;
        if (pivot != col)
            for (int j = 0; j < n; ++j) {
                std::swap(a[pivot][j], a[col][j]);
                std::swap(inv[pivot][j], inv[col][j]);
            }
        const double scale = 1.0 / a[col][col];
        for (int j = 0; j < n; ++j) {
            a[col][j] *= scale;
            inv[col][j] *= scale;
        }
        for (int r = 0; r < n; ++r) {
            const double f = a[r][col];
            if (r == col || f == 0.0)
                continue;
            for (int j = 0; j < n; ++j) {
                a[r][j] -= f * a[col][j];
                inv[r][j] -= f * inv[col][j];
            }
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
    double c[32][32];
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            a[i][j] = g.edge(i, j) ? 0.0 : 1.0;
        a[i][i] = 1.0 + g.degree(i);
    }
    if (!invert(n, a, c))
        return false;
    double trace = 0;
    for (int i = 0; i < n; ++i)
        trace += c[i][i];
    for (int u = 0; u < n; ++u) {
        double rowSum = 0;
        for (int j = 0; j < n; ++j)
            rowSum += c[u][j];
        out[u] = n / (n * c[u][u] + trace - 2 * rowSum);
    }
    return true;
}
