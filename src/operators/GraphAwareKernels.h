#pragma once

#include "graph/BitGraph.h"
#include "operators/OperStatus.h"

// Operators that combine a vertex vector with the graph. Vertex i owns entry i of a vector.

/// Pearson correlation of x over the ordered adjacent pairs (u, v), both directions of every
/// edge, pairs in increasing u then v; clamped to -1 / 1 beyond 0.999999. x must be a column
/// of exactly g.n entries (ArgumentError when empty, ColumnVectorNeeded otherwise). Degenerate,
/// with correlation 1.0, when the spread product is below 1e-6 (no edge, or x constant on them).
OperStatus edgeCorrelation(const BitGraph &g, const ValueBlock &x, double &correlation);

/// moment[u] = sum over v != u, increasing v, of d(u, v) * w(v), with 1e12 standing for the
/// distance of a pair without path; w = weights when given (g.n entries), else the degrees.
/// Returns false when some pair has no path (the graph is disconnected).
bool distanceMoments(const BitGraph &g, const double *weights, double *moment);

/// out(i, j) = 1 / sqrt(v_i * v_j) on the edges of g and 0 elsewhere, an n x n block, from the
/// first g.n entries of v, a row or a column of at least 2 entries: ArgumentError when empty,
/// NotVector for 2 x 2 or more, SingleValue for 1 x 1, WrongLength when shorter than g.n;
/// NonPositiveProduct, with out untouched, when an edge's product is <= 0 or its entry is not
/// finite.
OperStatus normalizeByEdges(const BitGraph &g, const ValueBlock &v, ValueRows &out);
