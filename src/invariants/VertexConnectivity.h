#pragma once

#include "graph/BitGraph.h"

/// Smallest number of vertices whose removal disconnects the graph; n - 1 when no removal of at
/// most n - 2 vertices does (complete graphs, n = 1 giving 0), and -1 for a graph without vertices.
int vertexConnectivity(const BitGraph &g);
