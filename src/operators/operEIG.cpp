#include "operators/operEIG.h"

#include "operators/SpectralKernels.h"

namespace
{
const OperatorMessages &matrixMessages()
{
    static const OperatorMessages m = OperatorMessages::squareSymmetric("EIG", "symetric");
    return m;
}
} // namespace

operEIG::operEIG(bool graphical) : OperatorItem(1, 1)
{
    messages = &matrixMessages();
    initOperator(QStringLiteral("EIGENVALUES"),
                 QStringLiteral("Eigenvalues of the square symmetric matrix."),
                 QStringLiteral("Eigenvalues of the square symmetric matrix."), graphical);
}

void operEIG::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    if (!checkStatus(checkDecomposable(a), OperStatus::NotSymmetric))
        return;
    const int n = a.rows;
    succeed(QStringLiteral("Eigenvalues"));
    eigenvaluesInto(arg1->M, n, M);
    setShape(n, 1, arg1->getSRows(), one());
}
