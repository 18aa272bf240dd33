#pragma once

#include "graph/BitGraph.h"

/// Domination number (0 for a graph without vertices); *members gets, among all smallest
/// dominating sets, the one whose increasing vertex sequence is lexicographically smallest.
int minimumDominatingSet(const BitGraph &g, uint32_t *members);
