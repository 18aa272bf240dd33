#pragma once

#include "operators/OperStatus.h"

// Entry-by-entry measures between two value blocks of the same shape, summed row-major.

/// Shape check of the two-argument measures: ArgumentError when a is empty, VectorsNeeded when
/// vectorsOnly and a is at least 2 x 2, SizeDiffer when b's shape is not a's.
OperStatus checkPair(const ValueBlock &a, const ValueBlock &b, bool vectorsOnly);
/// Cosine of the angle between a and b taken about zero, each product divided by the norm
/// product before it is added, then clamped to -1 / 1 beyond 0.999999. DivisionByZero (cosine
/// left at 0) when the norm product is below 1e-6.
OperStatus cosineBetween(const ValueBlock &a, const ValueBlock &b, double &cosine);
/// Square root of the sum of squared differences.
double euclideanDistance(const ValueBlock &a, const ValueBlock &b);
/// Sum of absolute differences.
double manhattanDistance(const ValueBlock &a, const ValueBlock &b);
/// Sum of products of matching entries.
double sumOfProducts(const ValueBlock &a, const ValueBlock &b);
