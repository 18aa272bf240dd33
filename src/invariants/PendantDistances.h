#pragma once

#include "invariants/Distances.h"

/// Sum of d(u, p) over the pendant vertices p (degree 1) reachable from u.
void sumDistancesToPendants(const BitGraph &g, const DistanceMatrix &dm, double out[]);

/// Smallest d(u, p) over the pendant vertices p; 0 for a pendant vertex, kInfiniteValue
/// when no pendant vertex is reachable.
void distanceToClosestPendant(const BitGraph &g, const DistanceMatrix &dm, double out[]);
