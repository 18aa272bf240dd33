#include "operators/operNBEQ.h"

#include "operators/CountingStatistics.h"

operNBEQ::operNBEQ(bool graphical) : OperatorItem(3, 1)
{
    initOperator(
        QStringLiteral("NBEQ"),
        QStringLiteral("Frequency of each term of the second argument (value, vector or matrix) in "
                       "the vector or matrix provided as first argument. Args=[matrix or vector "
                       "M1,value (default, a value=0) M2,epsilon (default=1e-6)]."),
        QStringLiteral("Frequency of each term of the second argument (value, vector or matrix) in "
                       "the vector or matrix provided as first argument. Args=[matrix or vector "
                       "M1,value (default, a value=0) M2,epsilon (default=1e-6)]."),
        graphical);
}

void operNBEQ::recompute()
{
    if (!checkArguments(false))
        return;
    const double eps = (arg3 && !blockOf(arg3).empty()) ? arg3->M[0][0] : 1e-6;
    succeed(name);
    showTooltipNow(name);
    const ValueBlock a = blockOf(arg1);
    if (arg2 && !blockOf(arg2).empty()) {
        const ValueBlock reference = blockOf(arg2);
        setShape(reference.rows, reference.cols, arg2->getSRows(), arg2->getSCols());
        countNearEach(a, reference, eps, M);
        return;
    }
    setShape(1, 1, one(), one());
    M[0][0] = countNear(a, 0.0, eps);
}
