#include "operators/operINERTIA.h"

#include "operators/EigenKernels.h"

operINERTIA::operINERTIA(bool graphical) : SymmetricMatrixOperator("INERTIA", "symetric")
{
    initOperator(
        QStringLiteral("INERTIA"),
        QStringLiteral("Inertia of a square symmetric matrix, [number of negative eigenvalues, "
                       "number of zero eigenvalues, number of positive eigenvalues]."),
        QStringLiteral("Inertia of a square symmetric matrix.\n Number of negative eigenvalues, "
                       "number of zero eigenvalues, number of positive eigenvalues."),
        graphical);
}

void operINERTIA::recompute()
{
    const int n = checkedOrder(&checkDecomposable);
    if (n == 0)
        return;
    succeed(QStringLiteral("Inertia"));
    setShape(1, 3, one(), QStringLiteral("3"));
    // The store doubles as the working copy of the argument.
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            M[i][j] = arg1->M[i][j];
    int counts[3];
    inertiaOf(M, n, counts);
    for (int k = 0; k < 3; ++k)
        M[0][k] = counts[k];
}
