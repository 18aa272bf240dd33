#include "EigenvalueIndices.h"

#include <cmath>

double energyFromEigenvalues(const double *lambda, int n)
{
    double sum = 0.0;
    for (int k = 0; k < n; ++k)
        sum += std::fabs(lambda[k]);
    return sum;
}

bool kirchhoffFromEigenvalues(const double *lambda, int n, double *value)
{
    if (n < 3 || lambda[n - 2] < 1e-6)
        return false;
    double sum = 0.0;
    for (int k = 0; k <= n - 2; ++k)
        sum += 1.0 / lambda[k];
    *value = double(n) * sum;
    return true;
}
