#include "operators/operEIGVEC.h"

#include "operators/SpectralKernels.h"

namespace
{
const OperatorMessages &matrixMessages()
{
    static const OperatorMessages m = OperatorMessages::squareSymmetric("EIGENVECTORS", "symetric");
    return m;
}
} // namespace

operEIGVEC::operEIGVEC(bool graphical) : OperatorItem(1, 1)
{
    messages = &matrixMessages();
    initOperator(
        QStringLiteral("EIGENVECTORS"),
        QStringLiteral("Eigenvectors (normalized) of the square matrix. Vectors are aranged as "
                       "column vectors in the decreasing order of the corresponding eigenvalues."),
        QStringLiteral("Eigenvectors (normalized) of the square matrix.\n Vectors are aranged as "
                       "column vectors in the decreasing order of the corresponding eigenvalues."),
        graphical);
}

void operEIGVEC::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    if (!checkStatus(checkDecomposable(a), OperStatus::NotSymmetric))
        return;
    const int n = a.rows;
    succeed(QStringLiteral("Eigenvectors"));
    setShape(n, n, arg1->getSRows(), arg1->getSCols());
    eigenvectorsInto(arg1->M, n, M);
}
