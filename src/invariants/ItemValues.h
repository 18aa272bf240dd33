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

/// Column 0 holds first, first + 1, ... (step 1) or first everywhere (step 0): n x 1.
inline void putSequence(Calculus &item, int n, double first, double step)
{
    item.rows = n;
    item.cols = 1;
    for (int i = 0; i < n; ++i)
        item.M[i][0] = first + step * i;
}

/// 1.0 for the vertices of members, 0.0 for the others: n x 1.
inline void putMembership(Calculus &item, uint32_t members, int n)
{
    item.rows = n;
    item.cols = 1;
    for (int v = 0; v < n; ++v)
        item.M[v][0] = (members >> v) & 1u ? 1.0 : 0.0;
}

/// Copies the n x n block into the top-left corner of a 32 x 32 matrix.
inline void copyBlock(const double block[][32], int n, QVector<QVector<double>> &out)
{
    for (int i = 0; i < n; ++i) {
        double *row = out[i].data();
        for (int j = 0; j < n; ++j)
            row[j] = block[i][j];
    }
}

/// A matrix: n x n.
inline void putMatrix(Calculus &item, int n, const double values[][32])
{
    item.rows = item.cols = n;
    copyBlock(values, n, item.M);
}

/// One number on the diagonal and another elsewhere: n x n.
inline void putConstantMatrix(Calculus &item, int n, double diagonal, double elsewhere)
{
    item.rows = item.cols = n;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            item.M[i][j] = i == j ? diagonal : elsewhere;
}

/// 1.0 on both cells of every marked edge, 0.0 elsewhere: marks.n x marks.n.
inline void putEdgeMarks(Calculus &item, const BitGraph &marks)
{
    item.rows = item.cols = marks.n;
    for (int i = 0; i < marks.n; ++i) {
        double *row = item.M[i].data();
        for (int j = 0; j < marks.n; ++j)
            row[j] = marks.edge(i, j) ? 1.0 : 0.0;
    }
}

/// A degree-based index as the value; the degrees of vertices 1..n-1 stay below it in
/// column 0, where the index's computation has always left them.
inline void putDegreeIndex(Calculus &item, const BitGraph &g, double index)
{
    for (int v = 0; v < g.n; ++v)
        item.M[v][0] = g.degree(v);
    putValue(item, index);
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
