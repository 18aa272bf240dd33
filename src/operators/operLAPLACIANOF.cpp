#include "operators/operLAPLACIANOF.h"

#include "operators/MatrixTransforms.h"
#include "operators/SpectralKernels.h"

namespace
{
const OperatorMessages &matrixMessages()
{
    static const OperatorMessages m = OperatorMessages::squareSymmetric("LAPLACIANOF", "symetric");
    return m;
}
} // namespace

operLAPLACIANOF::operLAPLACIANOF(bool graphical) : OperatorItem(1, 1)
{
    messages = &matrixMessages();
    initOperator(
        QStringLiteral("LAPLACIANOF"),
        QStringLiteral("Laplacian matrix from a symmetric matrix $M$. $L=D-M$ where $D$ is a "
                       "matrix whose diagonal term $d_i=\\sum_{j=1}^n m_{ij}$."),
        QStringLiteral("Laplacian matrix from a symmetric matrix M.\n L=D-M where D is a matrix "
                       "whose diagonal term di is the sum of the elements of its row."),
        graphical);
}

void operLAPLACIANOF::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    if (!checkStatus(checkSymmetricMatrix(a), OperStatus::NotSymmetric))
        return;
    succeed(QStringLiteral("LaplacianOf"));
    setShape(a.cols, a.cols, arg1->getSRows(), arg1->getSRows());
    laplacianOf(a, M);
}
