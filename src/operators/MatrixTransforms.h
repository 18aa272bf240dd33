#pragma once

#include "operators/OperStatus.h"

// Square symmetric matrices turned into another of the same order: the Laplacian D - M of a
// matrix and its lower Cholesky factor. Both expect checkSymmetricMatrix to have passed.

/// out(i, j) = -a(i, j) off the diagonal (an entry 0 gives -0.0) and out(i, i) = -a(i, i) plus
/// row i of a summed in increasing j, i.e. the row sum without the diagonal entry.
void laplacianOf(const ValueBlock &a, ValueRows &out);
/// Copies the leading n x n block of a into out, then factorises it (diagonal and lower triangle
/// only): on success out holds L with zeros above the diagonal and the result is true; when a
/// pivot is <= 0 out keeps the copy and the result is false.
bool choleskyInto(const ValueRows &a, int n, ValueRows &out);
