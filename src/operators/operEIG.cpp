#include "operators/operEIG.h"

#include "operators/EigenKernels.h"

operEIG::operEIG(bool graphical) : SymmetricMatrixOperator("EIG", "symetric")
{
    initOperator(QStringLiteral("EIGENVALUES"),
                 QStringLiteral("Eigenvalues of the square symmetric matrix."),
                 QStringLiteral("Eigenvalues of the square symmetric matrix."), graphical);
}

void operEIG::recompute()
{
    const int n = checkedOrder(&checkDecomposable, OperStatus::NotSymmetric);
    if (n == 0)
        return;
    succeed(QStringLiteral("Eigenvalues"));
    eigenvaluesInto(arg1->M, n, M);
    setShape(n, 1, arg1->getSRows(), one());
}
