#pragma once

#include "graph/BitGraph.h"

/// How each pair s < t counts in the betweenness sums: 1, 1/d(s,t) or 1/d(s,t)^2.
enum class PairWeight { One, InverseDistance, InverseSquare };

/// Vertex betweenness: out[u] = sum over pairs s < t, s, t != u, of w(s,t) sigma_st(u)/sigma_st,
/// sigma counting shortest paths; pairs in different components add 0.
void vertexBetweenness(const BitGraph &g, PairWeight weight, double out[]);

/// Edge betweenness: out[u][v] = out[v][u] = sum over pairs s < t of w(s,t) sigma_st(uv)/sigma_st
/// for an edge uv, 0 for a non-edge and on the diagonal.
void edgeBetweenness(const BitGraph &g, PairWeight weight, double out[][32]);
