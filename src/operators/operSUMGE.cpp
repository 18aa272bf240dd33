#include "operators/operSUMGE.h"

#include "operators/CountingStatistics.h"

operSUMGE::operSUMGE(bool graphical) : OperatorItem(2, 1)
{
    initOperator(
        QStringLiteral("SUMGE"),
        QStringLiteral("Summation of the terms of a matrix that are greater than or equal to the "
                       "second argument. By default, the value of the second argument is 0."),
        QStringLiteral("Summation of the terms of a matrix that are greater than or equal to the "
                       "second argument.\n By default, the value of the second argument is 0."),
        graphical);
}

void operSUMGE::recompute()
{
    if (!checkArguments(false))
        return;
    const double threshold = (arg2 && !blockOf(arg2).empty()) ? arg2->M[0][0] : 0.0;
    setShape(1, 1, one(), one());
    succeed(name);
    M[0][0] = sumAtLeast(blockOf(arg1), threshold);
}
