#include "operators/operVAR.h"

#include "operators/CountingStatistics.h"

operVAR::operVAR(bool graphical) : OperatorItem(1, 1)
{
    initOperator(QStringLiteral("VAR"), QStringLiteral("Variance of a vector or matrix."),
                 QStringLiteral("Variance of a vector or matrix."), graphical);
}

void operVAR::recompute()
{
    if (!checkArguments())
        return;
    succeed(name);
    setShape(1, 1, one(), one());
    M[0][0] = populationVariance(blockOf(arg1));
}
