#include "operators/operLAPLACIANOF.h"

#include "operators/MatrixTransforms.h"
#include "operators/EigenKernels.h"

operLAPLACIANOF::operLAPLACIANOF(bool graphical)
    : SymmetricMatrixOperator("LAPLACIANOF", "symetric")
{
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
    const int n = checkedOrder(&checkSymmetricMatrix, OperStatus::NotSymmetric);
    if (n == 0)
        return;
    succeed(QStringLiteral("LaplacianOf"));
    setShape(n, n, arg1->getSRows(), arg1->getSRows());
    laplacianOf(blockOf(arg1), M);
}
