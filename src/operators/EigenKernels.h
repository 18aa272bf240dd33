#pragma once

#include "operators/OperStatus.h"

// Eigenvalues, eigenvectors, determinant and inertia of a symmetric value block, through the
// Jacobi decomposition `Eig`. n is the order of the leading block read.

/// Checks of the symmetric-matrix operators, first failure wins: ArgumentError (0 rows or 0
/// columns), NotSquare, NotMatrix (1 x 1), NotSymmetric (some pair i < j, scanned row-major, with
/// |a(i,j) - a(j,i)| > 1e-6; a difference that is not a number passes).
OperStatus checkSymmetricMatrix(const ValueBlock &a);
/// checkSymmetricMatrix, then NotFinite when an entry of the block is infinite or not a number:
/// the checks of the operators that decompose their argument.
OperStatus checkDecomposable(const ValueBlock &a);

/// out(k, 0) = eigenvalue k, non-increasing, k < n.
void eigenvaluesInto(const ValueRows &a, int n, ValueRows &out);
/// out(i, j) = component i of the unit eigenvector of eigenvalue j, as the decomposition gives it.
void eigenvectorsInto(const ValueRows &a, int n, ValueRows &out);
/// Product of the eigenvalues (non-increasing), where a factor, or a running product before it is
/// applied, of magnitude below 1e-6 resets the product to 0 first; a reset product still takes
/// the factor's sign, so a zero result is -0.0 after a negative last eigenvalue.
double productWithZeroRule(const QVector<double> &eigenvalues);
/// productWithZeroRule of the eigenvalues of the leading n x n block.
double determinantOf(const ValueRows &a, int n);
/// counts = numbers of eigenvalues below -1e-6, within [-1e-6, 1e-6], above 1e-6.
void inertiaOf(const ValueRows &a, int n, int counts[3]);
