#include "operators/operSUM.h"

#include "operators/MatrixReductions.h"

operSUM::operSUM(bool graphical) : OperatorItem(1, 1)
{
    initOperator(QStringLiteral("SUM"),
                 QStringLiteral("Sum of the values in a vector or matrix. Not to be confused with "
                                "+ which adds corresponding elements of different matrices."),
                 QStringLiteral("Sum of the values in a vector or matrix.\n Not to be confused "
                                "with + which adds corresponding elements of different matrices."),
                 graphical);
}

void operSUM::recompute()
{
    if (!checkArguments())
        return;
    succeed(name);
    setShape(1, 1, one(), one());
    M[0][0] = reduceSum(blockOf(arg1));
}
