#pragma once

#include "graph/BitGraph.h"

#include <cstdint>

/// Largest degree; 0 for the empty graph.
int degreeMax(const BitGraph &g);
/// Smallest degree; 0 for the empty graph.
int degreeMin(const BitGraph &g);
/// Set of the vertices of degree exactly 1 (bit v for vertex v).
uint32_t pendingSet(const BitGraph &g);
/// Number of vertices of degree exactly 1.
int pendingCount(const BitGraph &g);
/// Number of degree-1 neighbours of vertex u.
int pendingNeighbours(const BitGraph &g, uint32_t pending, int u);
