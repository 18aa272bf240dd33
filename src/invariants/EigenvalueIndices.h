#pragma once

/// Sum of |lambda[k]| over the n eigenvalues, in index order.
double energyFromEigenvalues(const double *lambda, int n);

/// Kirchhoff index n * sum 1/lambda[k] for k = 0..n-2 from the Laplacian eigenvalues in
/// non-increasing order. False (value untouched) when n < 3 or lambda[n-2] < 1e-6 (disconnected).
bool kirchhoffFromEigenvalues(const double *lambda, int n, double *value);
