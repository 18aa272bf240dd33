#pragma once

#include "invariants/Distances.h"

// Distance-based values of a graph, computed from its breadth-first distances.
// Vectors and matrices are written for the vertices 0..n-1 only. A pair in different
// components is at infinite distance, which reads kInfiniteValue (1e12) wherever it counts.

/// d(u, v) for all pairs; 0 on the diagonal, kInfiniteValue between components.
void distanceValues(const DistanceMatrix &dm, double out[][32]);

/// Largest distance from each vertex; kInfiniteValue when some vertex is unreachable.
void eccentricities(const DistanceMatrix &dm, double out[]);

/// Largest eccentricity; 0 below 2 vertices, kInfiniteValue when disconnected.
double diameter(const DistanceMatrix &dm);

/// Smallest eccentricity; 0 below 2 vertices, kInfiniteValue when disconnected.
double radius(const DistanceMatrix &dm);

/// Sum of the distances from each vertex; kInfiniteValue when some vertex is unreachable.
void transmissions(const DistanceMatrix &dm, double out[]);

/// Sum of d(u, v) over the pairs u < v, straight from the adjacency; kInfiniteValue when
/// disconnected.
double wienerIndex(const BitGraph &g);

/// Wiener index over the number of pairs; false below 2 vertices or when disconnected.
bool averageDistance(const DistanceMatrix &dm, double &value);

/// Sum of 1/d(u, v) over the pairs u < v; unreachable pairs add 0.
double hararyIndex(const DistanceMatrix &dm);

/// m/(mu+1) * sum over edges uv of (t_u t_v)^(-1/2), t the transmission, mu = m - n + 1;
/// false when disconnected.
bool balabanIndex(const BitGraph &g, const DistanceMatrix &dm, double &value);

/// Sum over edges uv of n_u * n_v, n_u the number of vertices strictly closer to u than to v
/// (vertices of other components are closer to neither).
double szegedIndex(const BitGraph &g, const DistanceMatrix &dm);

/// Length of a shortest cycle; kInfiniteValue for a forest.
double girth(const BitGraph &g);

/// (n - 1) / transmission of each vertex; 0 for a single vertex; false when disconnected.
bool closenessCentrality(const DistanceMatrix &dm, double out[]);

/// Sum of 1/d(u, v) over the other vertices v; unreachable vertices add 0.
void harmonicCentrality(const DistanceMatrix &dm, double out[]);
