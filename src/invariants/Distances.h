#pragma once

#include "graph/BitGraph.h"

/// Stands for an infinite or undefined value in every item value.
constexpr double kInfiniteValue = 1e12;

/// Distance between two vertices of different components. Larger than any real distance and
/// equal for every such pair, so that "closer than" comparisons need no special case.
constexpr int kNoPath = 1 << 20;

/// All-pairs shortest-path lengths of a graph of at most 32 vertices.
struct DistanceMatrix {
    int n = 0;
    int d[32][32] = {};

    bool reachable(int u, int v) const { return d[u][v] != kNoPath; }
    /// True when every pair is joined by a path (always true below 2 vertices).
    bool connected() const;
};

/// Breadth-first search from s through the vertices of `allowed`, a whole level at a time on
/// the bit rows: calls level(depth, set) for each level beyond s; returns the set reached.
template <class Level>
uint32_t breadthFirst(const BitGraph &g, int s, uint32_t allowed, Level level)
{
    uint32_t reached = 1u << s;
    uint32_t frontier = reached;
    for (int depth = 1; frontier; ++depth) {
        uint32_t next = 0;
        for (uint32_t f = frontier; f; f &= f - 1)
            next |= g.row[__builtin_ctz(f)];
        frontier = next & allowed & ~reached;
        reached |= frontier;
        if (frontier)
            level(depth, frontier);
    }
    return reached;
}

/// Breadth-first distances of g between all pairs; kNoPath between components.
void allDistances(const BitGraph &g, DistanceMatrix &out);

/// True when g has at most one vertex or every pair is joined by a path.
bool isConnected(const BitGraph &g);
