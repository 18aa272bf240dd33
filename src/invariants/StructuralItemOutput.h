#pragma once

// Writing kernel results into an item's value matrix; rows and cols are set with the block.

#include "invariants/AdjacencyMatrices.h"
#include "items/Calculus.h"

/// The n x n block of a matrix kernel; rows = cols = n.
inline void writeSquareBlock(Calculus &item, const SquareBlock &block, int n)
{
    item.rows = item.cols = n;
    for (int i = 0; i < n; ++i) {
        double *row = item.M[i].data();
        for (int j = 0; j < n; ++j)
            row[j] = block[i][j];
    }
}

/// 1.0 for the vertices of members, 0.0 for the others; rows = n, cols = 1.
inline void writeMembership(Calculus &item, uint32_t members, int n)
{
    item.rows = n;
    item.cols = 1;
    for (int v = 0; v < n; ++v)
        item.M[v][0] = (members >> v) & 1u ? 1.0 : 0.0;
}

/// 1.0 on both cells of every marked edge, 0.0 elsewhere; rows = cols = marks.n.
inline void writeEdgeMarks(Calculus &item, const BitGraph &marks)
{
    item.rows = item.cols = marks.n;
    for (int i = 0; i < marks.n; ++i) {
        double *row = item.M[i].data();
        for (int j = 0; j < marks.n; ++j)
            row[j] = marks.edge(i, j) ? 1.0 : 0.0;
    }
}

/// A single value; rows = cols = 1.
inline void writeValue(Calculus &item, double value)
{
    item.rows = item.cols = 1;
    item.M[0][0] = value;
}
