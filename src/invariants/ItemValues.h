#pragma once

#include "invariants/Distances.h"
#include "items/Calculus.h"

#include <type_traits>

// Writing a kernel's result into an item's value matrix, in place, with its logical size, and
// adapting the distance kernels to the item bases.

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

/// A value kernel over g's distances (and, for some, g itself), as a kernel over g.
template <auto kernel> double valueFromDistances(const BitGraph &g)
{
    DistanceMatrix dm;
    allDistances(g, dm);
    if constexpr (std::is_invocable_v<decltype(kernel), const DistanceMatrix &>)
        return kernel(dm);
    else
        return kernel(g, dm);
}

/// The same for a vertex-vector kernel; it returns what the kernel returns (nothing, or
/// whether the graph is connected).
template <auto kernel> auto columnFromDistances(const BitGraph &g, double out[])
{
    DistanceMatrix dm;
    allDistances(g, dm);
    if constexpr (std::is_invocable_v<decltype(kernel), const DistanceMatrix &, double *>)
        return kernel(dm, out);
    else
        return kernel(g, dm, out);
}

/// The vertex set a search leaves in its members argument, as a kernel over g.
template <auto search> uint32_t membersOf(const BitGraph &g)
{
    uint32_t members = 0;
    search(g, &members);
    return members;
}
