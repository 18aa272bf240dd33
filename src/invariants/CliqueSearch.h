#pragma once

#include "graph/BitGraph.h"

/// Size of a largest clique (0 for n = 0); *members gets, among all largest cliques, the one whose
/// increasing vertex sequence is lexicographically smallest (bit v for vertex v).
int maximumClique(const BitGraph &g, uint32_t *members);
/// Size of a largest stable set and, in *members, the lexicographically smallest one of that size.
int maximumStableSet(const BitGraph &g, uint32_t *members);
