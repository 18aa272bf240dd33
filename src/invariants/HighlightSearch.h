#pragma once

#include "graph/BitGraph.h"
#include "invariants/Distances.h"

// Breadth-first searches take neighbours in increasing number; a vertex's parent is the first
// expanded vertex adjacent to it. Marked edges come back as the rows of a graph on the same order.

/// Length of a shortest cycle, 0 when there is none. *marks gets the edges of the first shortest
/// cycle met when searching from each start vertex in turn (start, then queue order, then the
/// increasing number of the closing neighbour); untouched when there is no cycle.
int shortestCycle(const BitGraph &g, BitGraph *marks);

/// Marks the edges of the breadth-first tree of root's component; false when the graph is
/// disconnected. A root outside 0..n-1 marks nothing and returns true.
bool breadthFirstTree(const BitGraph &g, int root, BitGraph *marks);

/// Diameter, or -1 for a disconnected graph (marks then untouched). Otherwise *marks gets the
/// search-tree path from s to t, where s is the lowest vertex of largest eccentricity and t the
/// first vertex its search reaches at that distance.
int diameterPath(const BitGraph &g, BitGraph *marks);

