#pragma once

// Writing kernel results into an item's value matrix; rows and cols are set with the block.

#include "invariants/AdjacencyMatrices.h"
#include "items/Calculus.h"

/// Copies the n x n block into the top-left corner of a 32 x 32 matrix.
inline void copyBlock(const SquareBlock &block, int n, QVector<QVector<double>> &out)
{
    for (int i = 0; i < n; ++i) {
        double *row = out[i].data();
        for (int j = 0; j < n; ++j)
            row[j] = block[i][j];
    }
}

/// The n x n block of a matrix kernel; rows = cols = n.
inline void writeSquareBlock(Calculus &item, const SquareBlock &block, int n)
{
    item.rows = item.cols = n;
    copyBlock(block, n, item.M);
}

/// n x n with one number on the diagonal and another elsewhere; rows = cols = n.
inline void writeConstantSquare(Calculus &item, int n, double diagonal, double elsewhere)
{
    item.rows = item.cols = n;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            item.M[i][j] = i == j ? diagonal : elsewhere;
}

/// Column 0 holds first, first + 1, ... (step 1) or first everywhere (step 0); rows = n.
inline void writeColumn(Calculus &item, int n, double first, double step)
{
    item.rows = n;
    item.cols = 1;
    for (int i = 0; i < n; ++i)
        item.M[i][0] = first + step * i;
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

/// A degree-based index as the value; the degrees of vertices 1..n-1 stay below it in
/// column 0, where the index's computation has always left them.
inline void writeDegreeIndex(Calculus &item, const BitGraph &g, double index)
{
    for (int v = 0; v < g.n; ++v)
        item.M[v][0] = g.degree(v);
    writeValue(item, index);
}
