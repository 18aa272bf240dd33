#include "AdjacencyMatrices.h"

#include <cmath>

void adjacencyMatrix(const BitGraph &g, SquareBlock &out)
{
    for (int i = 0; i < g.n; ++i)
        for (int j = 0; j < g.n; ++j)
            out[i][j] = g.edge(i, j) ? 1.0 : 0.0;
}

void commonNeighbourMatrix(const BitGraph &g, SquareBlock &out)
{
    for (int i = 0; i < g.n; ++i) {
        out[i][i] = 0.0;
        for (int j = i + 1; j < g.n; ++j)
            out[i][j] = out[j][i] = __builtin_popcount(g.row[i] & g.row[j]);
    }
}

void laplacianMatrix(const BitGraph &g, double sign, SquareBlock &out)
{
    for (int i = 0; i < g.n; ++i) {
        for (int j = 0; j < g.n; ++j)
            out[i][j] = g.edge(i, j) ? sign : 0.0;
        out[i][i] = g.degree(i);
    }
}

void normalizedLaplacianMatrix(const BitGraph &g, SquareBlock &out)
{
    for (int i = 0; i < g.n; ++i) {
        for (int j = 0; j < g.n; ++j)
            out[i][j] =
                g.edge(i, j) ? -1.0 / std::sqrt(double(g.degree(i)) * double(g.degree(j))) : 0.0;
        out[i][i] = 1.0;
    }
}

void modularityMatrix(const BitGraph &g, SquareBlock &out)
{
    adjacencyMatrix(g, out);
    const double twiceM = 2.0 * g.edgeCount();
    if (twiceM < 0.99)
        return;
    for (int i = 0; i < g.n; ++i)
        for (int j = 0; j < g.n; ++j)
            out[i][j] = out[i][j] - double(g.degree(i)) * double(g.degree(j)) / twiceM;
}
