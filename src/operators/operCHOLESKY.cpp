#include "operators/operCHOLESKY.h"

#include "operators/MatrixTransforms.h"
#include "operators/SpectralKernels.h"

namespace
{
const OperatorMessages &matrixMessages()
{
    static const OperatorMessages m =
        OperatorMessages::squareSymmetric("CHOLESKY", "simmetric")
            .set(OperStatus::NotPositiveDefinite, "CHOLESKY matrix not positive definite");
    return m;
}
} // namespace

operCHOLESKY::operCHOLESKY(bool graphical) : OperatorItem(1, 1)
{
    messages = &matrixMessages();
    initOperator(
        QStringLiteral("CHOLESKY"),
        QStringLiteral("Cholesky decomposition (of a square matrix with non negative entries)."),
        QStringLiteral("Cholesky decomposition (of a square matrix with non negative entries)."),
        graphical);
}

void operCHOLESKY::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    if (!checkStatus(checkDecomposable(a)))
        return;
    const int n = a.rows;
    succeed(QStringLiteral("Cholesky"));
    setShape(n, n, arg1->getSRows(), arg1->getSCols());
    if (!choleskyInto(arg1->M, n, M)) {
        failWith(OperStatus::NotPositiveDefinite);
        showTooltipNow(messages->text(OperStatus::NotPositiveDefinite));
    }
}
