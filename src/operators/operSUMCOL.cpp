#include "operators/operSUMCOL.h"

#include "operators/MatrixReductions.h"

operSUMCOL::operSUMCOL(bool graphical) : OperatorItem(1, 1)
{
    initOperator(
        QStringLiteral("SUMCOL"),
        QStringLiteral("Sum of the terms of each column of a matrix, providing a row vector."),
        QStringLiteral("Sum of the terms of each column of a matrix, providing a row vector."),
        graphical);
}

void operSUMCOL::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    succeed(name);
    setShape(1, a.cols, one(), arg1->getSCols());
    reduceSumCol(a, M);
}
