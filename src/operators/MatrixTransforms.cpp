#include "operators/MatrixTransforms.h"

void laplacianOf(const ValueBlock &a, ValueRows &out)
{
    const int n = a.cols;
    for (int i = 0; i < n; ++i) {
        const double *row = a.m.at(i).constData();
        double *target = out[i].data();
        for (int j = 0; j < n; ++j)
            target[j] = -row[j];
        double diagonal = target[i];
        for (int j = 0; j < n; ++j)
            diagonal += row[j];
        target[i] = diagonal;
    }
}
