#pragma once

#include "operators/OperStatus.h"

// Whole, per-column and per-row sums and extremes of a value block. Entries are visited
// row-major; sums start from 0, maxima from -1e12 and minima from 1e12, and an extreme is replaced
// only by an entry strictly beyond it, so a value that is not a number never wins.

/// Sum of every entry.
double reduceSum(const ValueBlock &a);
/// out[0][j] = sum of column j, for j < a.cols.
void reduceSumCol(const ValueBlock &a, ValueRows &out);
/// out[i][0] = sum of row i, for i < a.rows.
void reduceSumRow(const ValueBlock &a, ValueRows &out);
/// Largest entry, never below -1e12.
double reduceMax(const ValueBlock &a);
/// Smallest entry, never above 1e12.
double reduceMin(const ValueBlock &a);
/// out[0][j] = largest entry of column j (at least -1e12).
void reduceMaxCol(const ValueBlock &a, ValueRows &out);
/// out[i][0] = largest entry of row i (at least -1e12).
void reduceMaxRow(const ValueBlock &a, ValueRows &out);
