#include "operators/operDETERMINANT.h"

#include "operators/SpectralKernels.h"

namespace
{
const OperatorMessages &matrixMessages()
{
    static const OperatorMessages m = OperatorMessages::squareSymmetric("DETERMINANT", "symetric");
    return m;
}
} // namespace

operDETERMINANT::operDETERMINANT(bool graphical) : OperatorItem(1, 1)
{
    messages = &matrixMessages();
    initOperator(QStringLiteral("DETERMINANT"),
                 QStringLiteral("Determinant of the square symmetric matrix."),
                 QStringLiteral("Determinant of the square symmetric matrix."), graphical);
}

void operDETERMINANT::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    if (!checkStatus(checkDecomposable(a), OperStatus::NotSymmetric))
        return;
    const int n = a.rows;
    succeed(name);
    M[0][0] = determinantOf(arg1->M, n);
    setShape(1, 1, one(), one());
}
