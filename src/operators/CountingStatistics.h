#pragma once

#include "operators/OperStatus.h"

// Thresholded sums, counts of values, dispersion and palindromic distance of a value block.
// Entries are visited row-major.

/// Sum of the entries x with x >= threshold - 1e-6; 0 for an empty block.
double sumAtLeast(const ValueBlock &a, double threshold);
/// Number of entries x with eps > |x - v| (strict; an eps <= 0 counts nothing).
double countNear(const ValueBlock &a, double v, double eps);
/// out[i][j] = countNear(a, ref(i, j), eps) for every entry of ref.
void countNearEach(const ValueBlock &a, const ValueBlock &ref, double eps, ValueRows &out);
/// Number of representatives: an entry founds a new one when it lies within 1e-6 of none of
/// those found before it, so the count depends on the order of the entries.
double countDistinct(const ValueBlock &a);
/// Population variance (divided by rows * cols) of all entries; the block must not be empty.
double populationVariance(const ValueBlock &a);
/// Sum of |v(i) - v(n-1-i)| over the mirrored pairs of a row or column vector of n >= 2 entries.
/// ArgumentError for an empty block, NotVector for 2 x 2 or more, SingleValue for 1 x 1.
OperStatus distanceToPalindrome(const ValueBlock &a, double &distance);
