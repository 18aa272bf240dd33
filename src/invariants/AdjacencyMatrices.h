#pragma once

#include "graph/BitGraph.h"

/// A square block of doubles as the matrix kernels write it; only the top-left n x n is used.
typedef double SquareBlock[32][32];

/// out = A (0/1 entries, zero diagonal).
void adjacencyMatrix(const BitGraph &g, SquareBlock &out);
/// out[i][j] = common neighbours of i and j for i != j; the diagonal is 0, not the degree.
void commonNeighbourMatrix(const BitGraph &g, SquareBlock &out);
/// out = D - A when sign is -1, D + A when sign is +1.
void laplacianMatrix(const BitGraph &g, double sign, SquareBlock &out);
/// out = I - D^-1/2 A D^-1/2, with diagonal 1 for every vertex, isolated ones included.
void normalizedLaplacianMatrix(const BitGraph &g, SquareBlock &out);
/// out = A - d d^T / 2m; the all-zero adjacency when the graph has no edge.
void modularityMatrix(const BitGraph &g, SquareBlock &out);
