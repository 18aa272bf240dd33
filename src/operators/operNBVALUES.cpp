#include "operators/operNBVALUES.h"

#include "operators/CountingStatistics.h"

operNBVALUES::operNBVALUES(bool graphical) : OperatorItem(1, 1)
{
    initOperator(QStringLiteral("NBVALUES"),
                 QStringLiteral("Number of different values in a vector/matrix."),
                 QStringLiteral("Number of different values in a vector/matrix."), graphical);
}

void operNBVALUES::recompute()
{
    if (!checkArguments())
        return;
    succeed(name);
    setShape(1, 1, one(), one());
    M[0][0] = countDistinct(blockOf(arg1));
}
