#pragma once

#include "graph/BitGraph.h"

/// Information centrality: with C = (L + J)^-1 (L the Laplacian, J all ones),
/// out[u] = n / (n C_uu + trace C - 2 * row sum u of C); kInfiniteValue for a single vertex
/// (the denominator vanishes); false when g is disconnected (L + J is then singular).
bool informationCentrality(const BitGraph &g, double out[]);
