#include "operators/operCHOLESKY.h"

#include "operators/MatrixTransforms.h"
#include "operators/EigenKernels.h"

operCHOLESKY::operCHOLESKY(bool graphical) : SymmetricMatrixOperator("CHOLESKY", "simmetric")
{
    ownMessages.set(OperStatus::NotPositiveDefinite, "CHOLESKY matrix not positive definite");
    initOperator(
        QStringLiteral("CHOLESKY"),
        QStringLiteral("Cholesky decomposition (of a square matrix with non negative entries)."),
        QStringLiteral("Cholesky decomposition (of a square matrix with non negative entries)."),
        graphical);
}

void operCHOLESKY::recompute()
{
    const int n = checkedOrder(&checkDecomposable);
    if (n == 0)
        return;
    succeed(QStringLiteral("Cholesky"));
    setShape(n, n, arg1->getSRows(), arg1->getSCols());
    if (!choleskyInto(arg1->M, n, M)) {
        failWith(OperStatus::NotPositiveDefinite);
        showTooltipNow(messages->text(OperStatus::NotPositiveDefinite));
    }
}
