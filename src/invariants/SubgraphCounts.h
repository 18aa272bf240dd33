#pragma once

#include "graph/BitGraph.h"

/// Number of vertex triples that are pairwise adjacent.
int triangleCount(const BitGraph &g);
/// Number of vertex quadruples that are pairwise adjacent.
int k4Count(const BitGraph &g);
/// Number of vertices of degree exactly 3 whose neighbours are pairwise non-adjacent
/// (a vertex of larger degree counts nothing, even when it centres induced claws).
int clawCount(const BitGraph &g);
