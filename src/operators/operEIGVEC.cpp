#include "operators/operEIGVEC.h"

#include "operators/EigenKernels.h"

operEIGVEC::operEIGVEC(bool graphical) : SymmetricMatrixOperator("EIGENVECTORS", "symetric")
{
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
    const int n = checkedOrder(&checkDecomposable, OperStatus::NotSymmetric);
    if (n == 0)
        return;
    succeed(QStringLiteral("Eigenvectors"));
    setShape(n, n, arg1->getSRows(), arg1->getSCols());
    eigenvectorsInto(arg1->M, n, M);
}
