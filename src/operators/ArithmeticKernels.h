#pragma once

#include "operators/OperStatus.h"

// Entry-by-entry arithmetic over value blocks, where a 1 x 1 block stands for every entry, and
// the matrix product. A result that overflows becomes +-1e12 (the system's infinity) and an
// undefined one 1e12, so finite arguments never give NaN or an infinity.

/// x when finite; -1e12 for -infinity; 1e12 for +infinity and NaN.
double bounded(double x);

/// Shape of a broadcast over blocks[0..count): setter is the index of the first block that is
/// not 1 x 1 (the shape is its own), -1 when every block is 1 x 1 (the shape is 1 x 1).
/// FormatError when another block is neither 1 x 1 nor of the setter's shape.
OperStatus broadcastShape(const ValueBlock *const blocks[], int count, int &setter);

/// Combination of the entries x[0..count) met at one position.
using Combine = double (*)(const double *x);
/// out(i, j) = bounded(f(x)) over rows x cols, x[k] being entry (i, j) of block k, or its single
/// entry when block k is 1 x 1. Expects broadcastShape to have passed.
void broadcastInto(const ValueBlock *const blocks[], int count, int rows, int cols, Combine f,
                   ValueRows &out);

double plusOf(const double *x);
double minusOf(const double *x);
double timesOf(const double *x);
/// x[0] / x[1]; 1e12 when |x[1]| <= 1e-12.
double quotientOf(const double *x);
/// Larger of x[0] and x[1]; x[0] when they are not ordered.
double largerOf(const double *x);
/// Smaller of x[0] and x[1]; x[0] when they are not ordered.
double smallerOf(const double *x);
/// x[2] when x[0] >= x[1] - 1e-6, else x[3].
double ifAtLeastOf(const double *x);

/// out = a b over a.rows x b.cols; expects a.cols == b.rows. Each entry is bounded.
void matrixProduct(const ValueBlock &a, const ValueBlock &b, ValueRows &out);

using Map = double (*)(double);
/// out(i, j) = bounded(f(a(i, j))).
void mapInto(const ValueBlock &a, Map f, ValueRows &out);

double absoluteOf(double x);
double ceilingOf(double x);
double floorOf(double x);
/// e^x, at most 1e12.
double cappedExp(double x);
/// Square root, 0 for a negative x (the item refuses entries below -1e-6 before).
double rootOf(double x);
/// NegativeArgument when an entry is below -1e-6.
OperStatus checkSquareRoots(const ValueBlock &a);

/// out(i, j) = a(i, j) minus the mean of every entry of a (not empty), bounded.
void centerInto(const ValueBlock &a, ValueRows &out);
