#pragma once

#include "graph/BitGraph.h"

// Edge sums visit the pairs i < j in increasing order, which fixes the rounding of the result.

/// Sum over the edges of 1 / sqrt(d(i) d(j)); 0 without edges.
double randicIndex(const BitGraph &g);
/// Sum over the vertices of d(v)^2.
double zagrebM1(const BitGraph &g);
/// Sum over the edges of d(i) d(j).
double zagrebM2(const BitGraph &g);
/// Sum over the edges of d(i) + d(j) - 2.
double plattIndex(const BitGraph &g);
