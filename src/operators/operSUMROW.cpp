#include "operators/operSUMROW.h"

#include "operators/MatrixReductions.h"

operSUMROW::operSUMROW(bool graphical) : OperatorItem(1, 1)
{
    initOperator(
        QStringLiteral("SUMROW"),
        QStringLiteral("Sum of the terms of each row of a matrix, providing a column vector."),
        QStringLiteral("Sum of the terms of each row of a matrix,\n providing a column vector."),
        graphical);
}

void operSUMROW::recompute()
{
    if (!checkArguments())
        return;
    const ValueBlock a = blockOf(arg1);
    succeed(name);
    setShape(a.rows, 1, arg1->getSRows(), one());
    reduceSumRow(a, M);
}
