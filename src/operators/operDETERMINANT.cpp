#include "operators/operDETERMINANT.h"

#include "operators/EigenKernels.h"

operDETERMINANT::operDETERMINANT(bool graphical)
    : SymmetricMatrixOperator("DETERMINANT", "symetric")
{
    initOperator(QStringLiteral("DETERMINANT"),
                 QStringLiteral("Determinant of the square symmetric matrix."),
                 QStringLiteral("Determinant of the square symmetric matrix."), graphical);
}

void operDETERMINANT::recompute()
{
    const int n = checkedOrder(&checkDecomposable, OperStatus::NotSymmetric);
    if (n == 0)
        return;
    succeed(name);
    M[0][0] = determinantOf(arg1->M, n);
    setShape(1, 1, one(), one());
}
