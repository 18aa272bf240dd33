#include "operators/operMAX.h"

#include "operators/MatrixReductions.h"

operMAX::operMAX(bool graphical) : OperatorItem(1, 1)
{
    initOperator(
        QStringLiteral("MAX"),
        QStringLiteral("Maximum value over a vector or a matrix. Not to be confused with MMAX."),
        QStringLiteral("Maximum value over a vector or a matrix.\n Not to be confused with MMAX."),
        graphical);
}

void operMAX::recompute()
{
    if (!checkArguments())
        return;
    succeed(name);
    setShape(1, 1, one(), one());
    M[0][0] = reduceMax(blockOf(arg1));
}
