#include "operators/operINERTIA.h"

#include "operators/SpectralKernels.h"

namespace
{
const OperatorMessages &matrixMessages()
{
    static const OperatorMessages m = OperatorMessages::squareSymmetric("INERTIA", "symetric");
    return m;
}
} // namespace

operINERTIA::operINERTIA(bool graphical) : OperatorItem(1, 1)
{
    messages = &matrixMessages();
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
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    if (!checkStatus(checkDecomposable(a)))
        return;
    const int n = a.rows;
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
