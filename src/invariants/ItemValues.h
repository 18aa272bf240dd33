#pragma once

#include "invariants/Distances.h"
#include "items/Calculus.h"

// Writing a kernel's result into an item's value matrix, in place, with its logical size.

/// A single value: 1 x 1.
inline void putValue(Calculus &item, double value)
{
    item.rows = item.cols = 1;
    item.M[0][0] = value;
}

/// A vertex vector: n x 1.
inline void putColumn(Calculus &item, int n, const double values[])
{
    item.rows = n;
    item.cols = 1;
    for (int i = 0; i < n; ++i)
        item.M[i][0] = values[i];
}

/// A matrix: n x n.
inline void putMatrix(Calculus &item, int n, const double values[][32])
{
    item.rows = item.cols = n;
    for (int i = 0; i < n; ++i) {
        QVector<double> &row = item.M[i];
        for (int j = 0; j < n; ++j)
            row[j] = values[i][j];
    }
}

/// The vertex vector a distance kernel makes of g's distances, n x 1.
inline void putDistanceColumn(Calculus &item, const BitGraph &g,
                              void (*kernel)(const DistanceMatrix &, double[]))
{
    DistanceMatrix dm;
    allDistances(g, dm);
    double values[32];
    kernel(dm, values);
    putColumn(item, g.n, values);
}

/// The same for a kernel that also reads the adjacency.
inline void putDistanceColumn(Calculus &item, const BitGraph &g,
                              void (*kernel)(const BitGraph &, const DistanceMatrix &, double[]))
{
    DistanceMatrix dm;
    allDistances(g, dm);
    double values[32];
    kernel(g, dm, values);
    putColumn(item, g.n, values);
}
