#pragma once

#include "operators/OperStatus.h"

// Selection and reshaping of value blocks: entries, rows and columns picked by position, columns
// appended, transposition, diagonals and sorted vectors. Entries are copied, never computed.

/// Entry `position` of a read row by row, from 0, or from the end when negative (-1 is the
/// last). NotEnoughValues when a has too few entries.
OperStatus entryInReadingOrder(const ValueBlock &a, int position, double &value);
/// The 0-based k named by the single entry of `index`, counted from 1 among count.
/// FormatError when index is not 1 x 1; IndexOutOfRange unless the entry lies within 1e-6 of a
/// whole number from 1 to count.
OperStatus indexFrom(const ValueBlock &index, int count, int &k);
/// out(i, 0) = a(i, j) for every row i.
void columnInto(const ValueBlock &a, int j, ValueRows &out);
/// out(0, j) = a(i, j) for every column j.
void rowInto(const ValueBlock &a, int i, ValueRows &out);
/// FormatError unless b has a's rows and the two have at most 32 columns in all.
OperStatus checkAppendColumns(const ValueBlock &a, const ValueBlock &b);
/// out = [a b], a.rows x (a.cols + b.cols).
void appendColumnsInto(const ValueBlock &a, const ValueBlock &b, ValueRows &out);
/// out(j, i) = a(i, j).
void transposeInto(const ValueBlock &a, ValueRows &out);
/// A vector (1 x 1 included) becomes the n x n diagonal matrix of its entries (toMatrix true);
/// any other square matrix gives its diagonal as an n x 1 column. FormatError otherwise.
OperStatus diagonalInto(const ValueBlock &a, bool &toMatrix, ValueRows &out);
/// The entries of the vector a in non-increasing order, in a's shape; entries that are not
/// numbers come last. FormatError when a is not a vector.
OperStatus sortedInto(const ValueBlock &a, ValueRows &out);
